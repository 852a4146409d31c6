// vexa print: the PDF of the sample's reports made with no display, read
// back with pdftotext and pdfinfo (poppler-utils); its usage errors and a
// target that cannot be written.
#include "TestPaths.h"
#include "core/config/Messages.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <regex>

namespace vexa::test {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;
using ::testing::Not;

// The standard output of a shell command line.
std::string outputOf(const std::string& command) {
    std::string out;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[4096];
        std::size_t n = 0;
        while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
            out.append(buffer, n);
        ::pclose(pipe);
    }
    return out;
}

bool popplerInstalled() { return std::system("command -v pdftotext >/dev/null && command -v pdfinfo >/dev/null") == 0; }

int pageCount(const fs::path& pdf) {
    std::smatch match;
    const std::string info = outputOf("pdfinfo '" + pdf.string() + "'");
    return std::regex_search(info, match, std::regex(R"(Pages:\s+(\d+))")) ? std::stoi(match[1]) : -1;
}

std::string textOf(const fs::path& pdf) { return outputOf("pdftotext -layout '" + pdf.string() + "' -"); }

class PrintCommand : public ::testing::Test {
protected:
    PrintCommand() {
        fs::copy(VEXA_SAMPLE_DIR, sources);
        // The command finds no display and no platform choice: it picks its own.
        ::unsetenv("QT_QPA_PLATFORM");
        ::unsetenv("DISPLAY");
        ::unsetenv("WAYLAND_DISPLAY");
    }

    CommandResult print(std::vector<std::string> extra) {
        std::vector<std::string> args{"print", (sources / "SAMPLE.vxa").string(), "--home", programFolder().string()};
        args.insert(args.end(), extra.begin(), extra.end());
        return runVexa(args);
    }

    TempDir temp;
    fs::path sources = temp / "src";
    fs::path pdf = temp / "out.pdf";
};

TEST_F(PrintCommand, WritesEveryReportHeadless) {
    if (!popplerInstalled())
        GTEST_SKIP() << "pdftotext and pdfinfo (poppler-utils) are not installed";
    const CommandResult result = print({"--pdf", pdf.string()});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_THAT(result.out, HasSubstr("out.pdf (7 pages)"));
    // The 95 lines of sheet 0 take three pages; the other reports one each.
    EXPECT_EQ(pageCount(pdf), 7);
    const std::string text = textOf(pdf);
    for (const char* expected : {"［格納フォルダ］", "BUZZER", "COMENTS",
                                 "［コントロールデータ作成情報］", "［LED点滅パターン設定］", "［BUZZER 鳴動パターン設定］",
                                 "[Soundデータ登録情報]", "［ユーザー情報］", "導入日付", "Page[1/3]", "Page[3/3]",
                                 "Page[1/1]"})
        EXPECT_THAT(text, HasSubstr(expected)) << expected;
    EXPECT_THAT(text, Not(HasSubstr("Page[4/3]")));
    // pdftotext shows the title's two spaces as one.
    const std::regex header(R"(Chimewell +Vexa Editor +\d{4}/\d{2}/\d{2} +\d{2}:\d{2}:\d{2})");
    EXPECT_TRUE(std::regex_search(text, header));
    // Line 1 of the sample: LED pattern A for 1 s with CHIME.WAV; a sound row; the totals.
    EXPECT_TRUE(std::regex_search(text, std::regex(R"(01 +\S+ +[0-9.]+ +[0-9.]+ +CHIME\.WAV)"))) << text;
    EXPECT_TRUE(std::regex_search(text, std::regex(R"(001 +CHIME\.WAV +\S+KHz +\d+bit +Mono)")));
    EXPECT_TRUE(std::regex_search(text, std::regex(R"(\n +\d+\.\d{3} +\d+ *\n)")));
    EXPECT_THAT(text, HasSubstr("95 "));  // the last line is listed although empty
}

TEST_F(PrintCommand, ChosenReportsOnlyAndTheirPageNumbers) {
    if (!popplerInstalled())
        GTEST_SKIP() << "pdftotext and pdfinfo (poppler-utils) are not installed";
    const CommandResult result = print({"--pdf", pdf.string(), "--reports", "sounds,user", "--lines", "30"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(pageCount(pdf), 2);
    const std::string text = textOf(pdf);
    EXPECT_THAT(text, HasSubstr("[Soundデータ登録情報]"));
    EXPECT_THAT(text, HasSubstr("［ユーザー情報］"));
    EXPECT_THAT(text, Not(HasSubstr("［格納フォルダ］")));
    EXPECT_THAT(text, HasSubstr("Page[1/1]"));

    const CommandResult editor = print({"--pdf", pdf.string(), "--reports", "editor", "--lines", "60"});
    ASSERT_EQ(editor.exitCode, 0) << editor.err;
    EXPECT_EQ(pageCount(pdf), 2);
    EXPECT_THAT(textOf(pdf), HasSubstr("Page[2/2]"));
}

TEST_F(PrintCommand, UsageErrorsExit2AndWriteNothing) {
    const struct {
        std::vector<std::string> args;
        const char* said;
    } cases[] = {
        {{"--pdf", pdf.string(), "--reports", "editor,sheets"}, "sheets"},
        {{"--pdf", pdf.string(), "--reports", ""}, "印刷する情報を選択してください。"},
        {{}, "--pdf"},
    };
    for (const auto& c : cases) {
        const CommandResult result = print(c.args);
        EXPECT_EQ(result.exitCode, 2) << c.said;
        EXPECT_THAT(result.err + result.out, HasSubstr(c.said));
        EXPECT_FALSE(fs::exists(pdf));
    }
}

TEST_F(PrintCommand, FilesThatCannotBeReadOrWrittenExit1WithTheReason) {
    const CommandResult missing = runVexa({"print", (temp / "NONE.vxa").string(), "--pdf", pdf.string(), "--home",
                                           programFolder().string()});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_FALSE(missing.err.empty());
    EXPECT_FALSE(fs::exists(pdf));

    const fs::path nowhere = temp / "no-folder" / "out.pdf";
    const CommandResult unwritable = print({"--pdf", nowhere.string()});
    EXPECT_EQ(unwritable.exitCode, 1);
    EXPECT_THAT(unwritable.err, HasSubstr(nowhere.string()));

    // A read-only PDF stays as it was.
    writeBytes(pdf, "old");
    fs::permissions(pdf, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const CommandResult readOnly = print({"--pdf", pdf.string()});
    EXPECT_EQ(readOnly.exitCode, 1);
    EXPECT_THAT(readOnly.err, HasSubstr(pdf.string()));
    EXPECT_EQ(readBytes(pdf), "old");
    for (const auto& entry : fs::directory_iterator(temp.path()))
        EXPECT_NE(entry.path().filename().string().front(), '.') << "a temporary was left: " << entry.path();
}

}  // namespace
}  // namespace vexa::test
