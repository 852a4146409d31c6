#include "core/card/CardEntryCheck.h"

#include "core/card/CardDate.h"
#include "core/card/CardFolderName.h"
#include "core/config/Messages.h"
#include "core/text/NumberFormat.h"
#include "core/text/TextRules.h"

namespace vexa {
namespace {

// The forbidden file-name characters in the order the message lists them.
constexpr const char* kForbiddenCharacters[] = {"-", "(", ")", "[", "]", "<", ">", "\\", "/", "|", "*", "?", ":"};

// A length or date refusal is followed by a line asking the user to check.
Refusal withCheckLine(int message, const char* field) {
    return Refusal::warning(message, "\n" + GetMsg(msg::kCheckPlease)).at(field);
}

bool cardSizeChosen(const std::string& text) {
    const auto position = numfmt::parseNumber(text);
    return position && *position >= 0;
}

CheckResult checkRule(const EntryRule& rule, const std::string& text) {
    if (rule.kind == EntryRuleKind::CardSize)
        return cardSizeChosen(text) ? CheckResult{} : Refusal::warning(rule.missing).at(rule.field);
    if (text.empty())
        return rule.missing != 0 ? Refusal::warning(rule.missing).at(rule.field) : CheckResult{};
    if (rule.kind == EntryRuleKind::CardName && HasWideChar(text))
        return Refusal::warning(msg::kWideCharRefused).at(rule.field);
    if (rule.maxBytes != 0 && ByteLength(text) > rule.maxBytes)
        return withCheckLine(rule.tooLong, rule.field);
    if (rule.kind == EntryRuleKind::Folder) {
        const NameFault fault = PlainNameFault(text);
        if (fault == NameFault::None)
            return {};
        Refusal refusal = Refusal::warning(msg::kFolderMissing).at(rule.field);
        refusal.text = FolderNameRefusalText(fault) + "\n" + GetMsg(msg::kCheckPlease);
        return refusal;
    }
    if (rule.kind == EntryRuleKind::CardName && (!IsValidFileName(text) || HasControlCharacter(text))) {
        Refusal refusal = Refusal::warning(msg::kForbiddenCharsHead).at(rule.field);
        refusal.text = ForbiddenCharactersText();
        return refusal;
    }
    if (rule.kind == EntryRuleKind::Date && !ParseCardDate(text))
        return withCheckLine(msg::kDateInvalid, rule.field);
    return {};
}

}  // namespace

CheckResult CheckCardEntries(const CardInformation& card) {
    for (const EntryRule& rule : kCardEntryRules)
        if (CheckResult refusal = checkRule(rule, card.*rule.value))
            return refusal;
    return {};
}

std::string ForbiddenCharactersText() {
    std::string list;
    for (const char* character : kForbiddenCharacters) {
        if (!list.empty())
            list += ",";
        list += std::string("\"") + character + "\"";
    }
    return GetMsg(msg::kForbiddenCharsHead) + list + GetMsg(msg::kForbiddenCharsTail);
}

}  // namespace vexa
