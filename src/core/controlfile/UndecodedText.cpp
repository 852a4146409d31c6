#include "core/controlfile/UndecodedText.h"

#include "core/config/MessageNumbers.h"
#include "core/config/Messages.h"
#include "core/text/Cp932.h"

namespace vexa {
namespace {

constexpr std::size_t kLinesNamed = 10;

bool undecoded(const std::string& text) { return text.find(cp932::kReplacement) != std::string::npos; }

bool lineHolds(const ProgramLine& line) {
    for (const std::string* text : {&line.select, &line.repeat, &line.ledType, &line.ledTime, &line.buzzerType,
                                    &line.buzzerTime, &line.time})
        if (undecoded(*text))
            return true;
    for (const auto& voice : line.voices)
        if (undecoded(voice))
            return true;
    for (const auto& ex : line.ex)
        if (undecoded(ex))
            return true;
    return false;
}

bool headerHolds(const SheetHeader& h) {
    for (const std::string* text : {&h.name, &h.memo, &h.startHour, &h.startMinute, &h.endHour, &h.endMinute})
        if (undecoded(*text))
            return true;
    return false;
}

}  // namespace

bool HoldsUndecodedText(const Project& project) {
    for (int s = 0; s < kSheetCount; ++s) {
        const ProgramSheet& sheet = project.sheets[static_cast<std::size_t>(s)];
        if (headerHolds(sheet.header))
            return true;
        for (const ProgramLine& line : sheet.lines)
            if (lineHolds(line))
                return true;
    }
    for (const SoundEntry& sound : project.sounds)
        if (undecoded(sound.fileName) || undecoded(sound.comment))
            return true;
    for (const auto& field : kCardInformationFields)
        if (undecoded(project.card.*field.value))
            return true;
    for (const auto& pattern : {project.patterns.led, project.patterns.buzzer})
        for (const PatternTime& time : pattern)
            if (undecoded(time.on) || undecoded(time.off))
                return true;
    for (const auto& value : project.user.values)
        if (undecoded(value))
            return true;
    return false;
}

std::string UndecodedLinesText(const std::vector<long>& lines) {
    std::string text;
    for (std::size_t i = 0; i < lines.size() && i < kLinesNamed; ++i)
        text += (i == 0 ? "" : ", ") + std::to_string(lines[i]);
    text += "行目";
    if (lines.size() > kLinesNamed)
        text += "ほか" + std::to_string(lines.size() - kLinesNamed) + "行";
    return text;
}

void WarnOfUndecodedLines(const UndecodedLines& undecoded, UserDialogs& dialogs) {
    if (undecoded.empty())
        return;
    dialogs.showMessage({"「" + undecoded.file + "」の" + UndecodedLinesText(undecoded.lines) +
                             "に、CP932 の文字として読めないバイトがありました。\n"
                             "その文字は「" + std::string(cp932::kReplacement) +
                             "」と表示され、書き込むときは「?」になります。",
                         GetMsg(msg::kTitleConfirm), MessageIcon::Warning, MessageButtons::Ok});
}

bool ConfirmWritingUndecodedText(const Project& project, UserDialogs& dialogs) {
    if (project.undecoded.empty() || !HoldsUndecodedText(project))
        return true;
    const MessageAnswer answer = dialogs.showMessage(
        {"読み込んだ「" + project.undecoded.file + "」の" + UndecodedLinesText(project.undecoded.lines) +
             "に、CP932 の文字として読めないバイトがありました。\n"
             "その文字は「?」として書き込まれます。続けてよろしいですか？",
         GetMsg(msg::kTitleConfirm), MessageIcon::Warning, MessageButtons::YesNo});
    return answer == MessageAnswer::Yes;
}

}  // namespace vexa
