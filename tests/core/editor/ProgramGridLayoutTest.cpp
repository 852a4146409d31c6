// Layout of the programme grid: rows for the Line Count, headers, colours,
// set-up values, the choice lists, which cells open an editor, and the
// transfers of lines between the grid and a sheet.
#include "GridFixture.h"

#include "core/editor/GridColumns.h"

namespace vexa {
namespace {
using test::rowOf;

class GridLayout : public test::GridFixture {};

TEST_F(GridLayout, RowCountAndUsableRowsFollowTheLineCount) {
    struct Case {
        int lineCount;
        int rows;
        int firstGreyRow;  // rows from here on are grey; == rows when none
    };
    const Case cases[] = {
        {30, 97, 32},  {95, 97, 97}, {255, 257, 257}, {0, 97, 2},
        {1, 97, 3},
        {120, 122, 122},  // a Line Count the 97 rows cannot hold gets its rows
        {256, 258, 258},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lineCount);
        grid.setup(c.lineCount);
        ASSERT_EQ(grid.rowCount(), c.rows);
        for (int row = 2; row < c.rows; ++row) {
            const bool usable = row < c.firstGreyRow;
            ASSERT_EQ(grid.isUsableRow(row), usable) << row;
            EXPECT_EQ(grid.shade(row, 3), usable ? CellShade::White : CellShade::Grey) << row;
            EXPECT_EQ(grid.isEditable(row, gridcol::kSelect), usable) << row;
        }
        if (c.firstGreyRow < c.rows) {  // grey rows have no content
            EXPECT_EQ(grid.text(c.firstGreyRow, 0), "");
            EXPECT_EQ(grid.text(c.rows - 1, gridcol::kTime), "");
            EXPECT_EQ(grid.picture(c.firstGreyRow, gridcol::kSoundPicture), StatePicture::None);
        }
    }
}

TEST_F(GridLayout, HeaderRowsAndMergedGroups) {
    grid.setup(30);
    const std::vector<std::string> row1 = {"No.", "",    "TIME", "S",    "R",   " 1 ", " 2 ", " 3 ",
                                           " 4 ", " 5 ", " 6 ",  " 7 ",  " 8 ", "",    "TYPE", "TIME",
                                           "",    "TYPE", "TIME", " 1 ", " 2 ", " 3 ", " 4 "};
    for (int c = 0; c < gridcol::kCount; ++c)
        EXPECT_EQ(grid.text(1, c), row1[static_cast<std::size_t>(c)]) << c;
    const std::vector<HeaderGroup> groups = {
        {0, 0, ""}, {1, 12, "SOUND"}, {13, 15, "LED"}, {16, 18, "BUZZER"}, {19, 22, "EX"}};
    EXPECT_EQ(TopHeaderGroups(), groups);
    EXPECT_EQ(grid.text(0, 7), "SOUND");
    EXPECT_EQ(grid.shade(0, 5), CellShade::Header);

    int totalTwips = 0;
    for (const GridColumn& column : GridColumns())
        totalTwips += column.widthTwips;
    EXPECT_EQ(totalTwips, 20670);
    EXPECT_EQ(gridColumn(gridcol::kVoice1).widthTwips, 1510);
    EXPECT_EQ(twipsToPixels(gridColumn(gridcol::kNumber).widthTwips), 36);
}

TEST_F(GridLayout, SetupValuesPicturesAndColoursOfAUsableLine) {
    grid.setup(95);
    const int row = rowOf(8);
    const std::vector<std::string> expected = {"09", "",  "0.0", "1", "1", "", "", "", "", "", "", "",
                                               "",   "",  "0",   "0.0", "", "0", "0.0", "0", "0", "0", "0"};
    for (int c = 0; c < gridcol::kCount; ++c)
        EXPECT_EQ(grid.text(row, c), expected[static_cast<std::size_t>(c)]) << c;
    EXPECT_EQ(grid.text(rowOf(94), 0), "95");
    for (int c : {1, 13, 16})
        EXPECT_EQ(grid.picture(row, c), StatePicture::Idle) << c;
    EXPECT_EQ(grid.picture(row, 2), StatePicture::None);
    for (int c = 0; c < gridcol::kCount; ++c)
        EXPECT_EQ(grid.shade(row, c), c >= 13 ? CellShade::Pink : CellShade::White) << c;
}

TEST_F(GridLayout, EditableCells) {
    grid.setup(10);
    const int row = rowOf(0);
    // Sound Present 0: voices closed, the rest from column 3 on except pictures.
    for (int c = 0; c < gridcol::kCount; ++c) {
        const bool expected = c >= 3 && c != 13 && c != 16 && !isVoiceColumn(c);
        EXPECT_EQ(grid.isEditable(row, c), expected) << c;
    }
    addSound("a.wav", 1000);
    for (int c = 5; c <= 12; ++c)
        EXPECT_TRUE(grid.isEditable(row, c)) << c;
    EXPECT_FALSE(grid.isEditable(rowOf(10), 5));  // grey
    EXPECT_FALSE(grid.isEditable(1, 5));           // header
    EXPECT_FALSE(grid.isEditable(row, gridcol::kTime));
    EXPECT_EQ(ProgramGrid::maxLength(15), 5);
    EXPECT_EQ(ProgramGrid::maxLength(18), 5);
    EXPECT_EQ(ProgramGrid::maxLength(14), 0);
    EXPECT_EQ(ProgramGrid::maxLength(5), 0);
}

TEST_F(GridLayout, ElementListsComeFromTheElementPatternFileWithTheirBases) {
    writeElements("LedType=なし,点灯,点滅A\nBuzzerType=OFF,ON\nSelect=順次,ランダム\nRepeat=1回,2回\nEx=OFF,ON\n");
    grid.setup(5);
    EXPECT_EQ(grid.choices(gridcol::kSelect).text(), "#1;順次|#2;ランダム");
    EXPECT_EQ(grid.choices(gridcol::kRepeat).text(), "#1;1回|#2;2回");
    EXPECT_EQ(grid.choices(gridcol::kLedType).text(), "#0;なし|#1;点灯|#2;点滅A");
    EXPECT_EQ(grid.choices(gridcol::kBuzzerType).text(), "#0;OFF|#1;ON");
    for (int c = gridcol::kEx1; c <= gridcol::kEx4; ++c)
        EXPECT_EQ(grid.choices(c).text(), "#0;OFF|#1;ON") << c;
    EXPECT_TRUE(grid.choices(gridcol::kLedTime).empty());
    EXPECT_TRUE(grid.choices(gridcol::kTime).empty());

    // The cell holds the number and shows the name; an unknown number shows itself.
    const int row = rowOf(0);
    EXPECT_EQ(grid.text(row, gridcol::kLedType), "0");
    EXPECT_EQ(grid.displayText(row, gridcol::kLedType), "なし");
    EXPECT_EQ(grid.displayText(row, gridcol::kSelect), "順次");
    setText(row, gridcol::kLedType, "2");
    EXPECT_EQ(grid.displayText(row, gridcol::kLedType), "点滅A");
    setText(row, gridcol::kLedType, "7");
    EXPECT_EQ(grid.displayText(row, gridcol::kLedType), "7");
    EXPECT_EQ(grid.displayText(row, gridcol::kLedTime), "0.0");
}

TEST_F(GridLayout, MissingElementFileGivesOneBlankItemAndKeepsSetupValues) {
    grid.setup(5);  // no file written
    EXPECT_EQ(grid.choices(gridcol::kSelect).items(), (std::vector<ChoiceItem>{{"1", ""}}));
    EXPECT_EQ(grid.choices(gridcol::kEx1).items(), (std::vector<ChoiceItem>{{"0", ""}}));
    EXPECT_EQ(grid.text(rowOf(0), gridcol::kSelect), "1");
    EXPECT_EQ(grid.displayText(rowOf(0), gridcol::kSelect), "");
}

TEST_F(GridLayout, VoiceListFollowsTheSoundTable) {
    grid.setup(5);
    EXPECT_TRUE(grid.choices(gridcol::kVoice1).empty());  // Sound Present 0
    addSound("a.wav", 1000);
    addSound("b.wav", 2000);
    EXPECT_EQ(grid.choices(gridcol::kVoice1).text(), " |a.wav|b.wav");
    EXPECT_EQ(grid.choices(gridcol::kVoice8).items()[0], (ChoiceItem{" ", " "}));
    addSound("c.wav", 2000);  // no rebuild needed: the list is read from the table
    EXPECT_EQ(grid.choices(gridcol::kVoice1).items().size(), 4u);
    changeProject([](Project& p) { p.soundPresent = false; });
    EXPECT_TRUE(grid.choices(gridcol::kVoice1 + 2).empty());
}

TEST_F(GridLayout, TheUsableRowsShowTheProjectsLinesAsTheyAre) {
    grid.setup(3);
    ProgramSheet sheet;
    for (int i = 0; i < kLineSlots; ++i)
        sheet.lines[static_cast<std::size_t>(i)].select = std::to_string(i);
    ProgramLine& l = sheet.lines[1];
    l = {"2", "3", "1", "abc", "2", "4.5", {"a.wav", "", "x.wav"}, "9.9", {"1", "0", "1", "0"}};
    changeProject([&sheet](Project& p) { p.sheets[0] = sheet; });
    const int row = rowOf(1);
    EXPECT_EQ(grid.text(row, gridcol::kLedTime), "abc");  // no formatting on show
    EXPECT_EQ(grid.text(row, gridcol::kVoice1 + 2), "x.wav");
    EXPECT_EQ(grid.text(row, gridcol::kTime), "9.9");
    EXPECT_EQ(grid.text(row, gridcol::kNumber), "02");  // not part of the lines
    EXPECT_EQ(grid.text(rowOf(2), gridcol::kSelect), "2");

    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(grid.lineAt(rowOf(i)), sheet.lines[static_cast<std::size_t>(i)]) << i;
    EXPECT_EQ(grid.text(rowOf(3), gridcol::kSelect), "");  // beyond the Line Count: nothing shown
    EXPECT_EQ(grid.text(rowOf(3), gridcol::kNumber), "");
}

TEST(GridColumnsTable, KindsOfTheColumns) {
    EXPECT_EQ(gridColumn(gridcol::kTime).kind, ColumnKind::LineTime);
    for (int c : {3, 4, 14, 17, 19, 20, 21, 22})
        EXPECT_EQ(gridColumn(c).kind, ColumnKind::Choice) << c;
    for (int c : {1, 13, 16})
        EXPECT_EQ(gridColumn(c).kind, ColumnKind::Picture) << c;
    for (int c : {15, 18})
        EXPECT_EQ(gridColumn(c).kind, ColumnKind::OutputTime) << c;
    EXPECT_EQ(gridColumn(gridcol::kSelect).base, 1);
    EXPECT_EQ(gridColumn(gridcol::kEx4).base, 0);
}

}  // namespace
}  // namespace vexa
