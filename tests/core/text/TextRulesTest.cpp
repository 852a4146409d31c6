#include "core/text/TextRules.h"

#include <gtest/gtest.h>

namespace vexa {
namespace {

TEST(TextRules, MeasuresInCp932Bytes) {
    struct Case {
        const char* text;
        std::size_t bytes;
        bool wide;
    };
    const Case cases[] = {
        {"", 0, false},       {"AB", 2, false},         {"ＡＢ", 4, true},
        {"ｱｲ", 2, false},     {"音声A", 5, true},       {"€", 1, false},  // "?" when written
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ByteLength(c.text), c.bytes) << c.text;
        EXPECT_EQ(HasWideChar(c.text), c.wide) << c.text;
    }
}

TEST(TextRules, RightBytesTakesTheTailOfTheCp932Form) {
    EXPECT_EQ(RightBytes("SAMPLE.VXA", 3), "VXA");
    EXPECT_EQ(RightBytes("ab", 5), "ab");
    EXPECT_EQ(RightBytes("音声.ktr", 3), "ktr");
    EXPECT_EQ(RightBytes("ABC音", 2), "音");
    EXPECT_EQ(RightBytes("ABC音*", 1), "*");
}

TEST(TextRules, SmallTextHelpers) {
    EXPECT_EQ(IfEmpty("", "0"), "0");
    EXPECT_EQ(IfEmpty("1.5", "0"), "1.5");
    EXPECT_EQ(CutAtNul("abc"), "abc");
    EXPECT_EQ(CutAtNul(std::string("ab\0cd", 5)), "ab");
    EXPECT_EQ(CutAtNul(std::string("\0x", 2)), "");
}

TEST(TextRules, FileNamesRefuseTheThirteenCharacters) {
    EXPECT_TRUE(IsValidFileName(""));
    EXPECT_TRUE(IsValidFileName("ABCDEFGH.WAV"));
    EXPECT_TRUE(IsValidFileName("A_B~1.wav"));
    for (char c : std::string(":?*|/\\><][)(-"))
        EXPECT_FALSE(IsValidFileName(std::string("A") + c + "B.wav")) << c;
}

TEST(TextRules, SplitPathOnTheSeparator) {
    std::string folder = "stale";
    EXPECT_EQ(SplitPath("/home/u/voice.wav", folder), "voice.wav");
    EXPECT_EQ(folder, "/home/u");
    EXPECT_EQ(SplitPath("voice.wav", folder), "voice.wav");
    EXPECT_EQ(folder, "");
    EXPECT_EQ(SplitPath("/voice.wav", folder), "voice.wav");
    EXPECT_EQ(folder, "");
    EXPECT_EQ(SplitPath("/home/u/", folder), "");
    EXPECT_EQ(folder, "/home/u");
}

TEST(TextRules, SplitSelectionJoinsFolderAndNames) {
    using namespace std::string_literals;
    std::vector<std::string> list;
    EXPECT_EQ(SplitSelection("/w/a.wav", list), 1u);
    EXPECT_EQ(list, (std::vector<std::string>{"/w/a.wav"}));

    EXPECT_EQ(SplitSelection("/w/\0a.wav\0b.wav"s, list), 2u);
    EXPECT_EQ(list, (std::vector<std::string>{"/w/a.wav", "/w/b.wav"}));

    EXPECT_EQ(SplitSelection("/w/\0a.wav\0b.wav\0c.wav\0\0"s, list), 3u);
    EXPECT_EQ(list.back(), "/w/c.wav");

    // One entry after the folder: the list holds the folder part alone.
    EXPECT_EQ(SplitSelection("/w/\0a.wav"s, list), 1u);
    EXPECT_EQ(list, (std::vector<std::string>{"/w/"}));
}

TEST(TextRules, NormalizeNumberBoxClampsAndFormats) {
    struct Case {
        const char* text;
        const char* expected;
    };
    const Case cases[] = {
        {"", "0.0"}, {"150", "99.9"}, {"-3", "0.0"}, {"1.25", "1.3"},
        {"2", "2.0"}, {"abc", "abc"}, {" ", " "},   {"99.94", "99.9"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NormalizeNumberBox(c.text, 0, 99.9, "0.0"), c.expected) << '"' << c.text << '"';
    EXPECT_EQ(NormalizeNumberBox("75", 0, 60, "00"), "60");
    EXPECT_EQ(NormalizeNumberBox("5", 0, 60, "00"), "05");
}

}  // namespace
}  // namespace vexa
