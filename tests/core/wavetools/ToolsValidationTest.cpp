// The checks before each tools job, in order: the first failing one is the
// only one shown (or, for a question answered No, nothing more), and it names
// the box the window focuses.
#include "core/wavetools/ToolsValidation.h"

#include "ScriptedDialogs.h"
#include "TestPaths.h"
#include "WaveFileBytes.h"
#include "core/config/Messages.h"
#include "core/wavetools/ToolsFields.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

namespace vexa {
namespace {

namespace fs = std::filesystem;
namespace field = tools_field;

const std::string kOverwrite = "出力ファイルは既に存在します。上書きしてもよろしいですか？";
const std::string kFolderGiven = "出力ファイル名にフォルダが指定されています。\nファイル名を指定してください。";

struct Case {
    std::string a, b, c;                   // the entries, as the window passes them
    std::vector<MessageAnswer> answers;    // to the questions on the way
    std::vector<std::string> texts;        // everything shown, in order
    const char* focus;                     // nullptr: passed
};

using Validate = std::function<ToolsValidation(const Case&, UserDialogs&)>;

void expectOrder(const std::vector<Case>& cases, const Validate& validate) {
    for (const Case& c : cases) {
        SCOPED_TRACE("[" + c.a + "] [" + c.b + "] [" + c.c + "]");
        test::ScriptedDialogs dialogs;
        dialogs.answers.assign(c.answers.begin(), c.answers.end());
        const ToolsValidation result = validate(c, dialogs);
        EXPECT_EQ(result.passed, c.focus == nullptr);
        EXPECT_EQ(result.focus, c.focus ? c.focus : "");
        EXPECT_EQ(dialogs.texts(), c.texts);
        for (const MessageRequest& shown : dialogs.shown) {
            EXPECT_EQ(shown.title, "確認");
            EXPECT_EQ(shown.icon, MessageIcon::Warning);
        }
        EXPECT_TRUE(dialogs.answers.empty()) << "a question was not asked";
    }
}

TEST(ValidateFileConversion, FirstFailingCheckWinsWithItsTextAndFocus) {
    test::TempDir dir;
    const std::string wave = (dir / "in.wav").string();
    const std::string old = (dir / "old.wav").string();
    test::writeBytes(wave, test::pcmWave(2, 22050, 16, 8));
    test::writeBytes(old, "x");
    const std::string fresh = (dir / "new.wav").string();
    expectOrder(
        {
            {"", "", "", {}, {"変換対象のファイルが指定されていません。"}, field::kSource},
            {(dir / "none.wav").string(), "", "", {}, {"指定されたファイルが存在しません。"}, field::kSource},
            {dir.path().string(), fresh, "", {},
             {"「" + dir.path().string() + "」を読めません：フォルダーで、ファイルではありません。"}, field::kSource},
            {wave, "", "", {}, {"出力ファイル名が指定されていません。"}, field::kOutput},
            {wave, wave, "", {},
             {"変換するファイルと出力ファイル名が同じです。\n出力ファイル名は異なる場所または名前を指定してください。　　"},
             field::kOutput},
            // The source under another name and a folder: refused before the overwrite question.
            {wave, (dir / "." / "in.wav").string(), "", {},
             {"変換するファイルと出力ファイル名が同じです。\n出力ファイル名は異なる場所または名前を指定してください。　　"},
             field::kOutput},
            {wave, dir.path().string(), "", {}, {kFolderGiven}, field::kOutput},
            {wave, (dir / "out").string(), "", {}, {"出力ファイル名が正しくありません。"}, field::kOutput},
            // A missing folder is said before the overwrite question would be asked.
            {wave, (dir / "none" / "old.wav").string(), "", {},
             {"出力先のフォルダ「" + (dir / "none").string() + "」が見つかりません。"}, field::kOutput},
            {wave, old, "", {MessageAnswer::No}, {kOverwrite}, field::kOutput},
            {wave, old, "", {MessageAnswer::Yes}, {kOverwrite}, nullptr},
            {wave, fresh, "", {}, {}, nullptr},
        },
        [](const Case& c, UserDialogs& d) { return ValidateFileConversion(c.a, c.b, d); });
    EXPECT_EQ(test::readBytes(old), "x");  // asking changes nothing
}

TEST(ValidateFolderConversion, FirstFailingCheckWinsWithItsTextAndFocus) {
    test::TempDir dir;
    const std::string source = (dir / "src").string();
    fs::create_directory(source);
    test::writeBytes(dir / "src" / "A.WAV", test::pcmWave(2, 22050, 16, 8));  // upper case counts
    fs::create_directory(dir / "nowave");
    test::writeBytes(dir / "nowave" / "a.wav.txt", "x");
    fs::create_directory(dir / "nowave" / "sub.wav");  // a folder is no file
    const std::string out = (dir / "out").string();
    fs::create_directory(out);
    test::writeBytes(dir / "file", "x");
    const std::string question = GetMsg(2047) + "\n" + GetMsg(2085);
    const std::string deep = (dir / "new" / "deeper").string();
    expectOrder(
        {
            {"", "", "", {}, {"変換対象のフォルダが指定されていません。"}, field::kSource},
            {(dir / "none").string(), out, "", {}, {"指定されたフォルダが存在しません。"}, field::kSource},
            {(dir / "file").string(), out, "", {}, {"指定されたフォルダが存在しません。"}, field::kSource},
            {source, "", "", {}, {"出力フォルダが指定されていません。"}, field::kOutput},
            {source, deep, "", {MessageAnswer::No}, {question}, field::kOutput},
            {source, (dir / "file" / "sub").string(), "", {MessageAnswer::Yes},
             {question, "フォルダの作成に失敗しました。　　"}, field::kOutput},
            {source, source, "", {},
             {"変換対象フォルダと出力先フォルダが同じです。\n出力先フォルダは異なる場所を指定してください。　　"},
             field::kOutput},
            {(dir / "nowave").string(), out, "", {}, {"フォルダ内に変換できるファイルがありません。"}, field::kSource},
            // The same folder under another name, found on disk.
            {source, source + "/", "", {},
             {"変換対象フォルダと出力先フォルダが同じです。\n出力先フォルダは異なる場所を指定してください。　　"},
             field::kOutput},
            {source, (dir / "." / "src").string(), "", {},
             {"変換対象フォルダと出力先フォルダが同じです。\n出力先フォルダは異なる場所を指定してください。　　"},
             field::kOutput},
            {source, out, "", {}, {}, nullptr},
        },
        [](const Case& c, UserDialogs& d) { return ValidateFolderConversion(c.a, c.b, d); });
    EXPECT_FALSE(fs::exists(dir / "new"));  // No made nothing

    // Yes makes every missing level and goes on to the remaining checks.
    test::ScriptedDialogs dialogs;
    EXPECT_TRUE(ValidateFolderConversion(source, deep, dialogs).passed);
    EXPECT_EQ(dialogs.texts(), std::vector<std::string>{question});
    EXPECT_EQ(dialogs.shown[0].buttons, MessageButtons::YesNo);
    EXPECT_TRUE(fs::is_directory(deep));
}

TEST(ValidateSilence, FirstFailingCheckWinsWithItsTextAndFocus) {
    test::TempDir dir;
    const std::string old = (dir / "old.wav").string();
    test::writeBytes(old, "x");
    const std::string fresh = (dir / "pause.wav").string();
    const std::string invalid = GetMsg(2082);
    expectOrder(
        {
            {"", "", "", {}, {"時間（分）が入力されていません。"}, field::kMinutes},
            {"00", "", fresh, {}, {"時間（秒）が入力されていません。"}, field::kSeconds},
            {"00", "00", fresh, {}, {"０秒以上の時間を指定してください。"}, field::kMinutes},
            {"0x", "01", fresh, {}, {invalid}, field::kMinutes},  // pasted, never left
            {"01", "-", fresh, {}, {invalid}, field::kSeconds},
            {"01", "00", "", {}, {"出力ファイル名が指定されていません。"}, field::kSilentFile},
            {"00", "01", (dir / "pause").string(), {}, {"出力ファイル名が正しくありません。"}, field::kSilentFile},
            {"00", "01", dir.path().string(), {}, {kFolderGiven}, field::kSilentFile},
            {"00", "01", old, {MessageAnswer::No}, {kOverwrite}, field::kSilentFile},
            {"00", "01", old, {MessageAnswer::Yes}, {kOverwrite}, nullptr},
            {"60", "59", fresh, {}, {}, nullptr},
        },
        [](const Case& c, UserDialogs& d) { return ValidateSilence(c.a, c.b, c.c, d); });
}

}  // namespace
}  // namespace vexa
