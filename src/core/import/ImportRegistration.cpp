#include "core/import/ImportRegistration.h"

#include "core/config/Messages.h"
#include "core/sound/WaveInspection.h"
#include "core/sound/WaveTexts.h"

#include <algorithm>

namespace vexa {
namespace {

constexpr std::size_t kProbeFrames = 256;

enum : int { kConvert = 0, kSkip = 1, kConvertAll = 2 };

bool isAcceptedRate(std::uint32_t rate) {
    return std::find(kAcceptedRates.begin(), kAcceptedRates.end(), rate) != kAcceptedRates.end();
}

// "mp3float" → "MP3", "aac_fixed" → "AAC", "pcm_s24le" → "PCM_S24LE".
std::string codecText(const std::string& codec) {
    std::string text = codec;
    for (const char* suffix : {"float", "_fixed"}) {
        const std::string s = suffix;
        if (text.size() > s.size() && text.compare(text.size() - s.size(), s.size(), s) == 0)
            text.erase(text.size() - s.size());
    }
    return AsciiUpper(text);
}

std::string join(const std::vector<std::string>& parts) {
    std::string text;
    for (const auto& part : parts)
        text += (text.empty() ? "" : "・") + part;
    return text;
}

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

}  // namespace

std::optional<ImportCandidate> ImportableRefusal(const WaveRegistrationCheck& check, bool stereoAllowed,
                                                 AudioBackend& backend) {
    if (check.accepted())
        return std::nullopt;
    const WaveFormatRead& read = check.format;  // as the check read it: the file is not read again
    bool notWave = false;
    bool formatChunk = false;
    std::vector<std::string> problems;
    bool notPcm = false;
    if (!read.format) {
        notWave = read.reason == Refusal::error(msg::kWaveNotRiff).text;
        formatChunk = read.reason == Refusal::error(msg::kWaveUnsupported).text;
        if (!notWave && !formatChunk)
            return std::nullopt;  // unreadable, or no format at all
    } else {
        const WaveFormat& f = *read.format;
        if (f.channels != 1 && !stereoAllowed)
            problems.push_back("ステレオ");
        if (!isAcceptedRate(f.samplesPerSec))
            problems.push_back(ImportRateText(f.samplesPerSec));
        if (f.bitsPerSample != 8 && f.bitsPerSample != 16)
            problems.push_back(BitsText(f.bitsPerSample));
        notPcm = f.formatTag != 1;
        if (problems.empty() && !notPcm) {
            if (check.headerPasses)
                return std::nullopt;  // only the name is refused: import is no answer to that
            problems.push_back("ヘッダーの並び");
        }
    }
    DecoderOpening opening = backend.openDecoder(check.path);
    if (!opening.decoder)
        return std::nullopt;
    const AudioSourceInfo info = opening.decoder->info();
    if (info.channels < 1 || info.sampleRate == 0)
        return std::nullopt;
    std::vector<float> probe(kProbeFrames * static_cast<std::size_t>(info.channels));
    if (opening.decoder->read(probe.data(), kProbeFrames) == 0)
        return std::nullopt;

    ImportCandidate candidate;
    candidate.source = info;
    if (notWave) {
        candidate.reason = "WAVEファイルではありません（" + codecText(info.codec) + "）。";
    } else if (formatChunk) {
        candidate.reason = "このWAVEファイルの形式（" + codecText(info.codec) + "・" +
                           ChannelsText(static_cast<std::uint16_t>(info.channels)) + "・" +
                           ImportRateText(info.sampleRate) + "）は使えません。";
    } else {
        if (notPcm)
            problems.push_back(codecText(info.codec));
        candidate.reason = "使えない形式です（" + join(problems) + "）。";
    }
    return candidate;
}

ImportInspectionRun InspectWithImport(const std::vector<std::string>& paths, bool stereoAllowed,
                                      AudioBackend& backend, Progress& progress) {
    ImportInspectionRun run;
    for (std::size_t i = 0; i < paths.size(); ++i) {
        if (progress.stopRequested()) {
            run.complete = false;
            break;
        }
        RegistrationStep step{CheckWaveForRegistration(paths[i], stereoAllowed), std::nullopt};
        if (!step.check.accepted())
            step.candidate = ImportableRefusal(step.check, stereoAllowed, backend);
        const bool ends = !step.check.accepted() && !step.candidate;
        run.steps.push_back(std::move(step));
        progress.setValue(static_cast<int>((i + 1) * 100 / paths.size()));
        if (ends)
            break;
    }
    return run;
}

ChoiceRequest ImportQuestion(const std::string& file, const ImportCandidate& candidate, const std::string& name,
                             const ImportOptions& options, const std::string& folder) {
    const ImportFormat format = ChooseImportFormat(options, candidate.source).format;
    std::string after = ImportFormatText(format);
    if (options.loudnessTarget)
        after += "、音量 " + DecibelText(*options.loudnessTarget, "LUFS") + "（ピーク " +
                 DecibelText(options.peakCeiling, "dBTP") + " まで）";
    else
        after += "、音量はそのまま";
    if (options.trim)
        after += "、前後の無音を切り詰め";
    ChoiceRequest request;
    request.text = "「" + file + "」はこのままでは登録できません。\n" + candidate.reason +
                   "\n\n変換して登録できます。\n変換後：" + after + "\n保存先：" + folder;
    request.title = GetMsg(msg::kTitleConfirm);
    request.icon = MessageIcon::Question;
    request.buttons = {kConvertButton, kSkipButton, kConvertAllButton};
    request.dismissed = kSkip;
    request.editLabel = "名前：";
    request.editText = name;
    return request;
}

std::vector<ImportItem> RegistrationImportPlan::items() const {
    std::vector<ImportItem> list;
    for (std::size_t i = 0; i < steps.size(); ++i)
        if (!names[i].empty())
            list.push_back({steps[i].check.path, names[i]});
    return list;
}

RegistrationImportPlan AskImportQuestions(ImportInspectionRun run, TakenNames taken, const ImportOptions& options,
                                          const std::string& folder, UserDialogs& dialogs) {
    RegistrationImportPlan plan;
    plan.steps = std::move(run.steps);
    plan.names.assign(plan.steps.size(), {});
    plan.complete = run.complete;
    // The files registered as they are come into the list under their own names.
    for (const RegistrationStep& step : plan.steps)
        if (step.check.accepted())
            taken.add(step.check.name);
    bool all = false;
    for (std::size_t i = 0; i < plan.steps.size(); ++i) {
        const RegistrationStep& step = plan.steps[i];
        if (!step.candidate)
            continue;
        std::string name = ProposeImportName(step.check.path, taken);
        std::string shown = name;
        bool convert = all;
        while (!convert) {
            const ChoiceAnswer answer =
                dialogs.askChoice(ImportQuestion(step.check.name, *step.candidate, shown, options, folder));
            if (answer.button != kConvert && answer.button != kConvertAll)
                break;
            const std::string typed = NormaliseImportName(trimmed(answer.editText));
            if (typed != name) {
                if (const CheckResult refusal = CheckImportName(typed, taken)) {
                    ShowRefusal(dialogs, *refusal);
                    shown = answer.editText;
                    continue;
                }
                name = typed;
            }
            all = answer.button == kConvertAll;
            convert = true;
        }
        if (!convert)
            continue;
        taken.add(name);
        plan.names[i] = name;
    }
    return plan;
}

ChecksToRegister ChecksAfterImport(const RegistrationImportPlan& plan, const ImportBatchResult& batch,
                                   bool stereoAllowed, UserDialogs& dialogs) {
    ChecksToRegister out;
    out.complete = plan.complete;
    std::size_t next = 0;
    for (std::size_t i = 0; i < plan.steps.size(); ++i) {
        const RegistrationStep& step = plan.steps[i];
        if (!step.candidate) {
            out.checks.push_back(step.check);
            continue;
        }
        if (plan.names[i].empty())
            continue;  // skipped
        if (next >= batch.results.size() || batch.results[next].status == ImportStatus::Stopped) {
            out.complete = false;
            break;
        }
        const ImportResult& result = batch.results[next++];
        if (!result.imported()) {
            ShowRefusal(dialogs, Refusal{result.failure, msg::kTitleError, MessageIcon::Error, {}, -1, -1});
            continue;
        }
        out.checks.push_back(CheckWaveForRegistration(result.output, stereoAllowed));
    }
    return out;
}

}  // namespace vexa
