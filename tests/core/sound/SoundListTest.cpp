// The sound registration rules on the window's copy of the list: registering
// with every refusal and message, the totals and their displays, delete,
// delete all, moves, the comment check, closing without OK, and OK as one
// undoable step of the Document.
#include "core/sound/SoundList.h"

#include "core/config/Messages.h"
#include "core/document/Document.h"
#include "core/sound/InspectForRegistration.h"
#include "core/document/Edits.h"
#include "core/sound/WaveInspection.h"

#include "ScriptedDialogs.h"
#include "TestPaths.h"
#include "WaveFileBytes.h"

#include <gtest/gtest.h>

namespace vexa {
namespace {

using test::ScriptedDialogs;

struct WaveSpec {
    std::string name;
    std::uint16_t channels = 1;
    std::uint32_t rate = 22050;
    std::uint16_t bits = 16;
    std::uint32_t dataBytes = 22050;  // 0.5 s of 22050 Hz 16-bit mono
};

SoundEntry entryNamed(const std::string& name, const std::string& length = "1.000", const std::string& size = "100") {
    return {name, "22.05KHz", "16bit", "Mono", length, size, "/sounds/" + name, ""};
}

Project projectWith(int entries, const std::string& size = "100") {
    Project p;
    p.sounds.clear();
    for (int i = 1; i <= entries; ++i)
        p.sounds.push_back(entryNamed("S" + std::to_string(i) + ".WAV", "1.000", size));
    p.soundPresent = entries > 0;
    if (p.sounds.empty())
        p.sounds.resize(1);
    return p;
}

std::vector<std::string> names(const SoundList& list) {
    std::vector<std::string> out;
    for (int r = 1; r <= list.count(); ++r)
        out.push_back(list.cell(r, soundcol::kName));
    return out;
}

class SoundRegistration : public ::testing::Test {
protected:
    test::TempDir dir;
    ScriptedDialogs dialogs;

    std::string make(const WaveSpec& spec, const std::string& folder = "") {
        const auto where = folder.empty() ? dir.path() : dir.path() / folder;
        std::filesystem::create_directories(where);
        const auto path = where / spec.name;
        test::writeBytes(path, test::pcmWave(spec.channels, spec.rate, spec.bits, spec.dataBytes));
        return path.string();
    }

    // Inspection and registration, as the window runs them.
    RegistrationResult add(SoundList& list, const std::vector<std::string>& paths, bool stereo = false) {
        NoProgress progress;
        const InspectionRun run = InspectForRegistration(paths, stereo, progress);
        return list.registerChecked(run.checks, dialogs, run.complete);
    }
};

TEST_F(SoundRegistration, CasesOfTheRegistrationRules) {
    const std::string duplicateText = GetMsg(2042) + "a.wav" + GetMsg(2043);
    struct Case {
        const char* what;
        int entriesBefore;
        std::string sizeBefore;
        std::vector<WaveSpec> files;
        std::vector<std::string> messages;
        int countAfter;
        std::vector<std::string> firstNames;  // of the rows after the earlier entries
        bool changed;
    };
    const std::vector<Case> cases = {
        {"a name already listed, in any case, is skipped with its message", 0, "100",
         {{"A.WAV"}, {"a.wav"}, {"B.WAV"}}, {duplicateText}, 2, {"A.WAV", "B.WAV"}, true},
        {"a stereo file stops the batch; the file before it stays", 0, "100",
         {{"ONE.WAV"}, {"TWO.WAV", 2}, {"THREE.WAV"}}, {"「TWO.WAV」\n" + GetMsg(2805)}, 1, {"ONE.WAV"}, true},
        {"a rate the device does not play stops with 2806", 0, "100", {{"R.WAV", 1, 48000}}, {"「R.WAV」\n" + GetMsg(2806)}, 0, {},
         false},
        {"a 24-bit file fails the header scan: 2811", 0, "100", {{"DEEP.WAV", 1, 22050, 24}}, {"「DEEP.WAV」\n" + GetMsg(2811)}, 0, {},
         false},
        {"a 13-byte name stops with a warning naming the file; the next is not examined", 0, "100",
         {{"ABCDEFGHI.WAV"}, {"NEXT.WAV"}}, {FileNameRefusal("ABCDEFGHI.WAV").text}, 0, {}, false},
        {"with 254 entries one of three files finds room, then 2041", 254, "100",
         {{"X1.WAV"}, {"X2.WAV"}, {"X3.WAV"}}, {GetMsg(2041)}, 255, {"X1.WAV"}, true},
        {"the sizes may not pass 2147483647 bytes: 2108", 1, "2147483600", {{"BIG.WAV"}}, {GetMsg(2108)}, 1, {},
         false},
    };
    int folder = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        dialogs.shown.clear();
        SoundList list = SoundList::FromProject(projectWith(c.entriesBefore, c.sizeBefore));
        std::vector<std::string> paths;
        for (const WaveSpec& spec : c.files)  // each file in a folder of its own
            paths.push_back(make(spec, "f" + std::to_string(folder++)));
        add(list, paths);
        EXPECT_EQ(dialogs.texts(), c.messages);
        EXPECT_EQ(list.count(), c.countAfter);
        for (std::size_t i = 0; i < c.firstNames.size(); ++i)
            EXPECT_EQ(list.cell(c.entriesBefore + 1 + static_cast<int>(i), soundcol::kName), c.firstNames[i]);
        EXPECT_EQ(list.changed(), c.changed);
        EXPECT_EQ(list.tableChanged(), c.changed);
    }
}

TEST_F(SoundRegistration, RowsShowTheFileAndTheTotalsFollow) {
    SoundList list;
    const auto result = add(list, {make({"A.WAV", 1, 22050, 16, 44100}), make({"B.WAV", 2, 11025, 8, 11026}),
                                   make({"C.WAV", 1, 12800, 16, 12800}), make({"D.WAV", 1, 44100, 16, 88200})},
                            true);
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(result, (RegistrationResult{4, false, 4}));
    EXPECT_EQ(list.currentRow(), 4);
    const std::vector<std::vector<std::string>> rows = {
        {"001", "A.WAV", "", "22.05KHz", "16bit", "Mono", "1.000", "44144"},
        {"002", "B.WAV", "", "11.025KHz", "8bit", "Stereo", "0.500", "11070"},
        {"003", "C.WAV", "", "12.8KHz", "16bit", "Mono", "0.500", "12844"},
        {"004", "D.WAV", "", "44.1KHz", "16bit", "Mono", "1.000", "88244"},
    };
    for (int r = 1; r <= 4; ++r)
        for (int c = 0; c < soundcol::kPath; ++c)
            EXPECT_EQ(list.cell(r, c), rows[static_cast<std::size_t>(r - 1)][static_cast<std::size_t>(c)])
                << r << "," << c;
    EXPECT_EQ(list.cell(1, soundcol::kPath), (dir / "A.WAV").string());
    EXPECT_EQ(list.totalLength(), 3000);
    EXPECT_EQ(list.timeDisplay(), "3.000秒");
    EXPECT_EQ(list.sizeDisplay(), "156302バイト");
    EXPECT_EQ(list.cell(0, soundcol::kComment), "COMENTS");
    EXPECT_EQ(list.cell(5, soundcol::kNo), "");
}

TEST_F(SoundRegistration, AFileThatCannotBeMeasuredShowsMinusOneMillisecond) {
    const auto path = dir / "NODATA.WAV";
    test::writeBytes(path, test::riff(test::chunk("fmt ", test::pcmFormat(1, 22050, 16)) + test::chunk("LIST", "x")) +
                               std::string(40, '\0') + "data");
    SoundList list;
    add(list, {path.string()});
    ASSERT_EQ(list.count(), 1) << (dialogs.shown.empty() ? "" : dialogs.shown[0].text);
    EXPECT_EQ(list.cell(1, soundcol::kSec), "-0.001");
    EXPECT_EQ(list.totalLength(), -1);
}

TEST_F(SoundRegistration, OpeningShowsTheProjectsTableAndItsTotals) {
    Project p = projectWith(2);
    p.sounds[0].length = "12.000";
    p.sounds[1].length = "0.500";
    p.sounds[1].size = "3980";
    const SoundList list = SoundList::FromProject(p);
    EXPECT_EQ(names(list), (std::vector<std::string>{"S1.WAV", "S2.WAV"}));
    EXPECT_EQ(list.totalLength(), 12500);
    EXPECT_EQ(list.timeDisplay(), "12.5秒");
    EXPECT_EQ(list.sizeDisplay(), "4080バイト");
    EXPECT_FALSE(list.changed());

    p.soundPresent = false;  // after New the entries stay but are not shown
    const SoundList hidden = SoundList::FromProject(p);
    EXPECT_EQ(hidden.count(), 0);
    EXPECT_EQ(hidden.timeDisplay(), "");
}

TEST(SoundList, DeletingRenumbersAndLowersTheTotals) {
    Project p = projectWith(5);
    p.sounds[2].length = "2.250";
    p.sounds[2].size = "1000";
    SoundList list = SoundList::FromProject(p);
    ScriptedDialogs dialogs;
    list.selectCell(3, soundcol::kName);
    dialogs.answers = {MessageAnswer::No};
    EXPECT_FALSE(list.deleteCurrent(dialogs));
    EXPECT_EQ(list.count(), 5);
    EXPECT_EQ(dialogs.texts(), std::vector<std::string>{GetMsg(2044)});

    EXPECT_TRUE(list.deleteCurrent(dialogs));
    EXPECT_EQ(names(list), (std::vector<std::string>{"S1.WAV", "S2.WAV", "S4.WAV", "S5.WAV"}));
    EXPECT_EQ(list.cell(3, soundcol::kNo), "003");
    EXPECT_EQ(list.cell(4, soundcol::kNo), "004");
    EXPECT_EQ(list.cell(5, soundcol::kNo), "");
    EXPECT_EQ(list.totalLength(), 4000);
    EXPECT_EQ(list.timeDisplay(), "4秒");
    EXPECT_EQ(list.sizeDisplay(), "400バイト");
    EXPECT_TRUE(list.changed() && list.tableChanged());
    EXPECT_EQ(list.highlightedRow(), 3);

    list.selectCell(7, soundcol::kName);  // an empty row: asked, nothing deleted
    EXPECT_FALSE(list.deleteCurrent(dialogs));
    EXPECT_EQ(list.count(), 4);
}

TEST(SoundList, DeleteAllEmptiesListAndDisplays) {
    SoundList list = SoundList::FromProject(projectWith(3));
    ScriptedDialogs dialogs;
    list.selectCell(2, soundcol::kName);
    dialogs.answers = {MessageAnswer::No};
    EXPECT_FALSE(list.deleteAll(dialogs));
    EXPECT_EQ(list.count(), 3);
    EXPECT_TRUE(list.deleteAll(dialogs));
    EXPECT_EQ(dialogs.texts(), (std::vector<std::string>{GetMsg(2045), GetMsg(2045)}));
    EXPECT_EQ(list.count(), 0);
    EXPECT_EQ(list.timeDisplay(), "");
    EXPECT_EQ(list.sizeDisplay(), "");
    EXPECT_EQ(list.totalSize(), 0);
    EXPECT_FALSE(list.rowButtonsEnabled());
    EXPECT_TRUE(list.changed());
}

TEST(SoundList, MovesSwapEntriesAndStopAtTheEnds) {
    SoundList list = SoundList::FromProject(projectWith(3));
    list.selectCell(1, soundcol::kName);
    EXPECT_FALSE(list.moveUp());
    EXPECT_FALSE(list.changed());
    list.selectCell(3, soundcol::kName);
    EXPECT_FALSE(list.moveDown());
    EXPECT_FALSE(list.changed());
    list.selectCell(5, soundcol::kName);  // no entry
    EXPECT_FALSE(list.moveUp());

    list.selectCell(2, soundcol::kSec);
    EXPECT_TRUE(list.moveUp());
    EXPECT_EQ(names(list), (std::vector<std::string>{"S2.WAV", "S1.WAV", "S3.WAV"}));
    EXPECT_EQ(list.currentRow(), 1);
    EXPECT_EQ(list.highlightedRow(), 1);
    EXPECT_EQ(list.cell(1, soundcol::kNo), "001");
    EXPECT_TRUE(list.moveDown());
    EXPECT_TRUE(list.moveDown());
    EXPECT_EQ(names(list), (std::vector<std::string>{"S1.WAV", "S3.WAV", "S2.WAV"}));
    EXPECT_EQ(list.currentRow(), 3);
    EXPECT_TRUE(list.changed() && list.tableChanged());

    SoundList full = SoundList::FromProject(projectWith(255));
    full.selectCell(254, soundcol::kName);
    EXPECT_TRUE(full.moveDown());  // onto the last row: the highlight stays behind
    EXPECT_EQ(full.currentRow(), 255);
    EXPECT_EQ(full.highlightedRow(), 254);
    EXPECT_FALSE(full.moveDown());
}

TEST(SoundList, SelectingTheCommentCellEditsItWithoutAHighlight) {
    SoundList list = SoundList::FromProject(projectWith(2));
    EXPECT_FALSE(list.selectCell(1, soundcol::kName));
    EXPECT_TRUE(list.rowButtonsEnabled());
    EXPECT_EQ(list.highlightedRow(), 1);
    EXPECT_TRUE(list.selectCell(2, soundcol::kComment));
    EXPECT_FALSE(list.rowButtonsEnabled());
    EXPECT_EQ(list.highlightedRow(), 0);
    EXPECT_FALSE(list.selectCell(3, soundcol::kComment));  // no entry, no editor
    list.clearSelection();
    EXPECT_EQ(list.currentRow(), 0);
}

TEST(SoundList, CommentsOfTwentyFullWidthCharactersPassOkAndTwentyOneAreRefused) {
    SoundList list = SoundList::FromProject(projectWith(3));
    std::string twenty;
    for (int i = 0; i < 20; ++i)
        twenty += "あ";
    list.setComment(1, twenty);
    EXPECT_TRUE(list.changed());
    EXPECT_FALSE(list.checkComments());
    list.setComment(2, twenty + "い");
    const CheckResult refusal = list.checkComments();
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->text, GetMsg(2812) + "\r\n");
    EXPECT_EQ(refusal->row, 2);
    EXPECT_EQ(refusal->col, soundcol::kComment);
    EXPECT_EQ(list.soundTable()[0].comment, twenty);
}

TEST(SoundList, PlayRequestsNeedAnEntry) {
    SoundList list = SoundList::FromProject(projectWith(2));
    EXPECT_EQ(list.playCurrent(), std::nullopt);
    list.selectCell(2, soundcol::kName);
    EXPECT_EQ(list.playCurrent(), (PlayRequest{PlayMode::One, 2}));
    EXPECT_EQ(list.playAll(), (PlayRequest{PlayMode::All, 1}));
    EXPECT_EQ(SoundList().playAll(), std::nullopt);
}

TEST(SoundList, CancelAfterADeleteAsksAndLeavesTheProjectAlone) {
    Document document(Configuration{}, projectWith(3));
    SoundList list = SoundList::FromProject(document.project());
    ScriptedDialogs dialogs;
    EXPECT_TRUE(list.confirmDiscard(dialogs));  // unchanged: no question
    EXPECT_TRUE(dialogs.shown.empty());
    list.selectCell(1, soundcol::kName);
    list.deleteCurrent(dialogs);
    dialogs.answers = {MessageAnswer::No, MessageAnswer::Yes};
    EXPECT_FALSE(list.confirmDiscard(dialogs));
    EXPECT_TRUE(list.confirmDiscard(dialogs));
    EXPECT_EQ(dialogs.texts().back(), GetMsg(2067));
    EXPECT_EQ(document.project().sounds.size(), 3u);
    EXPECT_FALSE(document.modified());
}

TEST(SoundList, OkIsOneUndoableStepOfTheDocument) {
    Configuration c;
    c.settings.maxLine = 10;
    Document document(c, projectWith(3));
    SoundList list = SoundList::FromProject(document.project());
    ScriptedDialogs dialogs;
    list.selectCell(2, soundcol::kName);
    list.deleteCurrent(dialogs);
    list.setComment(1, "チャイム");
    const auto measure = [](const std::filesystem::path&) { return 1000LL; };
    EditSoundTable(document, list.soundTable(), true, measure);
    EXPECT_TRUE(document.modified());
    ASSERT_EQ(document.project().sounds.size(), 2u);
    EXPECT_EQ(document.project().sounds[0].comment, "チャイム");
    EXPECT_EQ(document.project().sounds[1].fileName, "S3.WAV");
    EXPECT_EQ(document.undoText(), "Sound登録");
    document.undo();
    EXPECT_EQ(document.project().sounds, projectWith(3).sounds);
    EXPECT_FALSE(document.modified());
    document.redo();
    EXPECT_EQ(document.project().sounds.size(), 2u);

    SoundList emptied = SoundList::FromProject(document.project());
    dialogs.answers = {MessageAnswer::Yes};
    emptied.deleteAll(dialogs);
    EditSoundTable(document, emptied.soundTable(), true, measure);
    EXPECT_EQ(document.project().sounds, std::vector<SoundEntry>(1));  // one empty slot
    EXPECT_TRUE(document.project().soundPresent);
}

// OK retimes the lines from the Length each entry got when its file was
// registered or loaded: no file is opened again (these do not exist).
TEST(SoundList, OkRetimesTheLinesFromTheLengthsTheTableHolds) {
    const auto entry = [](const std::string& name, const std::string& length) {
        return SoundEntry{name, "22.05KHz", "16bit", "Mono", length, "100", "/gone/" + name, ""};
    };
    Project project;
    project.sounds = {entry("A.WAV", "1.240"), entry("B.WAV", "-0.001"), entry("C.WAV", "2.000")};
    project.soundPresent = true;
    project.clearSheets(10);
    ProgramLine& line = project.sheets[0].lines[0];
    line.voices = {"A.WAV", "B.WAV", "C.WAV"};
    line.repeat = "2";
    Configuration c;
    c.settings.maxLine = 10;
    Document document(c, project);

    std::vector<SoundEntry> table = project.sounds;
    table.pop_back();  // C goes: its voice is dropped and the line retimed
    EditSoundTable(document, table, true);
    const ProgramLine& after = document.project().sheets[0].lines[0];
    EXPECT_EQ(after.voices[0], "A.WAV");
    EXPECT_EQ(after.voices[1], "B.WAV");
    EXPECT_EQ(after.voices[2], "");
    EXPECT_EQ(after.time, "2.4");  // 2 × (1.2 + nothing for the unmeasured B)

    const MeasureWave lengths = TableLengths(table);
    EXPECT_EQ(lengths("/gone/A.WAV"), 1240);
    EXPECT_EQ(lengths("/gone/B.WAV"), -1);
    EXPECT_EQ(lengths("/gone/C.WAV"), -1);  // no entry of the table
}

}  // namespace
}  // namespace vexa
