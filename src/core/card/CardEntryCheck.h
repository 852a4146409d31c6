#pragma once
// The entry check of control data creation: the card description's rules,
// one row per entry box in the order they are checked (Folder first), and the
// first refusal pointed at its box.
#include "core/model/CardInformation.h"
#include "core/ui/Refusal.h"

#include <array>
#include <cstddef>
#include <string>

namespace vexa {

// What else an entry is checked for, beyond being required and its length.
enum class EntryRuleKind {
    Text,      // required and / or a byte limit
    Folder,    // required, one plain folder name (CardFolderName)
    CardName,  // required, single-byte characters, byte limit, file-name and control characters
    CardSize,  // a capacity must be chosen (a list position ≥ 0)
    Date,      // required and a date
};

struct EntryRule {
    const char* field;                   // the box, by name
    std::string CardInformation::*value;
    EntryRuleKind kind;
    int missing;            // message when empty; 0 when the entry may be empty
    std::size_t maxBytes;   // CP932 bytes; 0 for no limit
    int tooLong;            // message when longer
};

// The rules, in the order the entry check applies them.
inline constexpr std::array<EntryRule, 15> kCardEntryRules = {{
    {"TxtForder", &CardInformation::folder, EntryRuleKind::Folder, msg::kFolderMissing, 0, 0},
    {"TxtCardName", &CardInformation::cardName, EntryRuleKind::CardName, msg::kCardNameMissing, 8,
     msg::kCardNameTooLong},
    {"TxtTitle", &CardInformation::title, EntryRuleKind::Text, msg::kModelMissing, 40, msg::kTooLong20},
    {"TxtCardType", &CardInformation::cardType, EntryRuleKind::Text, 0, 40, msg::kTooLong20},
    {"CmbCardSize", &CardInformation::cardSize, EntryRuleKind::CardSize, msg::kCardSizeMissing, 0, 0},
    {"TxtIn", &CardInformation::in, EntryRuleKind::Text, 0, 40, msg::kTooLong20},
    {"TxtOut", &CardInformation::out, EntryRuleKind::Text, 0, 40, msg::kTooLong20},
    {"TxtBuzzer", &CardInformation::buzzer, EntryRuleKind::Text, 0, 40, msg::kTooLong20},
    {"TxtVoice", &CardInformation::voice, EntryRuleKind::Text, 0, 40, msg::kTooLong20},
    {"TxtEx", &CardInformation::ex, EntryRuleKind::Text, 0, 40, msg::kTooLong20},
    {"TxtPrgCorp", &CardInformation::prgCorp, EntryRuleKind::Text, msg::kCompanyMissing, 40, msg::kTooLong20},
    {"TxtPrgMake", &CardInformation::prgMake, EntryRuleKind::Text, msg::kMakerMissing, 40, msg::kTooLong20},
    {"TxtPrgDate", &CardInformation::prgDate, EntryRuleKind::Date, msg::kDateMissing, 0, 0},
    {"TxtMemo1", &CardInformation::memo1, EntryRuleKind::Text, 0, 160, msg::kTooLong80},
    {"TxtMemo2", &CardInformation::memo2, EntryRuleKind::Text, 0, 160, msg::kTooLong80},
}};

// The first entry that breaks its rule, as a warning titled "確認" pointed at
// its box; empty when every entry passes.
CheckResult CheckCardEntries(const CardInformation& card);

// The refusal of a control file name holding one of the 13 forbidden
// characters: message 2013, the characters each in double quotes joined by
// ",", message 2014.
std::string ForbiddenCharactersText();

}  // namespace vexa
