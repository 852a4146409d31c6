#include "core/controlfile/ControlFileReader.h"

#include "core/ui/Refusal.h"

#include "core/config/Messages.h"
#include "core/files/InputFile.h"
#include "core/controlfile/ControlFileFormat.h"
#include "core/controlfile/LineReader.h"
#include "core/model/ProgramLineRules.h"
#include "core/model/TimeRange.h"
#include "core/sound/WaveInspection.h"
#include "core/sound/WaveTexts.h"
#include "core/text/Cp932.h"
#include "core/text/NumberFormat.h"
#include "core/text/TextRules.h"

#include <algorithm>
#include <cctype>
#include <unordered_map>
#include <vector>

namespace vexa {

namespace {

enum class Section {
    Ignored,
    Card,
    Sounds,
    Voices,
    LedPatterns,
    BuzzerPatterns,
    Controls,
    BlockA,
    BlockC,
    Comments,
};

// Fields of a data line into `fields`; an empty line has none.
void splitFields(std::string_view line, std::vector<std::string_view>& fields) {
    fields.clear();
    if (line.empty())
        return;
    std::size_t start = 0;
    while (true) {
        const auto comma = line.find(',', start);
        fields.push_back(line.substr(start, comma == std::string_view::npos ? comma : comma - start));
        if (comma == std::string_view::npos)
            return;
        start = comma + 1;
    }
}

std::optional<int> wholeNumber(std::string_view text) {
    const auto value = numfmt::toInt16(text);
    if (!value)
        return std::nullopt;
    return *value;
}

// Milliseconds as text → seconds with one decimal; none for a count beyond
// what the device holds (TimeRange).
std::optional<std::string> seconds(std::string_view milliseconds) {
    const auto value = numfmt::parseNumber(milliseconds);
    if (!value || !MillisecondsOf(*value / 1000))
        return std::nullopt;
    return numfmt::format(*value / 1000, "0.0");
}

bool endsWithStar(std::string_view line) { return !line.empty() && line.back() == '*'; }

// A File name that would lead outside the Control File's folder.
bool leavesFolder(std::string_view name) {
    return name == "." || name == ".." || name.find_first_of("/\\") != std::string_view::npos;
}

class ControlFileReader {
public:
    ControlFileReader(Project& project, int lineCount, std::filesystem::path folder,
                      ControlFileForm form)
        : project_(project), lineCount_(lineCount), folder_(std::move(folder)), form_(form) {}

    // False when the line makes the load fail.
    bool read(const std::string& line) {
        if (line.size() >= 2 && line[0] == '#' && isMarkerKey(line[1])) {
            sawMarker_ = true;
            return marker(line);
        }
        switch (section_) {
        case Section::Ignored: return true;
        case Section::Card: return cardLine(line);
        case Section::Sounds: return soundLine(line);
        case Section::Voices: return voiceLine(line);
        case Section::LedPatterns: return patternLine(line, project_.patterns.led);
        case Section::BuzzerPatterns: return patternLine(line, project_.patterns.buzzer);
        case Section::Controls: return controlLine(line);
        case Section::BlockA: return blockALine(line);
        case Section::BlockC: return blockCLine(line);
        case Section::Comments: return commentLine(line);
        }
        return true;
    }

    // Why the last line was refused, when the reader knows more than that.
    const std::string& failure() const { return failure_; }
    // The WAVE reader's own refusal of the sound file that made the load fail.
    const CheckResult& waveRefusal() const { return waveRefusal_; }
    // Whether any line was a marker: a file without one is no Control File.
    bool sawMarker() const { return sawMarker_; }

private:
    static bool isMarkerKey(char c) { return (c >= '0' && c <= '6') || c == 'S'; }

    // The fields of a data line, valid until the next line is split.
    const std::vector<std::string_view>& fieldsOf(std::string_view line) {
        splitFields(line, fields_);
        return fields_;
    }

    bool marker(const std::string& line) {
        switch (line[1]) {
        case '0': section_ = Section::Ignored; return true;  // the running User Information stays
        case '1': start(Section::Card); return true;
        case '2': section_ = Section::Sounds; return true;
        case '3': return sheetSection(line, Section::Voices);
        case '4':
            if (line.size() > 2 && line[2] == 'A')
                section_ = Section::LedPatterns;
            else if (line.size() > 2 && line[2] == 'B')
                section_ = Section::BuzzerPatterns;
            return true;
        case '5': return sheetSection(line, Section::Controls);
        case '6': return headerBlock(line);
        default:  // 'S'
            if (endsWithStar(line))
                section_ = Section::Ignored;
            else
                start(Section::Comments);
            return true;
        }
    }

    void start(Section section) {
        section_ = section;
        counter_ = 0;
    }

    // "#3" / "#5" alone: sheet 0; "#3Xss" / "#5Xss": sheet ss (at most 8).
    bool sheetSection(const std::string& line, Section section) {
        if (line.size() == 2) {
            sheet_ = 0;
            section_ = section;
            return true;
        }
        if (endsWithStar(line)) {
            section_ = Section::Ignored;
            return true;
        }
        const auto sheet = wholeNumber(std::string_view(line).substr(std::min<std::size_t>(3, line.size()), 2));
        if (!sheet || *sheet < 0 || *sheet >= kSheetSlots)
            return false;
        sheet_ = *sheet;
        section_ = section;
        return true;
    }

    // "#6XssA" / "#6XssC"; blocks of sheets from 8 on are read past.
    bool headerBlock(const std::string& line) {
        if (endsWithStar(line)) {
            section_ = Section::Ignored;
            return true;
        }
        const auto sheet = wholeNumber(std::string_view(line).substr(std::min<std::size_t>(3, line.size()), 2));
        if (!sheet || *sheet < 0)
            return false;
        const char block = line.size() > 5 ? line[5] : '\0';
        if (block != 'A' && block != 'C')
            return true;
        sheet_ = *sheet;
        start(block == 'A' ? Section::BlockA : Section::BlockC);
        return true;
    }

    bool cardLine(const std::string& line) {
        const int i = counter_++;
        if (form_ == ControlFileForm::Full) {
            if (i < static_cast<int>(controlfile::kCardLines.size()))
                project_.card.*controlfile::kCardLines[static_cast<std::size_t>(i)] = line;
            return true;
        }
        for (const auto& reduced : controlfile::kReducedCardLines)
            if (reduced.line == i)
                project_.card.*reduced.value = line;
        return true;
    }

    bool soundLine(const std::string& line) {
        if (line.empty() || endsWithStar(line))
            return true;
        const std::string cut = CutAtNul(line);  // the fields below point into it
        const auto& fields = fieldsOf(cut);
        if (fields.size() < 2)
            return false;
        const auto k = wholeNumber(fields[0]);
        if (!k || *k < 0 || *k >= static_cast<int>(kMaxSounds))
            return false;
        const std::string name(fields[1]);
        if (leavesFolder(name)) {
            failure_ = "音声ファイル名「" + name + "」は" +
                       (name == "." || name == ".." ? "ファイルではなくフォルダを指す名前" : "フォルダを含むパス") +
                       "です。カードの音声ファイルはコントロールファイルと同じフォルダに置くため、パスは使えません";
            return false;
        }
        project_.soundPresent = true;
        soundsChanged_ = true;
        project_.growSoundTable(static_cast<std::size_t>(*k));
        SoundEntry& entry = project_.sounds[static_cast<std::size_t>(*k)];
        std::string comment = std::move(entry.comment);
        entry = SoundEntry{};
        entry.comment = std::move(comment);
        if (name.empty())  // a gap in the table, as the writer leaves it
            return true;
        return describe(entry, name);
    }

    // Fills an entry from the WAVE file of that name beside the Control File.
    bool describe(SoundEntry& entry, const std::string& name) {
        const std::filesystem::path source = folder_ / name;
        entry.fileName = name;
        entry.sourcePath = source.string();
        const WaveFacts facts = InspectWave(source);  // one opening of the file
        if (facts.format.refusal) {
            waveRefusal_ = facts.format.refusal;
            std::string why = facts.format.reason;  // the file is named here already
            while (why.ends_with(" ") || why.ends_with("\u3000"))  // the catalogue's padding
                why.resize(why.size() - (why.ends_with(" ") ? 1 : std::string_view("\u3000").size()));
            // A file that is there but is no file to read: say what it is.
            why += facts.openProblem;
            failure_ = "音声ファイル「" + name + "」を読めません（" + why + "）";
            return false;
        }
        const WaveFormat& format = *facts.format.format;
        entry.rate = RateText(format.samplesPerSec);
        entry.bits = BitsText(format.bitsPerSample);
        entry.channels = ChannelsText(format.channels);
        entry.length = LengthText(facts.lengthMs);
        entry.size = std::to_string(facts.size);
        return true;
    }

    // The line a data line names; nullptr when it is read past.
    std::optional<ProgramLine*> targetLine(const std::vector<std::string_view>& fields) {
        const auto n = wholeNumber(fields[0]);
        if (!n || *n < 0)
            return std::nullopt;
        if (*n >= lineCount_)
            return nullptr;
        return &project_.sheets[static_cast<std::size_t>(sheet_)].lines[static_cast<std::size_t>(*n)];
    }

    // A voice or control line: skipped when empty, a placeholder or past the
    // Line Count; otherwise `fill` reads its fields into the line it names.
    template <typename Fill>
    bool sheetLine(const std::string& line, std::size_t minFields, Fill fill) {
        if (line.empty() || endsWithStar(line))
            return true;
        const auto& fields = fieldsOf(line);
        const auto target = targetLine(fields);
        if (!target)
            return false;
        if (!*target)
            return true;
        if (fields.size() < minFields)
            return false;
        return fill(**target, fields);
    }

    bool voiceLine(const std::string& line) {
        return sheetLine(line, 3, [this](ProgramLine& programLine, const std::vector<std::string_view>& fields) {
            programLine.select = fields[1];
            programLine.repeat = fields[2];
            const int last = std::min(static_cast<int>(fields.size()) - 4, kVoicesPerLine - 1);
            for (int j = 0; j <= last; ++j) {
                const std::string_view field = fields[static_cast<std::size_t>(j + 3)];
                if (field.empty())
                    continue;
                const auto k = wholeNumber(field);
                if (!k || !project_.soundPresent || *k < 0 || *k >= static_cast<int>(project_.sounds.size()))
                    return false;
                programLine.voices[static_cast<std::size_t>(j)] =
                    project_.sounds[static_cast<std::size_t>(*k)].fileName;
            }
            const auto time = lineTime(programLine);
            if (!time)
                return false;
            programLine.time = *time;
            return true;
        });
    }

    // Project::lineTime, with the Sound Table looked up through the tables below.
    std::optional<std::string> lineTime(const ProgramLine& line) {
        const auto repeat = LoadedRepeat(line.repeat);
        if (!repeat)
            return std::nullopt;
        if (soundsChanged_)
            indexSounds();
        return LineTime(*repeat, line.voices, [&](const std::string& voice) -> std::optional<double> {
            const auto k = firstIndex_.find(voice);
            return k == firstIndex_.end() ? 0.0 : roundedLength_[k->second];
        });
    }

    // The first index of each File name, as Project::findSound gives it, and
    // each entry's Length rounded to one decimal (nullopt when no number).
    void indexSounds() {
        const auto& sounds = project_.sounds;
        firstIndex_.clear();
        roundedLength_.assign(sounds.size(), std::nullopt);
        for (std::size_t k = sounds.size(); k-- > 0;) {
            if (!sounds[k].fileName.empty())
                firstIndex_[sounds[k].fileName] = k;
            roundedLength_[k] = RegisteredSeconds(sounds[k].length);
        }
        soundsChanged_ = false;
    }

    bool patternLine(const std::string& line, std::array<PatternTime, 3>& patterns) {
        const auto& fields = fieldsOf(line);
        if (fields.size() < 3)
            return false;
        const auto i = wholeNumber(fields[0]);
        const auto on = seconds(fields[1]);
        const auto off = seconds(fields[2]);
        if (!i || *i < 0 || *i > 2 || !on || !off)
            return false;
        patterns[static_cast<std::size_t>(*i)] = {*on, *off};
        return true;
    }

    bool controlLine(const std::string& line) {
        return sheetLine(line, 10, [](ProgramLine& programLine, const std::vector<std::string_view>& fields) {
            const auto ledTime = seconds(fields[3]);
            const auto buzzerTime = seconds(fields[5]);
            if (!ledTime || !buzzerTime)
                return false;
            programLine.ledType = fields[2];
            programLine.ledTime = *ledTime;
            programLine.buzzerType = fields[4];
            programLine.buzzerTime = *buzzerTime;
            for (std::size_t e = 0; e < programLine.ex.size(); ++e)
                programLine.ex[e] = fields[6 + e];
            return true;
        });
    }

    bool blockALine(const std::string& line) {
        const int i = counter_++;
        if (sheet_ >= kSheetCount)
            return true;
        SheetHeader& header = project_.sheets[static_cast<std::size_t>(sheet_)].header;
        if (i == 0)
            header.name = line;
        else if (i == 1)
            header.memo = line;
        return true;
    }

    bool blockCLine(const std::string& line) {
        const int i = counter_++;
        if (sheet_ >= kSheetCount)
            return true;
        SheetHeader& header = project_.sheets[static_cast<std::size_t>(sheet_)].header;
        const auto& fields = fieldsOf(line);
        if (i == 0) {
            if (fields.size() < 5)
                return false;
            const auto volume = numfmt::toInt16(fields[0]);
            if (!volume)
                return false;
            header.volume = *volume;
            header.startHour = fields[1];
            header.startMinute = fields[2];
            header.endHour = fields[3];
            header.endMinute = fields[4];
            return true;
        }
        if (i == 1)
            return readFlags(fields, header.weekdays.data(), kWeekdayFlags);
        if (i == 2)
            return readFlags(fields, header.seasons.data(), kSeasonFlags);
        return true;
    }

    static bool readFlags(const std::vector<std::string_view>& fields, std::int16_t* flags, int count) {
        const auto n = std::min(static_cast<int>(fields.size()), count);
        for (int i = 0; i < n; ++i) {
            const auto value = numfmt::toInt16(fields[static_cast<std::size_t>(i)]);
            if (!value)
                return false;
            flags[i] = *value;
        }
        return true;
    }

    bool commentLine(const std::string& line) {
        const auto i = static_cast<std::size_t>(counter_++);
        if (i < project_.sounds.size())
            project_.sounds[i].comment = line;
        return true;
    }

    Project& project_;
    const int lineCount_;
    const std::filesystem::path folder_;
    const ControlFileForm form_;
    std::string failure_;
    CheckResult waveRefusal_;
    Section section_ = Section::Ignored;
    bool sawMarker_ = false;
    int sheet_ = 0;
    int counter_ = 0;
    std::vector<std::string_view> fields_;
    bool soundsChanged_ = true;
    std::unordered_map<std::string, std::size_t> firstIndex_;
    std::vector<std::optional<double>> roundedLength_;
};

// Reads every line into the reader, noting the lines that held bytes which
// are not CP932; "" when all went well, else why not.
std::string readAll(InputFile& file, ControlFileReader& reader, std::vector<long>& undecodedLines) {
    LineReader lines(file, kMaxControlFileLine);
    long lineNumber = 0;
    std::string raw;
    while (true) {
        const LineReader::Status status = lines.next(raw);
        if (status == LineReader::Status::End)
            break;
        ++lineNumber;
        if (status == LineReader::Status::TooLong)
            return std::to_string(lineNumber) + "行目：行が長すぎます（" + ByteSizeText(kMaxControlFileLine) +
                   "を超えています）。";
        if (status == LineReader::Status::Failed)
            return file.reason().empty() ? std::string("読み込み中にエラーが起きました。") : file.reason();
        bool ok = true;
        // most lines are ASCII, the same in both encodings: no copy for them
        if (cp932::isAscii(raw)) {
            ok = reader.read(raw);
        } else {
            bool replaced = false;
            ok = reader.read(cp932::toUtf8(raw, replaced));
            if (replaced)
                undecodedLines.push_back(lineNumber);
        }
        if (!ok)
            return std::to_string(lineNumber) + "行目：" +
                   (reader.failure().empty() ? std::string("この行を読めません") : reader.failure());
    }
    if (!reader.sawMarker())
        return file.size() == 0 ? "ファイルが空です。コントロールファイルではありません。"
                                : "コントロールファイルではありません（「#1」「#2」などの区切りの行が1つもありません）。";
    return {};
}

}  // namespace

std::optional<ControlFileForm> ControlFileFormOf(std::string_view path) {
    if (path.size() < 3)
        return std::nullopt;
    std::string last(path.substr(path.size() - 3));
    std::transform(last.begin(), last.end(), last.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (last == "vxa" || last == "ktr")
        return ControlFileForm::Full;
    if (last == "wpj")
        return ControlFileForm::Reduced;
    return std::nullopt;
}

ControlFileLoad LoadKtrFile(const std::filesystem::path& path, Project& project, const Settings& settings) {
    const auto form = ControlFileFormOf(path.string());
    if (!form)
        return ControlFileLoad::otherKind();
    // The catalogue's text, then which file and why, so that the user can mend it.
    const auto refuse = [&](const std::string& why, CheckResult cause = std::nullopt) {
        std::vector<Refusal> refusals;
        if (cause)
            refusals.push_back(std::move(*cause));
        refusals.push_back(Refusal::error(msg::kLoadFailed, "\n「" + path.string() + "」：" + why));
        return ControlFileLoad::refused(std::move(refusals));
    };
    // What cannot be opened as a Control File at all leaves the Project as it was.
    InputFile file(path, kMaxControlFileBytes);
    if (!file)
        return refuse(file.reason());
    std::error_code ec;
    const auto folder = std::filesystem::absolute(path, ec).parent_path();
    if (ec)
        return refuse("フォルダが分かりません");

    const int lineCount = usableLineCount(settings.lineCount());
    project.clearSheets(lineCount);
    project.resetSoundTable();
    // The table grows by one entry a line: room for the largest at once
    // spares copying it each time it would outgrow its storage.
    project.sounds.reserve(kMaxSounds);
    project.undecoded = UndecodedLines{path.string(), {}};
    ControlFileReader reader(project, lineCount, folder, *form);
    const std::string failure = readAll(file, reader, project.undecoded.lines);
    if (!failure.empty()) {
        project.clearSheets(lineCount);
        return refuse(failure, reader.waveRefusal());
    }
    return ControlFileLoad::loaded();
}

void ShowLoadRefusals(UserDialogs& dialogs, const ControlFileLoad& load) {
    for (const Refusal& refusal : load.refusals())
        ShowRefusal(dialogs, refusal);
}

}  // namespace vexa
