#include "core/card/CardPreparation.h"

#include "core/card/CapacityClass.h"
#include "core/card/CardEntryCheck.h"
#include "core/card/SheetCheck.h"
#include "core/config/Messages.h"
#include "core/files/MakeDir.h"

#include <system_error>

namespace vexa {

CardInformation CardEntriesOnOpening(const Project& project, const Settings& settings) {
    CardInformation entries = project.card;
    if (entries.cardSize.empty())
        entries.cardSize = std::to_string(CapacityOf(TotalSoundBytes(project)).position);
    if (entries.cardName.empty())
        entries.cardName = settings.cardName;
    return entries;
}

CardInformation CardInformationToWrite(CardInformation entries) {
    entries.reservedText.clear();
    entries.reservedNumber = std::string(1, '0');  // not = "0": a false -Wrestrict of GCC 12
    return entries;
}

CardCheck CheckCardCreation(const Project& project, const Settings& settings) {
    CardCheck check;
    check.sheetErrors = SheetErrors(project, settings);
    if (!check.sheetErrors.empty()) {
        check.outcome = CardCheckOutcome::SheetErrors;
        return check;
    }
    if ((check.refusal = CheckCardEntries(project.card))) {
        check.outcome = CardCheckOutcome::EntryRefused;
        return check;
    }
    check.cardDataFolder = settings.cardPath;
    std::error_code error;
    if (!std::filesystem::is_directory(settings.cardPath, error)) {
        // A name that is not there at all can be made; anything else (no
        // name, a file, a folder that cannot be looked into) is the
        // setting's fault.
        const bool absent = !settings.cardPath.empty() &&
                            !std::filesystem::exists(std::filesystem::symlink_status(settings.cardPath, error)) &&
                            error == std::errc::no_such_file_or_directory;
        check.outcome = absent ? CardCheckOutcome::CardDataFolderMissing : CardCheckOutcome::NoCardDataFolder;
        if (!absent)
            check.refusal = Refusal::warning(msg::kNoCardDataFolder);
        return check;
    }
    check.job = CardJob{project, settings, settings.cardPath, project.card.folder,
                        CardFolderPath(settings.cardPath, project.card.folder),
                        ControlFileName(project.card.cardName), CardSounds(project)};
    return check;
}

std::string CardDataFolderLine(const std::string& folder) { return "コントロールデータ格納フォルダ：" + folder; }

MessageRequest CardDataFolderQuestion(const std::string& folder) {
    return {GetMsg(msg::kFolderNotFound) + "\n" + CardDataFolderLine(folder) + "\n" +
                GetMsg(msg::kCreateFolderQuestion),
            GetMsg(msg::kTitleConfirm), MessageIcon::Warning, MessageButtons::YesNo};
}

CheckResult OfferCardDataFolder(const std::string& folder, UserDialogs& dialogs) {
    if (dialogs.showMessage(CardDataFolderQuestion(folder)) != MessageAnswer::Yes)
        return Refusal{};
    if (!MakeDir(folder))
        return Refusal::warning(msg::kFolderNotCreated, "\n" + CardDataFolderLine(folder));
    return std::nullopt;
}

}  // namespace vexa
