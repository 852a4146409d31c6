#include "core/card/SheetCheck.h"

#include "core/config/Messages.h"
#include "core/text/NumberFormat.h"
#include "core/text/TextRules.h"

#include <algorithm>

namespace vexa {
namespace {

constexpr std::size_t kNameBytes = 60;
constexpr std::size_t kMemoBytes = 80;
constexpr double kMaxOutputTime = 300;

std::string twoDigits(int number) { return numfmt::format(number, "00"); }

std::string sheetPrefix(int sheet) {
    return GetMsg(msg::kSheetPrefixHead) + twoDigits(sheet + 1) + GetMsg(msg::kSheetPrefixTail);
}

std::string linePrefix(int line) {
    return GetMsg(msg::kLinePrefixHead) + twoDigits(line + 1) + GetMsg(msg::kLinePrefixTail);
}

// The message of an output time: required, then a number in 0 … 300.
int outputTimeProblem(const std::string& time, int missing, int range) {
    if (time.empty())
        return missing;
    const auto value = numfmt::parseNumber(time);
    if (!value || *value < 0 || *value > kMaxOutputTime)
        return range;
    return 0;
}

bool hasVoice(const ProgramSheet& sheet, int lineCount) {
    return std::any_of(sheet.lines.begin(), sheet.lines.begin() + lineCount,
                       [](const ProgramLine& line) { return !line.voices[0].empty(); });
}

void checkHeader(const SheetHeader& header, const std::string& prefix, std::vector<std::string>& errors) {
    const std::string indented = prefix + std::string(11, ' ');
    if (ByteLength(header.name) > kNameBytes)
        errors.push_back(indented + GetMsg(msg::kSheetNameTooLong));
    if (ByteLength(header.memo) > kMemoBytes)
        errors.push_back(indented + GetMsg(msg::kSheetMemoTooLong));
    if (header.startHour.empty() || header.startMinute.empty())
        errors.push_back(indented + GetMsg(msg::kStartTimeMissing));
    if (header.endHour.empty() || header.endMinute.empty())
        errors.push_back(indented + GetMsg(msg::kEndTimeMissing));
}

void checkLine(const ProgramLine& line, const std::string& prefix, std::vector<std::string>& errors) {
    if (const int problem = outputTimeProblem(line.ledTime, msg::kLedTimeMissing, msg::kLedTimeRange))
        errors.push_back(prefix + GetMsg(problem));
    if (const int problem = outputTimeProblem(line.buzzerTime, msg::kBuzzerTimeMissing, msg::kBuzzerTimeRange))
        errors.push_back(prefix + GetMsg(problem));
}

}  // namespace

std::vector<std::string> SheetErrors(const Project& project, const Settings& settings) {
    const bool multi = settings.multiSheet();
    const int lineCount = usableLineCount(settings.lineCount());
    const int sheets = multi ? kSheetCount : 1;
    std::vector<std::string> errors;
    for (int s = 0; s < sheets; ++s) {
        const ProgramSheet& sheet = project.sheets[static_cast<std::size_t>(s)];
        const std::string prefix = multi ? sheetPrefix(s) : std::string();
        if (multi && hasVoice(sheet, lineCount))
            checkHeader(sheet.header, prefix, errors);
        for (int l = 0; l < lineCount; ++l)
            checkLine(sheet.lines[static_cast<std::size_t>(l)], prefix + linePrefix(l), errors);
    }
    return errors;
}

std::string ErrorListText(const std::vector<std::string>& errors) {
    std::string text;
    for (const std::string& error : errors)
        text += error + "\n";
    return text;
}

}  // namespace vexa
