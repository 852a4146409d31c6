#include "core/settings/SettingsChecks.h"

#include "core/config/Messages.h"
#include "core/files/MakeDir.h"
#include "core/settings/NumberBoxes.h"
#include "core/settings/SettingsBoxes.h"
#include "core/settings/SettingsDraft.h"
#include "core/text/NumberFormat.h"

#include <filesystem>
#include <system_error>

namespace vexa {
namespace {

CheckResult checkPatternTime(const std::string& text, const PatternBox& box) {
    const auto number = numfmt::parseNumber(text);
    if (!number)
        return Refusal::warning(msg::kEnterNumber).at(box.name);
    // In single precision, as the boxes are read: "99.9" is inside the range.
    const float value = static_cast<float>(*number);
    if (!(value > 0.0f && value <= static_cast<float>(kPatternTimeMaximum)))
        return Refusal::warning(box.output == PatternOutput::Led ? msg::kLedPatternRange : msg::kBuzzerPatternRange)
            .at(box.name);
    return std::nullopt;
}

}  // namespace

CheckResult CheckPatternTimes(const PatternTimes& boxes) {
    for (const PatternBox& box : kPatternBoxes)
        if (CheckResult refusal = checkPatternTime(PatternText(boxes, box), box))
            return refusal;
    return std::nullopt;
}

CheckResult CheckCardDataFolder(const std::string& text, UserDialogs& dialogs,
                                const std::function<void()>& beforeQuestion) {
    const std::string folder = TrimmedBoxText(text);
    if (folder.empty())
        return Refusal::warning(msg::kCardPathMissing).at(kCardPathField);
    std::error_code error;
    if (std::filesystem::is_directory(folder, error))
        return std::nullopt;
    if (beforeQuestion)
        beforeQuestion();
    const MessageRequest question{GetMsg(msg::kFolderNotFound) + "\n" + GetMsg(msg::kCreateFolderQuestion),
                                  GetMsg(msg::kTitleConfirm), MessageIcon::Warning, MessageButtons::YesNo};
    if (dialogs.showMessage(question) != MessageAnswer::Yes)
        return Refusal{}.at(kCardPathField);
    if (!MakeDir(folder))
        return Refusal::warning(msg::kFolderNotCreated).at(kCardPathField);
    return std::nullopt;
}

bool ConfirmCloseSettings(UserDialogs& dialogs, bool changed) {
    return !changed || AskYesNo(dialogs, msg::kDiscardDetailsQuestion);
}

}  // namespace vexa

