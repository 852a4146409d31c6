#include "core/config/PrivateProfile.h"

#include "Cp932Files.h"
#include "TestPaths.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace vexa {
namespace {
namespace fs = std::filesystem;
using test::cp932Bytes;
using test::readBytes;
using test::TempDir;
using test::writeBytes;

// ア is 83 41 and ヂ 83 61: they differ only by the ASCII case of the second
// byte. ゾ is 83 5D, whose second byte is "]"; 表 is 95 5C.
constexpr const char* kSample =
    "; settings of the editor\n"
    "Stray=outside any section\n"
    "[System]\n"
    "  WaveRef =  C:/wave dir  \n"
    "CardName=\"  quoted  \"\n"
    "Single='x'\n"
    "Mixed=\"x'\n"
    "Lone=\"\n"
    "Empty=\n"
    "Dup=first\n"
    "DUP=second\n"
    "Jp=表示テスト\n"
    "ア=katakana a\n"
    "Tabbed=\tval\t\n"
    "NoEquals\n"
    "\n"
    "[ゾーン]\n"
    "Key=zone\n";

TEST(PrivateProfile, ReadsAsThePlatformReaderDoes) {
    struct Case {
        const char* section;
        const char* key;
        const char* expected;
    };
    const Case cases[] = {
        {"System", "WaveRef", "C:/wave dir"},
        {"SYSTEM", "waveref", "C:/wave dir"},
        {"System", "CardName", "  quoted  "},
        {"System", "Single", "x"},
        {"System", "Mixed", "\"x'"},
        {"System", "Lone", "\""},
        {"System", "Empty", ""},
        {"System", "Dup", "first"},
        {"System", "Jp", "表示テスト"},
        {"System", "ア", "katakana a"},
        {"System", "ヂ", "(missing)"},
        {"System", "Tabbed", "val"},
        {"System", "NoEquals", "(missing)"},
        {"System", "Stray", "(missing)"},
        {"System", "Key", "(missing)"},
        {"ゾーン", "Key", "zone"},
        {"Other", "WaveRef", "(missing)"},
    };
    TempDir dir;
    // The same content with CR LF and with LF alone reads the same.
    const std::string crlfBytes = cp932Bytes(kSample);
    const std::string lfBytes = cp932::fromUtf8(kSample);
    for (const std::string* bytes : {&crlfBytes, &lfBytes}) {
        writeBytes(dir / "a.ini", *bytes);
        const PrivateProfile profile = PrivateProfile::load(dir / "a.ini");
        EXPECT_FALSE(profile.readFailed());
        for (const Case& c : cases)
            EXPECT_EQ(profile.get(c.section, c.key, "(missing)"), c.expected)
                << c.section << "/" << c.key << (bytes == &lfBytes ? " (LF)" : " (CR LF)");
    }
}

TEST(PrivateProfile, MissingFileReadsAsDefaultWithoutTrailingBlanks) {
    TempDir dir;
    const PrivateProfile profile = PrivateProfile::load(dir / "none.ini");
    EXPECT_FALSE(profile.readFailed());
    EXPECT_EQ(profile.get("System", "WaveRef"), "");
    EXPECT_EQ(profile.get("System", "WaveRef", " dflt \t"), " dflt");
    EXPECT_EQ(ReadProfileString(dir / "none.ini", "System", "WaveRef", "x"), "x");
}

TEST(PrivateProfile, BufferHoldsOneByteLessAndNeverHalfACharacter) {
    struct Case {
        const char* value;
        std::size_t buffer;
        const char* expected;
    };
    const Case cases[] = {
        {"abcdef", 7, "abcdef"}, {"abcdef", 6, "abcde"},  {"abcdef", 1, ""},     {"abcdef", 0, ""},
        {"あいう", 7, "あいう"}, {"あいう", 6, "あい"},   {"あいう", 4, "あ"},   {"aあ", 3, "a"},
        {"ｱｲｳ", 3, "ｱｲ"},  // half-width katakana take one byte each
    };
    TempDir dir;
    for (const Case& c : cases) {
        test::writeCp932File(dir / "a.ini", std::string("[S]\nK=") + c.value + "\n");
        EXPECT_EQ(ReadProfileString(dir / "a.ini", "S", "K", {}, c.buffer), c.expected)
            << c.value << " in " << c.buffer;
    }
}

TEST(PrivateProfile, WriteChangesOnlyWhatItMustAndKeepsEverythingElse) {
    TempDir dir;
    const fs::path file = dir / "a.ini";
    test::writeCp932File(file,
                         "; comment\n"
                         "[System]\n"
                         "WaveRef=old\n"
                         "Unknown = keep  me\n"
                         "\n"
                         "[UserData]\n"
                         "; note\n"
                         "Company=A社\n");
    PrivateProfile profile = PrivateProfile::load(file);
    EXPECT_TRUE(profile.set("system", "WAVEREF", "new"));
    EXPECT_TRUE(profile.set("System", "CardPath", "C:/カード"));
    EXPECT_TRUE(profile.set("UserData", "Tel", "03"));
    EXPECT_TRUE(profile.set("New", "K", "v"));
    EXPECT_EQ(profile.get("System", "CardPath"), "C:/カード");  // visible before saving
    ASSERT_TRUE(profile.save());
    EXPECT_EQ(readBytes(file), cp932Bytes("; comment\n"
                                          "[System]\n"
                                          "WaveRef=new\n"
                                          "Unknown = keep  me\n"
                                          "CardPath=C:/カード\n"
                                          "\n"
                                          "[UserData]\n"
                                          "; note\n"
                                          "Company=A社\n"
                                          "Tel=03\n"
                                          "[New]\n"
                                          "K=v\n"));
    // no temporary file left beside it
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
}

TEST(PrivateProfile, WriteCreatesTheFileAndTurnsLfIntoCrLf) {
    TempDir dir;
    ASSERT_TRUE(WriteProfileString(dir / "new.ini", "System", "CardPath", "/home/u/VexaEditor CardData"));
    EXPECT_EQ(readBytes(dir / "new.ini"), "[System]\r\nCardPath=/home/u/VexaEditor CardData\r\n");

    writeBytes(dir / "lf.ini", "[A]\nx=1\n\n[B]\ny=2");
    ASSERT_TRUE(WriteProfileString(dir / "lf.ini", "b", "Y", "3"));
    EXPECT_EQ(readBytes(dir / "lf.ini"), "[A]\r\nx=1\r\n\r\n[B]\r\ny=3\r\n");
}

TEST(PrivateProfile, ValuesReadBackAsWritten) {
    using namespace std::string_view_literals;
    struct Case {
        std::string_view value;
        const char* line;  // as the file holds it
        const char* read;
    };
    const Case cases[] = {
        {"plain", "K=plain", "plain"},
        {"  padded\t", "K=\"  padded\t\"", "  padded\t"},
        {"\"q\"", "K=\"\"q\"\"", "\"q\""},
        {"'x'", "K=\"'x'\"", "'x'"},
        {"\"", "K=\"", "\""},
        {"a \"b\"", "K=a \"b\"", "a \"b\""},
        {"", "K=", ""},
        {"ab\0cd"sv, "K=ab", "ab"},  // a C string ends at its NUL
    };
    TempDir dir;
    for (const Case& c : cases) {
        ASSERT_TRUE(WriteProfileString(dir / "a.ini", "S", "K", c.value)) << c.line;
        EXPECT_EQ(readBytes(dir / "a.ini"), std::string("[S]\r\n") + c.line + "\r\n");
        EXPECT_EQ(ReadProfileString(dir / "a.ini", "S", "K"), c.read) << c.line;
    }
}

TEST(PrivateProfile, RefusesNamesAndValuesThatWouldBreakTheFile) {
    struct Case {
        const char* section;
        const char* key;
        const char* value;
    };
    const Case cases[] = {
        {"", "K", "v"},   {"S", "", "v"},    {" ", "K", "v"},  {"S", "K", "a\r\n[X]\r\nb=c"},
        {"S", "K", "a\n"}, {"S]", "K", "v"}, {"S", "K=", "v"}, {"S", "[K", "v"},
        {"S", ";K", "v"},  {"S\nT", "K", "v"},
    };
    TempDir dir;
    const fs::path file = dir / "a.ini";
    const std::string before = cp932Bytes("[S]\nK=old\n");
    writeBytes(file, before);
    for (const Case& c : cases) {
        EXPECT_FALSE(WriteProfileString(file, c.section, c.key, c.value)) << c.section << "/" << c.key;
        EXPECT_EQ(readBytes(file), before);
    }
}

TEST(PrivateProfile, FailedWriteReportsFalseAndLeavesNoFile) {
    TempDir dir;
    EXPECT_FALSE(WriteProfileString(dir / "no-such-folder" / "a.ini", "S", "K", "v"));
    EXPECT_FALSE(fs::exists(dir / "no-such-folder"));

    // A path that exists but cannot be read as a file is never replaced.
    fs::create_directory(dir / "busy.ini");
    const PrivateProfile profile = PrivateProfile::load(dir / "busy.ini");
    EXPECT_TRUE(profile.readFailed());
    EXPECT_FALSE(WriteProfileString(dir / "busy.ini", "S", "K", "v"));
    EXPECT_TRUE(fs::is_directory(dir / "busy.ini"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
}

TEST(PrivateProfile, AFifoOrAnOversizedFileIsNotReadAndNeverReplaced) {
    TempDir dir;
    // Opening a FIFO that no one writes to must not wait for a writer.
    ASSERT_EQ(::mkfifo((dir / "pipe.ini").c_str(), 0600), 0);
    writeBytes(dir / "big.ini", "[S]\r\nK=1\r\n");
    ASSERT_EQ(::truncate((dir / "big.ini").c_str(), PrivateProfile::kMaxFileBytes + 1), 0);
    const struct {
        const char* name;
        const char* problem;
    } cases[] = {
        {"pipe.ini", "名前付きパイプ（FIFO）で、通常のファイルではありません。"},
        {"big.ini", "ファイルが大きすぎます（1048577 バイト。読み込めるのは 1 MiB までです）。"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const PrivateProfile profile = PrivateProfile::load(dir / c.name);
        EXPECT_TRUE(profile.readFailed());
        EXPECT_EQ(profile.readProblem(), c.problem);
        EXPECT_EQ(profile.get("S", "K", "default"), "default");
        EXPECT_FALSE(WriteProfileString(dir / c.name, "S", "K", "v"));
    }
    EXPECT_EQ(fs::status(dir / "pipe.ini").type(), fs::file_type::fifo);
    EXPECT_EQ(fs::file_size(dir / "big.ini"), PrivateProfile::kMaxFileBytes + 1);
}

TEST(PrivateProfile, WriteReplacesTheLinkedFileAndKeepsItsPermissions) {
    TempDir dir;
    const fs::path real = dir / "real.ini";
    writeBytes(real, "[S]\r\nK=1\r\n");
    ::chmod(real.c_str(), 0640);
    fs::create_symlink(real, dir / "link.ini");

    ASSERT_TRUE(WriteProfileString(dir / "link.ini", "S", "K", "2"));
    EXPECT_TRUE(fs::is_symlink(dir / "link.ini"));
    EXPECT_EQ(readBytes(real), "[S]\r\nK=2\r\n");
    EXPECT_EQ(fs::status(real).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

}  // namespace
}  // namespace vexa
