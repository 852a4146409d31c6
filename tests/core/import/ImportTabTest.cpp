// What the "取り込み" tab of the tools window decides: its checks in order,
// the folder question, its rate choices and its result rows.
#include "ScriptedDialogs.h"
#include "TestPaths.h"
#include "core/import/ImportTab.h"
#include "core/wavetools/JobMessages.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace vexa {
namespace {

using ::testing::HasSubstr;

TEST(ImportTab, ChecksStopAtTheFirstFailureAndPointAtItsBox) {
    test::TempDir dir;
    const std::vector<std::string> one = {"/x/a.mp3"};
    ImportOptions quiet;
    quiet.loudnessTarget = -40;
    struct Case {
        std::vector<std::string> sources;
        std::string folder;
        ImportOptions options;
        const char* field;
        const char* text;
    };
    const Case cases[] = {
        {{}, dir.path().string(), {}, import_field::kSources, "取り込むファイルが指定されていません。"},
        {one, "", {}, import_field::kFolder, "出力フォルダが指定されていません。"},
        {one, dir.path().string(), quiet, import_field::kLoudness, "−30 〜 −10 LUFS"},
    };
    for (const Case& c : cases) {
        test::ScriptedDialogs dialogs;
        const ToolsValidation v = ValidateImport(c.sources, c.folder, c.options, dialogs);
        EXPECT_FALSE(v.passed);
        EXPECT_EQ(v.focus, c.field);
        ASSERT_EQ(dialogs.shown.size(), 1u);
        EXPECT_THAT(dialogs.shown[0].text, HasSubstr(c.text));
    }

    // A missing folder: No leaves it missing and shows nothing more; Yes makes it.
    const std::string missing = (dir / "new" / "sub").string();
    test::ScriptedDialogs no;
    no.answers = {MessageAnswer::No};
    EXPECT_EQ(ValidateImport(one, missing, {}, no), (ToolsValidation{false, import_field::kFolder}));
    EXPECT_EQ(no.shown.size(), 1u);
    EXPECT_FALSE(std::filesystem::exists(missing));
    test::ScriptedDialogs yes;
    EXPECT_TRUE(ValidateImport(one, missing, {}, yes).passed);
    EXPECT_TRUE(std::filesystem::is_directory(missing));
    EXPECT_THAT(yes.shown[0].text, HasSubstr("フォルダを作成しますか？"));
}

TEST(ImportTab, RateChoicesStartWithTheDefault) {
    const auto choices = ImportRateChoices();
    ASSERT_EQ(choices.size(), 8u);
    EXPECT_EQ(choices[0].text, "自動（最高 22.05KHz）");
    EXPECT_FALSE(choices[0].rate);
    EXPECT_EQ(choices[1].text, "8KHz");
    EXPECT_EQ(choices[7].rate, 44100u);
}

TEST(ImportTab, ResultRowsShowTheFiguresOrWhyNothingWasWritten) {
    ImportResult done;
    done.status = ImportStatus::Imported;
    done.source = "/in/Morning.flac";
    done.output = "/out/MORNING.WAV";
    done.seconds = 2.718;
    done.loudnessBefore = -23.44;
    done.loudnessAfter = -18.0;
    done.truePeakAfter = -3.16;
    done.notes = {"一つ。", "二つ。"};
    EXPECT_EQ(ResultRow(done), (ImportResultRow{"MORNING.WAV", "2.72", "−23.4 → −18.0 LUFS", "−3.2 dBTP", "一つ。 二つ。"}));

    ImportResult silent = done;
    silent.loudnessBefore.reset();
    silent.loudnessAfter.reset();
    silent.truePeakAfter.reset();
    silent.notes.clear();
    EXPECT_EQ(ResultRow(silent).loudness, "— → — LUFS");
    EXPECT_EQ(ResultRow(silent).peak, "—");

    ImportResult failed;
    failed.source = "/in/bad.mp3";
    failed.failure = "「/in/bad.mp3」は取り込めません。\n理由：Invalid data";
    EXPECT_EQ(ResultRow(failed), (ImportResultRow{"bad.mp3", "", "", "", "「/in/bad.mp3」は取り込めません。 理由：Invalid data"}));
    failed.status = ImportStatus::Stopped;
    EXPECT_EQ(ResultRow(failed).note, "中止しました。");
}

// What the tab says at the end of a batch, for each way it can end.
TEST(ImportTab, TheEndOfABatchIsToldAsItHappened) {
    ImportResult imported;
    imported.status = ImportStatus::Imported;
    ImportResult failed;
    struct Case {
        bool stopped;
        bool stopAsked;
        bool closing;
        ImportResult result;
        std::vector<std::string> texts;
    };
    const std::string stoppedText = "ユーザーにより処理を中断しました。";
    const std::string listText = "取り込めなかったファイルがあります。\n理由は一覧の「注記」に出ています。";
    const Case cases[] = {
        {false, false, false, imported, {}},
        {false, false, false, failed, {listText}},
        {true, true, false, failed, {stoppedText}},
        {true, true, true, failed, {}},  // stopped by closing the window: nothing more to say
        {false, true, false, imported, {kJobAlreadyCompleted}},
        {false, true, false, failed, {kJobAlreadyCompleted, listText}},
    };
    for (const Case& c : cases) {
        ImportBatchResult batch;
        batch.stopped = c.stopped;
        batch.results = {c.result};
        test::ScriptedDialogs dialogs;
        ShowImportEnd(batch, c.stopAsked, c.closing, dialogs);
        EXPECT_EQ(dialogs.texts(), c.texts) << c.stopped << c.stopAsked << c.closing;
    }
}

}  // namespace
}  // namespace vexa
