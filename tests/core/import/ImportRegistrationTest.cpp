// Import inside sound registration: which refusals import can fix, the
// question for each such file, and what registration takes afterwards.
#include "../wavetools/RecordingProgress.h"
#include "FakeAudioBackend.h"
#include "ScriptedDialogs.h"
#include "TestPaths.h"
#include "WaveFileBytes.h"
#include "core/import/ImportRegistration.h"
#include "core/config/Messages.h"
#include "core/sound/SoundList.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace vexa {
namespace {

using ::testing::HasSubstr;
namespace fs = std::filesystem;

class ImportRegistrationTest : public ::testing::Test {
protected:
    ImportRegistrationTest() {
        write("OK.WAV", test::pcmWave(1, 22050, 16, 4410));
        write("RATE48.WAV", test::pcmWave(1, 48000, 16, 9600));
        write("STEREO.WAV", test::pcmWave(2, 22050, 16, 8820));
        write("BITS24.WAV", test::pcmWave(1, 22050, 24, 6615));
        write("TEXT.WAV", "just some text");
        write("BAD-NAME.WAV", test::pcmWave(1, 22050, 16, 4410));
        write("BAD-48K.WAV", test::pcmWave(1, 48000, 16, 9600));
        write("LATE.WAV", test::pcmWave(1, 22050, 16, 4410));
        write("SONG.MP3", "ID3 and frames");
        test::FakeSource song;
        song.rate = 44100;
        song.channels = 2;
        song.frames = 44100;
        song.signal = [](std::uint64_t f, int) { return test::Sine(f, 0.1, 440, 44100); };
        backend.sources[path("SONG.MP3")] = song;
        options.loudnessTarget = -20.0;
    }

    void write(const std::string& name, const std::string& bytes) { test::writeBytes(in / name, bytes); }
    std::string path(const std::string& name) const { return (in / name).string(); }
    std::optional<ImportCandidate> candidate(const std::string& name, bool stereoAllowed = false) {
        return ImportableRefusal(CheckWaveForRegistration(path(name), stereoAllowed), stereoAllowed, backend);
    }

    test::TempDir in;
    test::TempDir importFolder;
    test::FakeAudioBackend backend;
    test::ScriptedDialogs dialogs;
    test::RecordingProgress progress;
    ImportOptions options;
};

TEST_F(ImportRegistrationTest, ImportFixesRateBitsChannelsAndNonWaveAudioButNotNamesOrUnreadableFiles) {
    struct Case {
        const char* file;
        const char* reason;  // nullptr: import cannot help
    };
    const Case cases[] = {
        {"OK.WAV", nullptr},
        {"RATE48.WAV", "使えない形式です（48KHz）。"},
        {"STEREO.WAV", "使えない形式です（ステレオ）。"},
        {"BITS24.WAV", "使えない形式です（24bit）。"},
        {"BAD-48K.WAV", "使えない形式です（48KHz）。"},
        {"SONG.MP3", "WAVEファイルではありません（FAKE_PCM）。"},
        {"BAD-NAME.WAV", nullptr},
        {"TEXT.WAV", nullptr},
        {"MISSING.WAV", nullptr},
    };
    for (const Case& c : cases) {
        const auto found = candidate(c.file);
        ASSERT_EQ(found.has_value(), c.reason != nullptr) << c.file;
        if (found) {
            EXPECT_EQ(found->reason, c.reason) << c.file;
        }
    }
    EXPECT_EQ(candidate("SONG.MP3")->source.sampleRate, 44100u);
    EXPECT_FALSE(candidate("STEREO.WAV", true));  // allowed stereo: nothing to fix
}

TEST_F(ImportRegistrationTest, QuestionsDecideWhatIsConvertedAndRegistrationTakesTheResultInOrder) {
    const std::vector<std::string> chosen = {path("OK.WAV"),     path("RATE48.WAV"), path("SONG.MP3"),
                                             path("STEREO.WAV"), path("BITS24.WAV"), path("TEXT.WAV"),
                                             path("LATE.WAV")};
    ImportInspectionRun run = InspectWithImport(chosen, false, backend, progress);
    ASSERT_EQ(run.steps.size(), 6u);  // TEXT.WAV ends it; LATE.WAV is not examined
    EXPECT_TRUE(run.complete);

    // RATE48: a name with a comma is refused and asked again; then "morning".
    // SONG: skipped. STEREO: すべて変換, so BITS24 is not asked about.
    dialogs.choiceAnswers = {{0, "bad,name"}, {0, "morning"}, {1, ""}, {2, "STEREO.WAV"}};
    TakenNames taken;
    taken.add("CHIME.WAV");
    taken.addFolder(importFolder.path());
    test::writeBytes(importFolder / "BITS24.WAV", "an earlier import");
    taken.add("BITS24.WAV");
    const std::string folder = importFolder.path().string();
    const RegistrationImportPlan plan = AskImportQuestions(std::move(run), taken, options, folder, dialogs);

    ASSERT_EQ(dialogs.choices.size(), 4u);
    const ChoiceRequest& first = dialogs.choices[0];
    EXPECT_THAT(first.text, HasSubstr("「RATE48.WAV」はこのままでは登録できません。\n使えない形式です（48KHz）。"));
    EXPECT_THAT(first.text, HasSubstr("変換後：22.05KHz・16bit・Mono、音量 −20.0 LUFS（ピーク −1.0 dBTP まで）"));
    EXPECT_THAT(first.text, HasSubstr("保存先：" + folder));
    EXPECT_EQ(first.buttons, (std::vector<std::string>{"変換して登録", "スキップ", "すべて変換"}));
    EXPECT_EQ(first.editText, "RATE48.WAV");
    EXPECT_EQ(dialogs.choices[1].editText, "bad,name");
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_THAT(dialogs.shown[0].text, HasSubstr("カンマ"));
    EXPECT_THAT(dialogs.choices[2].text, HasSubstr("WAVEファイルではありません"));

    const auto items = plan.items();
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0].name, "MORNING.WAV");
    EXPECT_EQ(items[1].name, "STEREO.WAV");
    EXPECT_EQ(items[2].name, "BITS2001.WAV");

    const ImportBatchResult batch = RunImportBatch(items, importFolder.path(), options, backend, progress);
    ASSERT_TRUE(batch.allImported());
    const ChecksToRegister toRegister = ChecksAfterImport(plan, batch, false, dialogs);
    EXPECT_TRUE(toRegister.complete);
    SoundList list;
    const RegistrationResult registered = list.registerChecked(toRegister.checks, dialogs, toRegister.complete);
    EXPECT_EQ(registered.added, 4);
    EXPECT_TRUE(registered.stopped);  // by TEXT.WAV's refusal, shown last
    EXPECT_EQ(dialogs.shown.back().text, "「TEXT.WAV」\n" + GetMsg(msg::kWaveNotRiff));
    std::vector<std::string> names;
    for (int row = 1; row <= list.count(); ++row)
        names.push_back(list.entry(row).fileName);
    EXPECT_EQ(names, (std::vector<std::string>{"OK.WAV", "MORNING.WAV", "STEREO.WAV", "BITS2001.WAV"}));
    EXPECT_EQ(list.entry(2).sourcePath, (importFolder / "MORNING.WAV").string());
    EXPECT_EQ(list.entry(3).rate, "22.05KHz");
    EXPECT_EQ(list.entry(3).channels, "Mono");
}

TEST_F(ImportRegistrationTest, AFailedConversionIsShownAndAStoppedOneEndsWhatIsRegistered) {
    ImportInspectionRun run = InspectWithImport(
        {path("RATE48.WAV"), path("OK.WAV"), path("STEREO.WAV"), path("BITS24.WAV"), path("LATE.WAV")}, false,
        backend, progress);
    dialogs.choiceAnswers = {{2, "RATE48.WAV"}};
    const RegistrationImportPlan plan = AskImportQuestions(std::move(run), {}, options, "/x", dialogs);
    EXPECT_EQ(dialogs.choices.size(), 1u);
    ASSERT_EQ(plan.items().size(), 3u);

    test::writeBytes(importFolder / "STEREO.WAV", test::pcmWave(1, 22050, 16, 4410));
    ImportBatchResult batch;
    batch.results.resize(3);
    batch.results[0].failure = "「RATE48.WAV」は取り込めません。";
    batch.results[1].status = ImportStatus::Imported;
    batch.results[1].output = (importFolder / "STEREO.WAV").string();
    batch.results[2].status = ImportStatus::Stopped;
    batch.stopped = true;
    const ChecksToRegister toRegister = ChecksAfterImport(plan, batch, false, dialogs);
    EXPECT_FALSE(toRegister.complete);
    ASSERT_EQ(toRegister.checks.size(), 2u);
    EXPECT_EQ(toRegister.checks[0].name, "OK.WAV");
    EXPECT_EQ(toRegister.checks[1].path, (importFolder / "STEREO.WAV").string());
    EXPECT_TRUE(toRegister.checks[1].accepted());
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, "「RATE48.WAV」は取り込めません。");
    EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::Error);
}

}  // namespace
}  // namespace vexa
