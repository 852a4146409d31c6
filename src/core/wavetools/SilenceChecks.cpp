#include "core/wavetools/SilenceChecks.h"

#include "core/config/Messages.h"
#include "core/wavetools/ConversionChecks.h"
#include "core/wavetools/TimeBoxes.h"
#include "core/wavetools/ToolsFields.h"
#include "core/wavetools/ToolsTexts.h"

#include <filesystem>

namespace vexa {
namespace {

Refusal refusal(const char* text, const char* field) {
    return Refusal{text, msg::kTitleConfirm, MessageIcon::Warning, field, -1, -1};
}

}  // namespace

CheckResult CheckSilenceFile(int seconds, const std::string& output) {
    if (seconds <= 0)
        return refusal("０秒以上の時間を指定してください。", tools_field::kMinutes);
    if (output.empty())
        return refusal(tools_text::kNoOutput, tools_field::kSilentFile);
    std::error_code ec;
    if (std::filesystem::is_directory(output, ec))
        return refusal(tools_text::kOutputIsFolder, tools_field::kSilentFile);
    if (!CheckFile(output))
        return refusal(tools_text::kBadOutputName, tools_field::kSilentFile);
    return CheckOutputFolder(output, tools_field::kSilentFile);
}

CheckResult CheckSilenceEntries(const std::string& minutes, const std::string& seconds, const std::string& output) {
    if (minutes.empty())
        return refusal("時間（分）が入力されていません。", tools_field::kMinutes);
    if (seconds.empty())
        return refusal("時間（秒）が入力されていません。", tools_field::kSeconds);
    // A pasted text that is no number: the boxes take digits only when typed.
    if (!TimeBoxNumber(minutes))
        return Refusal::warning(msg::kEntryInvalid).at(tools_field::kMinutes);
    if (!TimeBoxNumber(seconds))
        return Refusal::warning(msg::kEntryInvalid).at(tools_field::kSeconds);
    const auto length = SilenceSeconds(minutes, seconds);
    if (!length)
        return Refusal::warning(msg::kEntryInvalid).at(tools_field::kMinutes);
    return CheckSilenceFile(*length, output);
}

SilenceEntry CheckSilenceRequest(int seconds, const std::string& output, UserDialogs& dialogs) {
    const CheckResult result = CheckSilenceFile(seconds, output);
    if (Passed(dialogs, result))
        return SilenceEntry::None;
    return result->field == tools_field::kMinutes ? SilenceEntry::Minutes : SilenceEntry::Output;
}

}  // namespace vexa
