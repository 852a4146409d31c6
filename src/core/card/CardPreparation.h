#pragma once
// Everything control data creation decides before it touches a file: the
// entries copied into the Card Information, the sheet check, the entry check
// and the card data folder; the result says which of them stopped it or
// gives the card to create.
#include "core/card/CardJob.h"
#include "core/ui/Refusal.h"
#include "core/ui/UserDialogs.h"

#include <optional>
#include <string>
#include <vector>

namespace vexa {

// What the creation window shows when it opens: the Card Information, with
// the capacity class of the registered WAVE files as CardSize when none is
// stored and the CardName setting when the CardName is empty.
CardInformation CardEntriesOnOpening(const Project& project, const Settings& settings);

// The Card Information as creation writes it: the entries, with the reserved
// text "" and the reserved number "0".
CardInformation CardInformationToWrite(CardInformation entries);

enum class CardCheckOutcome {
    SheetErrors,            // the error list is shown, the creation window closes
    EntryRefused,           // the refusal is shown and its box gets the focus
    NoCardDataFolder,       // no CardPath, or one that is not a folder: the refusal (2070)
                            // is shown, the creation window closes
    CardDataFolderMissing,  // nothing of that name yet: offered for creation (OfferCardDataFolder)
    Ready,
};

struct CardCheck {
    CardCheckOutcome outcome = CardCheckOutcome::Ready;
    std::vector<std::string> sheetErrors;
    CheckResult refusal;
    std::string cardDataFolder;  // the CardPath checked
    std::optional<CardJob> job;
};

// Checks `project` (whose Card Information holds the entries) in the order
// creation does: sheets, entries, the card data folder of `settings`.
CardCheck CheckCardCreation(const Project& project, const Settings& settings);

// The question of a card data folder that does not exist at creation, as the
// settings window asks it, with the folder named (it is not in view):
// 2047, "コントロールデータ格納フォルダ：" and the folder, then 2085; Yes/No,
// warning icon, title 2002.
MessageRequest CardDataFolderQuestion(const std::string& folder);

// Asks CardDataFolderQuestion once. Yes creates every missing level: none
// when it is there afterwards, else 2807 with the folder named. No gives a
// refusal without text (nothing more to show).
CheckResult OfferCardDataFolder(const std::string& folder, UserDialogs& dialogs);

// The folder line of the question and of the creation failure.
std::string CardDataFolderLine(const std::string& folder);

}  // namespace vexa
