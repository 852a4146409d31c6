#include "card/CardPreparation.h"

#include "card/CapacityClass.h"
#include "card/CardEntryCheck.h"
#include "card/SheetCheck.h"

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
    std::error_code error;
    if (!std::filesystem::is_directory(settings.cardPath, error)) {
        check.outcome = CardCheckOutcome::NoCardDataFolder;
        check.refusal = Refusal::warning(msg::kNoCardDataFolder);
        return check;
    }
    check.job = CardJob{project, settings, settings.cardPath, project.card.folder,
                        CardFolderPath(settings.cardPath, project.card.folder),
                        ControlFileName(project.card.cardName), CardSounds(project)};
    return check;
}

}  // namespace vexa
