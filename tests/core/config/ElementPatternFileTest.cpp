#include "core/config/ElementPatternFile.h"

#include "Cp932Files.h"
#include "TestPaths.h"

#include <gtest/gtest.h>

namespace vexa {
namespace {
namespace fs = std::filesystem;
using test::TempDir;
using test::writeCp932File;
using List = std::vector<std::string>;

// An Element Pattern File whose section Element holds `lines`.
fs::path elementFile(const TempDir& dir, const std::string& lines) {
    const fs::path file = dir / "elmptnvxa.elm";
    writeCp932File(file, "[Other]\nLedType=wrong section\n[Element]\n" + lines);
    return file;
}

TEST(ElementPatternFile, ListStopsAtTheFirstEmptyItemAndHasAtLeastOne) {
    struct Case {
        const char* value;  // nullptr: key missing
        List expected;
    };
    const Case cases[] = {
        {"なし,連続,パターンA", {"なし", "連続", "パターンA"}},
        {"A,B,,C", {"A", "B"}},
        {"A,B,", {"A", "B"}},
        {" A , B ", {"A ", " B"}},  // the value is trimmed, its items are not
        {",A", {""}},
        {"", {""}},
        {nullptr, {""}},
    };
    TempDir dir;
    for (const Case& c : cases) {
        const fs::path file = elementFile(dir, c.value ? std::string("LedType=") + c.value + "\n" : "");
        EXPECT_EQ(ReadElementList(file, element::kLedType), c.expected) << (c.value ? c.value : "(missing)");
    }
    EXPECT_EQ(ReadElementList(dir / "missing.elm", element::kSelect), List{""});
}

TEST(ElementPatternFile, ListReadsAtMost511Bytes) {
    TempDir dir;
    const fs::path file = elementFile(dir, "Repeat=" + std::string(300, 'a') + "," + std::string(300, 'b') + "\n");
    EXPECT_EQ(ReadElementList(file, element::kRepeat), (List{std::string(300, 'a'), std::string(210, 'b')}));
}

TEST(ElementPatternFile, NameByNumber) {
    struct Case {
        const char* number;
        const char* expected;
    };
    TempDir dir;
    const fs::path file = elementFile(dir, "LedType=A,B\nEx=OFF,,ON\n");
    const Case ledCases[] = {{"0", "A"},  {"1", "B"},  {"2", ""},  {"", ""},
                             {"x", ""},   {"-1", ""},  {" 1 ", "B"}, {"1.5", ""}};
    for (const Case& c : ledCases)
        EXPECT_EQ(GetElementName(file, element::kLedType, c.number), c.expected) << c.number;
    // No empty-item rule here: position 2 lies past an empty item.
    EXPECT_EQ(GetElementName(file, element::kEx, "1"), "");
    EXPECT_EQ(GetElementName(file, element::kEx, "2"), "ON");
    EXPECT_EQ(GetElementName(file, element::kBuzzerType, "0"), "");
    EXPECT_EQ(GetElementName(dir / "missing.elm", element::kLedType, "0"), "");
}

TEST(ElementPatternFile, ModelListIsPairsOfLabelAndLineCount) {
    struct Case {
        const char* value;
        std::vector<ModelEntry> expected;
    };
    const Case cases[] = {
        {"VX-30（30点）,30,VX-95（95点）,95", {{"VX-30（30点）", "30"}, {"VX-95（95点）", "95"}}},
        {"A,30,B", {{"A", "30"}, {"B", ""}}},
        {"A,,,60", {{"A", ""}, {"", "60"}}},
        {"", {}},
    };
    TempDir dir;
    for (const Case& c : cases)
        EXPECT_EQ(ReadModelList(elementFile(dir, std::string("MaxLine=") + c.value + "\n")), c.expected) << c.value;
    EXPECT_TRUE(ReadModelList(dir / "missing.elm").empty());
}

TEST(ElementPatternFile, CardCapacitiesKeepEmptyItems) {
    struct Case {
        const char* value;
        List expected;
    };
    const Case cases[] = {
        {"32MB,64MB,1GB", {"32MB", "64MB", "1GB"}},
        {"32MB,,64MB,", {"32MB", "", "64MB", ""}},
        {",", {"", ""}},
        {"", {}},
    };
    TempDir dir;
    for (const Case& c : cases)
        EXPECT_EQ(ReadCardCapacities(elementFile(dir, std::string("Card=") + c.value + "\n")), c.expected) << c.value;
    EXPECT_TRUE(ReadCardCapacities(dir / "missing.elm").empty());
}

TEST(ElementPatternFile, OneLoadServesEveryList) {
    TempDir dir;
    const ElementPatternFile elements =
        ElementPatternFile::load(elementFile(dir, "Select=1,2,3\nCard=32MB\nMaxLine=M,30\nLedType=なし,連続\n"));
    fs::remove(dir / "elmptnvxa.elm");
    EXPECT_EQ(elements.list(element::kSelect), (List{"1", "2", "3"}));
    EXPECT_EQ(elements.cardCapacities(), List{"32MB"});
    EXPECT_EQ(elements.models(), (std::vector<ModelEntry>{{"M", "30"}}));
    EXPECT_EQ(elements.name(element::kLedType, "1"), "連続");
}

}  // namespace
}  // namespace vexa
