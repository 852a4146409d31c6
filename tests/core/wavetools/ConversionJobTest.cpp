// Which files a conversion job takes (mono files end it in file mode and are
// offered to be skipped in folder mode) and how the files of one job run.
#include "core/wavetools/ConversionJob.h"

#include "RecordingProgress.h"
#include "ScriptedDialogs.h"
#include "TestPaths.h"
#include "WaveFileBytes.h"
#include "core/config/Messages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace vexa {
namespace {

namespace fs = std::filesystem;

const std::string kNothingLeft = "変換対象のファイルが見つかりません。処理を終了します。　";
const std::string kSkip = " はステレオではありません。\nこのファイルをスキップして処理を続けますか？　　";

class ConversionJobTest : public ::testing::Test {
protected:
    test::TempDir dir;
    fs::path in = dir / "in";
    fs::path out = dir / "out";

    ConversionJobTest() {
        fs::create_directory(in);
        fs::create_directory(out);
    }
    void wave(const std::string& name, std::uint16_t channels, std::uint32_t dataBytes = 400) {
        test::writeBytes(in / name, test::pcmWave(channels, 22050, 16, dataBytes));
    }
    std::optional<ConversionJob> plan(ConversionMode mode, const fs::path& source, const fs::path& output) {
        return PlanConversion(mode, source.string(), output.string(), dialogs);
    }
    test::ScriptedDialogs dialogs;
};

TEST_F(ConversionJobTest, FolderOfTwoStereoAndOneMonoConvertsTheTwoUnderTheirOwnNames) {
    wave("b.wav", 2, 800);
    wave("MONO.WAV", 1);
    wave("A.Wav", 2, 400);
    test::writeBytes(in / "notes.txt", "not a wave");
    dialogs.answers = {MessageAnswer::Yes};
    const auto job = plan(ConversionMode::Folder, in, out);
    ASSERT_TRUE(job);
    EXPECT_EQ(dialogs.texts(), std::vector<std::string>{"MONO.WAV" + kSkip});
    EXPECT_EQ(dialogs.shown[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::Warning);
    // Sorted by name without regard to case; the step is a hundredth of the sources' sizes.
    EXPECT_EQ(job->files, (std::vector<ConversionFile>{{(in / "A.Wav").string(), (out / "A.Wav").string()},
                                                       {(in / "b.wav").string(), (out / "b.wav").string()}}));
    EXPECT_EQ(job->totalBytes, 44u + 400 + 44 + 800);

    test::RecordingProgress progress;
    ProgressLink link(progress, job->totalBytes);
    EXPECT_EQ(RunConversion(*job, link), JobResult::Completed);
    EXPECT_EQ(fs::file_size(out / "A.Wav"), 44u + 200);
    EXPECT_EQ(fs::file_size(out / "b.wav"), 44u + 400);
    EXPECT_FALSE(fs::exists(out / "MONO.WAV"));
    EXPECT_EQ(progress.captions.back(), "Conversion was completed.");
}

TEST_F(ConversionJobTest, FolderOfOnlyMonoFilesAnsweredYesEndsWithNothingToConvert) {
    wave("a.wav", 1);
    wave("b.wav", 1);
    const auto job = plan(ConversionMode::Folder, in, out);
    EXPECT_FALSE(job);
    EXPECT_EQ(dialogs.texts(), (std::vector<std::string>{"a.wav" + kSkip, "b.wav" + kSkip, kNothingLeft}));
    EXPECT_EQ(dialogs.shown.back().icon, MessageIcon::Information);
    EXPECT_EQ(dialogs.shown.back().title, "確認");
}

TEST_F(ConversionJobTest, NoToASkipQuestionOrAnUnreadableFileEndsTheJob) {
    wave("a.wav", 1);
    wave("b.wav", 2);
    dialogs.answers = {MessageAnswer::No};
    EXPECT_FALSE(plan(ConversionMode::Folder, in, out));
    EXPECT_EQ(dialogs.texts(), std::vector<std::string>{"a.wav" + kSkip});

    test::writeBytes(in / "a.wav", "plain text");
    dialogs.shown.clear();
    EXPECT_FALSE(plan(ConversionMode::Folder, in, out));
    EXPECT_EQ(dialogs.texts(), (std::vector<std::string>{"「a.wav」\n" + GetMsg(2801), "情報の取得に失敗しました。処理を中止します。"}));
}

TEST_F(ConversionJobTest, FileModeTakesTheOutputNameAndNamesAMonoFile) {
    wave("s.wav", 2);
    wave("m.wav", 1);
    const auto job = plan(ConversionMode::File, in / "s.wav", out / "x.wav");
    ASSERT_TRUE(job);
    EXPECT_EQ(job->files, (std::vector<ConversionFile>{{(in / "s.wav").string(), (out / "x.wav").string()}}));
    EXPECT_TRUE(dialogs.shown.empty());

    EXPECT_FALSE(plan(ConversionMode::File, in / "m.wav", out / "y.wav"));
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0], (MessageRequest{"m.wav はステレオではありません。", "確認", MessageIcon::Information,
                                                MessageButtons::Ok}));
    EXPECT_FALSE(fs::exists(out / "y.wav"));
}

TEST_F(ConversionJobTest, AStoppedOrFailedFileEndsTheJobAndKeepsTheFilesBefore) {
    wave("a.wav", 2, 4000);
    wave("b.wav", 2, 4000);
    wave("c.wav", 2, 4000);
    auto job = plan(ConversionMode::Folder, in, out);
    ASSERT_TRUE(job);

    test::RecordingProgress stopInB;
    stopInB.stopWhen = [](const test::RecordingProgress& p) {  // once the first file is done
        return std::count(p.captions.begin(), p.captions.end(), "Conversion was completed.") == 1;
    };
    ProgressLink link(stopInB, job->totalBytes);
    EXPECT_EQ(RunConversion(*job, link), JobResult::Stopped);
    EXPECT_EQ(stopInB.captions.back(), "Conversion was stopped.");
    EXPECT_EQ(fs::file_size(out / "a.wav"), 44u + 2000);
    EXPECT_EQ(fs::file_size(out / "b.wav"), 44u + 2000);  // full length, zeros where it stopped
    EXPECT_FALSE(fs::exists(out / "c.wav"));

    fs::remove(out / "b.wav");
    job->files[1].output = (dir / "gone" / "b.wav").string();  // a folder that is not there
    test::RecordingProgress progress;
    ProgressLink second(progress, job->totalBytes);
    EXPECT_EQ(RunConversion(*job, second), JobResult::Failed);
    EXPECT_FALSE(fs::exists(out / "c.wav"));
}

}  // namespace
}  // namespace vexa
