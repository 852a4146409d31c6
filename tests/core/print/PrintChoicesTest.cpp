// The boxes of the print selection: PrtSheet read and written, the refusal
// when nothing is chosen, and the report names of `vexa print`.
#include "TestPaths.h"
#include "core/config/ConfigurationFile.h"
#include "core/config/Messages.h"
#include "core/print/PrintChoices.h"

#include <gtest/gtest.h>

namespace vexa::print {
namespace {

TEST(PrintChoices, PrtSheetItemsCheckTheirBoxes) {
    const struct {
        const char* text;
        PrintChoices choices;
    } cases[] = {
        {"", {}},
        {"1,0,0,0,1", {true, false, false, false, true}},
        {"1,1,1,1,1", {true, true, true, true, true}},
        {"1,1", {true, true, false, false, false}},  // missing items
        {"1,x,,1.0, 1 ", {true, false, false, true, true}},  // non-numeric and empty items
        {"2,-1,0,1,1,1", {false, false, false, true, true}},  // only 1 checks; a sixth item is ignored
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParsePrtSheet(c.text), c.choices) << c.text;
    EXPECT_EQ(PrtSheetText({true, false, false, true, true}), "1,0,0,1,1");
    EXPECT_EQ(PrtSheetText({}), "0,0,0,0,0");
}

TEST(PrintChoices, WrittenThroughTheConfigurationFileAndReadBack) {
    test::TempDir temp;
    const auto file = temp / "vexacontrol.ini";
    EXPECT_EQ(ReadPrintChoices(file), PrintChoices{});  // no file: nothing checked
    test::writeBytes(file, "[System]\r\nMaxLine=95\r\n[UserData]\r\nName=x\r\n");
    EXPECT_EQ(ReadPrintChoices(file), PrintChoices{});  // no key
    ASSERT_TRUE(WritePrintChoices(file, {true, false, false, false, true, true}));
    EXPECT_EQ(ReadPrintChoices(file), (PrintChoices{true, false, false, false, true, true}));
    // PrtSheet keeps its five items; the week table has a key of its own.
    EXPECT_EQ(ReadConfigurationValue(file, "System", "PrtSheet"), "1,0,0,0,1");
    EXPECT_EQ(ReadConfigurationValue(file, "System", "PrtWeek"), "1");
    EXPECT_EQ(ReadConfigurationValue(file, "System", "MaxLine"), "95");
    EXPECT_EQ(ReadConfigurationValue(file, "UserData", "Name"), "x");
}

TEST(PrintChoices, NothingCheckedIsRefusedWith2079) {
    const CheckResult refused = CheckPrintChoices({});
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->text, GetMsg(msg::kNothingToPrint));
    EXPECT_EQ(refused->title, msg::kTitleConfirm);
    EXPECT_EQ(refused->icon, MessageIcon::Warning);
    EXPECT_FALSE(CheckPrintChoices({false, false, false, false, true}));
}

TEST(PrintChoices, BoxesInScreenOrder) {
    const auto order = ScreenOrder();
    EXPECT_EQ(order, (std::array<int, kReportCount>{4, 0, 1, 2, 3, 5}));
    EXPECT_STREQ(kPrintBoxes[5].caption, "週間表");
    EXPECT_STREQ(kPrintBoxes[static_cast<std::size_t>(order[0])].caption, "ユーザー情報");
}

TEST(PrintChoices, ReportNamesOfTheCommandLine) {
    std::string unknown;
    EXPECT_EQ(ParseReportNames("user,editor", unknown), (PrintChoices{true, false, false, false, true, false}));
    EXPECT_EQ(ParseReportNames("week", unknown), (PrintChoices{false, false, false, false, false, true}));
    EXPECT_EQ(ParseReportNames("card,patterns,sounds", unknown), (PrintChoices{false, true, true, true, false, false}));
    EXPECT_EQ(ParseReportNames("", unknown), PrintChoices{});
    EXPECT_FALSE(ParseReportNames("editor,sheet", unknown));
    EXPECT_EQ(unknown, "sheet");
    EXPECT_FALSE(ParseReportNames("editor,", unknown));
    EXPECT_EQ(unknown, "");
}

}  // namespace
}  // namespace vexa::print
