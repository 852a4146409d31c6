// The capacity classes at their boundaries, the stored capacity's text and
// the Card Folder path.
#include "core/card/CapacityClass.h"
#include "core/card/CardFolder.h"

#include <gtest/gtest.h>

#include <string>

namespace vexa {
namespace {

TEST(CapacityClass, EachLimitBelongsToItsClassAndOneMoreByteToTheNext) {
    const struct {
        std::uint64_t bytes;
        std::string text;
        int position;
    } cases[] = {
        {0, "32MB", 0},
        {31'968'000, "32MB", 0},       {31'968'001, "64MB", 1},
        {63'952'000, "64MB", 1},       {63'952'001, "128MB", 2},
        {127'936'000, "128MB", 2},     {127'936'001, "256MB", 3},
        {268'435'456, "256MB", 3},     {268'435'457, "512MB", 4},
        {536'870'912, "512MB", 4},     {536'870'913, "1GB", 5},
        {1'073'741'824, "1GB", 5},     {1'073'741'825, "OVER", 6},
        {UINT64_MAX, "OVER", 6},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes);
        const CapacityClass capacity = CapacityOf(c.bytes);
        EXPECT_EQ(capacity.text, c.text);
        EXPECT_EQ(capacity.position, c.position);
    }
}

TEST(CapacityClass, StoredPositionNamesItsCapacity) {
    const struct {
        const char* stored;
        const char* text;
    } cases[] = {{"0", "32MB"}, {"3", "256MB"}, {"5", "1GB"}, {"6", "OVER"}, {"-1", "OVER"}, {"x", "OVER"}, {"", ""}};
    for (const auto& c : cases)
        EXPECT_EQ(CardSizeText(c.stored), c.text) << c.stored;
}

TEST(CardFolder, PathIsCardPathWithOneSeparatorAndTheFolder) {
    EXPECT_EQ(CardFolderPath("/data/cards", "SHOP"), "/data/cards/SHOP");
    EXPECT_EQ(CardFolderPath("/data/cards/", "SHOP"), "/data/cards/SHOP");
    // The separator test looks at the trimmed text; the text itself is kept.
    EXPECT_EQ(CardFolderPath("/data/cards/ ", "SHOP"), "/data/cards/ SHOP");
    EXPECT_EQ(ControlFileName("SHOP"), "SHOP.vxa");
}

}  // namespace
}  // namespace vexa
