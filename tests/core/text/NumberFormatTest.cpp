#include "core/text/NumberFormat.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace vexa::numfmt {
namespace {

TEST(NumberFormat, RecognisesWholeNumbersOnly) {
    struct Case {
        const char* text;
        std::optional<double> value;
    };
    const Case cases[] = {
        {"1.5", 1.5},  {" -2 ", -2.0}, {"+3", 3.0},      {".5", 0.5},        {"5.", 5.0},
        {"1e3", 1000}, {"0", 0.0},     {"", std::nullopt}, {" ", std::nullopt}, {"abc", std::nullopt},
        {"1.2.3", std::nullopt}, {"12abc", std::nullopt}, {"-", std::nullopt}, {".", std::nullopt},
        {"1e999", std::nullopt}, {"+1e3", 1000}, {"1e-400", 0.0}, {"-4.9e-324", -4.9e-324},
        {"0.1", 0.1}, {"00001500", 1500}, {"99999999999999.9", 99999999999999.9},
        {"1234567890123456.7", 1234567890123456.7}, {"31E308", std::nullopt}, {"-1e309", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parseNumber(c.text), c.value) << '"' << c.text << '"';
}

TEST(NumberFormat, LeadingNumberReadsThePrefix) {
    EXPECT_EQ(leadingNumber("12abc"), 12.0);
    EXPECT_EQ(leadingNumber(" 2.5s"), 2.5);
    EXPECT_EQ(leadingNumber("x1"), 0.0);
    EXPECT_EQ(leadingNumber(""), 0.0);
    EXPECT_EQ(leadingNumber("31E308x"), 0.0);  // no infinity for the rules that follow
}

TEST(NumberFormat, LargestDoubleKeepsFifteenDigits) {
    const double largest = std::numeric_limits<double>::max();
    EXPECT_EQ(format(largest, "0.0"), "179769313486232" + std::string(294, '0') + ".0");
    EXPECT_EQ(format(-largest, "0"), "-179769313486232" + std::string(294, '0'));
}

TEST(NumberFormat, FormatsDisplayPatterns) {
    struct Case {
        double value;
        const char* pattern;
        const char* expected;
    };
    const Case cases[] = {
        {1.5, "0.0", "1.5"},      {4, "0.0", "4.0"},         {0, "0.0", "0.0"},
        {2.45, "0.0", "2.5"},     {0.05, "0.0", "0.1"},      {0.04, "0.0", "0.0"},
        {1.25, "0.0", "1.3"},     {-1.25, "0.0", "-1.3"},    {-0.01, "0.0", "0.0"},
        {99.96, "0.0", "100.0"},  {7, "00", "07"},           {123, "00", "123"},
        {12, "000", "012"},       {2.5, "0.000", "2.500"},   {1.0005, "0.000", "1.001"},
        {44.1, "##.###", "44.1"}, {8, "##.###", "8."},       {22.05, "##.##", "22.05"},
        {12.8, "##.###", "12.8"}, {11.025, "##.###", "11.025"}, {0.5, "##.###", ".5"},
        {1500, "00000", "01500"}, {123456789, "0", "123456789"}, {0.5, "0", "1"},
        {0.0015, "0.000", "0.002"}, {-0.0005, "0.000", "-0.001"}, {1e-100, "0.0", "0.0"},
        {1e20, "0", "100000000000000000000"}, {123456789.123456789, "0.000", "123456789.123"},
        // 16 and 17 significant digits: rounded to 15 first, near a half by the exact value
        {0.1 + 0.2, "0.0000000000000000", "0.3000000000000000"}, {0.9999999999999999, "#.###", "1."},
        {1.0000000000000002, "0.000", "1.000"}, {9.604308447003245, "0.00000000000000", "9.60430844700324"},
        {8.519489903165045, "0.00000000000000", "8.51948990316505"},
        // whole numbers and short decimals on both sides of 10^12
        {-0.0, "0.0", "0.0"}, {-3, "00", "-03"}, {999999999999999, "0.0", "999999999999999.0"},
        {1e15, "0", "1000000000000000"}, {999999999999.5, "0", "1000000000000"},
        {1000000000000.5, "0", "1000000000001"},
        {std::numeric_limits<double>::infinity(), "0.0", "inf"},
        {-std::numeric_limits<double>::infinity(), "00000", "-inf"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(format(c.value, c.pattern), c.expected) << c.value << " as " << c.pattern;
}

TEST(NumberFormat, SubnormalKeepsItsFifteenDigits) {
    // 4.94065645841247e-324; its shortest form would be 5e-324
    const std::string pattern = "0." + std::string(340, '0');
    EXPECT_EQ(format(std::numeric_limits<double>::denorm_min(), pattern),
              "0." + std::string(323, '0') + "494065645841247" + "00");
}

TEST(NumberFormat, IntegerConversionRoundsHalvesToEven) {
    EXPECT_EQ(roundHalfEven(2.5), 2.0);
    EXPECT_EQ(roundHalfEven(3.5), 4.0);
    EXPECT_EQ(roundHalfEven(-2.5), -2.0);
    EXPECT_EQ(toInt16("95"), 95);
    EXPECT_EQ(toInt16("30.5"), 30);
    EXPECT_EQ(toInt16("31.5"), 32);
    EXPECT_EQ(toInt16("-1"), -1);
    EXPECT_EQ(toInt16("32767"), 32767);
    EXPECT_EQ(toInt16("32768"), std::nullopt);
    EXPECT_EQ(toInt16("abc"), std::nullopt);
    EXPECT_EQ(toInt16(""), std::nullopt);
}

}  // namespace
}  // namespace vexa::numfmt
