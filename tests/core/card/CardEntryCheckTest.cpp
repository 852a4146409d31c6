// The entry rules of the creation window: which entry is refused first, with
// which text, and which box gets the focus.
#include "core/card/CardDate.h"
#include "core/card/CardEntryCheck.h"
#include "core/card/CardFolderName.h"
#include "core/config/Messages.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace vexa {
namespace {

CardInformation validCard() {
    CardInformation card;
    card.title = "VX-100";
    card.cardName = "SHOP";
    card.folder = "SHOP";
    card.cardSize = "0";
    card.prgCorp = "見本商店";
    card.prgMake = "見本 太郎";
    card.prgDate = "2004/07/01";
    return card;
}

std::string repeat(const std::string& text, int count) {
    std::string out;
    for (int i = 0; i < count; ++i)
        out += text;
    return out;
}

std::string checked(int message) { return GetMsg(message) + "\n" + GetMsg(msg::kCheckPlease); }

struct EntryCase {
    const char* what;
    std::function<void(CardInformation&)> change;
    std::string field;  // "" when the card passes
    std::string text;
};

TEST(CardEntryCheck, RefusesTheFirstBrokenEntryInCheckOrder) {
    const std::string forbidden = ForbiddenCharactersText();
    const EntryCase cases[] = {
        {"all valid", [](CardInformation&) {}, "", ""},
        {"Folder empty", [](CardInformation& c) { c.folder = ""; }, "TxtForder", GetMsg(msg::kFolderMissing)},
        {"Folder before CardName", [](CardInformation& c) { c.folder = ""; c.cardName = ""; }, "TxtForder",
         GetMsg(msg::kFolderMissing)},
        {"CardName empty", [](CardInformation& c) { c.cardName = ""; }, "TxtCardName",
         GetMsg(msg::kCardNameMissing)},
        {"CardName of eight letters", [](CardInformation& c) { c.cardName = "ABCDEFGH"; }, "", ""},
        {"CardName of nine letters", [](CardInformation& c) { c.cardName = "ABCDEFGHI"; }, "TxtCardName",
         checked(msg::kCardNameTooLong)},
        {"full-width CardName, refused before its length", [](CardInformation& c) { c.cardName = "ＡＢＣＤＥ"; },
         "TxtCardName", GetMsg(msg::kWideCharRefused)},
        {"one full-width letter", [](CardInformation& c) { c.cardName = "AＢ"; }, "TxtCardName",
         GetMsg(msg::kWideCharRefused)},
        {"hyphen in CardName", [](CardInformation& c) { c.cardName = "A-B"; }, "TxtCardName", forbidden},
        {"colon in CardName", [](CardInformation& c) { c.cardName = "A:B"; }, "TxtCardName", forbidden},
        {"length before forbidden characters", [](CardInformation& c) { c.cardName = "ABCDEFGH-"; },
         "TxtCardName", checked(msg::kCardNameTooLong)},
        {"Title empty", [](CardInformation& c) { c.title = ""; }, "TxtTitle", GetMsg(msg::kModelMissing)},
        {"Title of 20 full-width characters", [](CardInformation& c) { c.title = repeat("機", 20); }, "", ""},
        {"Title of 21 full-width characters", [](CardInformation& c) { c.title = repeat("機", 21); }, "TxtTitle",
         checked(msg::kTooLong20)},
        {"Title of 41 ASCII bytes", [](CardInformation& c) { c.title = repeat("x", 41); }, "TxtTitle",
         checked(msg::kTooLong20)},
        {"CardType too long", [](CardInformation& c) { c.cardType = repeat("x", 41); }, "TxtCardType",
         checked(msg::kTooLong20)},
        {"no capacity chosen", [](CardInformation& c) { c.cardSize = "-1"; }, "CmbCardSize",
         GetMsg(msg::kCardSizeMissing)},
        {"capacity empty", [](CardInformation& c) { c.cardSize = ""; }, "CmbCardSize",
         GetMsg(msg::kCardSizeMissing)},
        {"Buzzer is checked before Voice",
         [](CardInformation& c) { c.voice = repeat("x", 41); c.buzzer = repeat("x", 41); }, "TxtBuzzer",
         checked(msg::kTooLong20)},
        {"Ex too long", [](CardInformation& c) { c.ex = repeat("x", 41); }, "TxtEx", checked(msg::kTooLong20)},
        {"PrgCorp empty", [](CardInformation& c) { c.prgCorp = ""; }, "TxtPrgCorp", GetMsg(msg::kCompanyMissing)},
        {"PrgMake too long", [](CardInformation& c) { c.prgMake = repeat("者", 21); }, "TxtPrgMake",
         checked(msg::kTooLong20)},
        {"PrgDate empty", [](CardInformation& c) { c.prgDate = ""; }, "TxtPrgDate", GetMsg(msg::kDateMissing)},
        {"PrgDate not a date", [](CardInformation& c) { c.prgDate = "2004/13/01"; }, "TxtPrgDate",
         checked(msg::kDateInvalid)},
        {"NUL in CardName", [](CardInformation& c) { c.cardName = std::string("AB\0CD", 5); }, "TxtCardName",
         forbidden},
        {"tab in CardName", [](CardInformation& c) { c.cardName = "AB\tCD"; }, "TxtCardName", forbidden},
        {"PrgDate unnormalised but valid", [](CardInformation& c) { c.prgDate = "2004/7/1"; }, "", ""},
        {"Memo1 of 80 full-width characters", [](CardInformation& c) { c.memo1 = repeat("メ", 80); }, "", ""},
        {"Memo2 of 161 bytes", [](CardInformation& c) { c.memo2 = repeat("x", 161); }, "TxtMemo2",
         checked(msg::kTooLong80)},
    };
    for (const EntryCase& c : cases) {
        SCOPED_TRACE(c.what);
        CardInformation card = validCard();
        c.change(card);
        const CheckResult result = CheckCardEntries(card);
        if (c.field.empty()) {
            EXPECT_FALSE(result) << result->text;
            continue;
        }
        ASSERT_TRUE(result);
        EXPECT_EQ(result->field, c.field);
        EXPECT_EQ(result->text, c.text);
        EXPECT_EQ(result->title, msg::kTitleConfirm);
        EXPECT_EQ(result->icon, MessageIcon::Warning);
    }
}

// The Folder entry names one folder directly inside the card data folder:
// nothing that leads elsewhere or that the card would show otherwise.
TEST(CardEntryCheck, TheFolderMustBeOnePlainFolderName) {
    const struct {
        std::string folder;
        NameFault fault;
    } cases[] = {
        {"SHOP", NameFault::None},
        {"店舗 01", NameFault::None},
        {"a.b", NameFault::None},
        {std::string(200, 'x'), NameFault::None},
        {".", NameFault::DotName},
        {"..", NameFault::DotName},
        {"../victim", NameFault::Separator},
        {"../..", NameFault::Separator},
        {"a/b", NameFault::Separator},
        {"/etc", NameFault::Separator},
        {"..\\x", NameFault::Separator},
        {std::string("A\0B", 3), NameFault::ControlCharacter},
        {"A\nB", NameFault::ControlCharacter},
        {"A\x7f", NameFault::ControlCharacter},
        {" SHOP", NameFault::EdgeSpaceOrDot},
        {"SHOP ", NameFault::EdgeSpaceOrDot},
        {"\u3000SHOP", NameFault::EdgeSpaceOrDot},
        {".hidden", NameFault::EdgeSpaceOrDot},
        {"SHOP.", NameFault::EdgeSpaceOrDot},
        {"...", NameFault::EdgeSpaceOrDot},
        {std::string(201, 'x'), NameFault::TooLong},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.folder);
        EXPECT_EQ(PlainNameFault(c.folder), c.fault);
        CardInformation card = validCard();
        card.folder = c.folder;
        card.cardName = "";  // the Folder is checked first
        const CheckResult result = CheckCardEntries(card);
        ASSERT_TRUE(result);
        if (c.fault == NameFault::None) {
            EXPECT_EQ(result->field, "TxtCardName");
            continue;
        }
        EXPECT_EQ(result->field, "TxtForder");
        EXPECT_EQ(result->text, FolderNameRefusalText(c.fault) + "\n" + GetMsg(msg::kCheckPlease));
        EXPECT_EQ(result->icon, MessageIcon::Warning);
    }
}

TEST(CardEntryCheck, ForbiddenCharacterMessageListsTheThirteenQuoted) {
    EXPECT_EQ(ForbiddenCharactersText(),
              "コントロールファイル名には\"-\",\"(\",\")\",\"[\",\"]\",\"<\",\">\",\"\\\",\"/\",\"|\",\"*\",\"?\","
              "\":\"は使用できません。　　");
}

TEST(CardDate, LeavingTheDateBoxRewritesValidDatesOnly) {
    const struct {
        const char* typed;
        const char* shown;  // what the box holds afterwards
        bool valid;
    } cases[] = {
        {"2004/7/1", "2004/07/01", true},   {"2004/07/01", "2004/07/01", true}, {" 2004-7-1 ", "2004/07/01", true},
        {"2004.12.31", "2004/12/31", true}, {"2004/2/29", "2004/02/29", true},  {"2000/2/29", "2000/02/29", true},
        {"1900/2/29", "1900/2/29", false},  {"2003/2/29", "2003/2/29", false},  {"2004/4/31", "2004/4/31", false},
        {"2004/0/1", "2004/0/1", false},    {"2004/13/1", "2004/13/1", false},  {"2004/7-1", "2004/7-1", false},
        {"04/7/1", "04/7/1", false},        {"2004/7/1x", "2004/7/1x", false},  {"2004/007/1", "2004/007/1", false},
        {"", "", false},                    {"令和元年", "令和元年", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        EXPECT_EQ(NormalizeCardDate(c.typed), c.shown);
        EXPECT_EQ(ParseCardDate(c.typed).has_value(), c.valid);
    }
}

}  // namespace
}  // namespace vexa
