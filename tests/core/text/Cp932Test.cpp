#include "core/text/Cp932.h"

#include <gtest/gtest.h>

namespace vexa {
namespace {

struct Case {
    const char* utf8;
    const char* cp932;
};

TEST(Cp932, ConvertsBothWays) {
    const Case cases[] = {
        {"", ""},
        {"abc.wav", "abc.wav"},
        {"確認", "\x8a\x6d\x94\x46"},
        {"ﾊﾞｰｼﾞｮﾝ", "\xca\xde\xb0\xbc\xde\xae\xdd"},  // half-width katakana: one byte each
        {"～", "\x81\x60"},                            // full-width tilde, as the platform maps it
        {"①", "\x87\x40"},                             // NEC circled number
        {"\\", "\\"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(cp932::fromUtf8(c.utf8), c.cp932) << c.utf8;
        EXPECT_EQ(cp932::toUtf8(c.cp932), c.utf8) << c.utf8;
    }
}

TEST(Cp932, UnmappableCharacterBecomesOneQuestionMark) {
    EXPECT_EQ(cp932::fromUtf8("a\xF0\x9F\x98\x80" "b"), "a?b");  // emoji
    EXPECT_EQ(cp932::fromUtf8("€한"), "??");
    EXPECT_EQ(cp932::fromUtf8("x\xFFy"), "x?y");                    // malformed UTF-8
    EXPECT_EQ(cp932::fromUtf8("確\xE8"), "\x8a\x6d?");              // cut short at the end
}

TEST(Cp932, InvalidBytesBecomeReplacementCharacter) {
    EXPECT_EQ(cp932::toUtf8("a\xA0z"), "a\xEF\xBF\xBDz");
    EXPECT_EQ(cp932::toUtf8("\x8a"), "\xEF\xBF\xBD");  // lead byte at the end
    EXPECT_EQ(cp932::toUtf8("\x8a\x6d\xFF\x8a\x6d"), "確\xEF\xBF\xBD確");
}

}  // namespace
}  // namespace vexa
