#include "core/editor/SheetHeaderControls.h"

#include <gtest/gtest.h>

namespace vexa {
namespace {

SheetHeader loadedHeader() {
    SheetHeader h;
    h.name = "朝の放送";
    h.memo = "メモ";
    h.volume = 2;
    h.startHour = "08";
    h.startMinute = "";
    h.endHour = "7";  // no list entry: only a loaded file holds such a text
    h.endMinute = "30";
    h.weekdays = {1, 0, 1, 0, 1, 0, 0, 1};
    h.seasons = {0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1};
    return h;
}

TEST(SheetHeaderControls, ShowThenStoreReproducesEveryField) {
    const SheetHeader original = loadedHeader();
    const SheetHeaderControls controls = ShowHeader(original);
    EXPECT_EQ(controls.name, "朝の放送");
    EXPECT_EQ(controls.startMinute, "");
    EXPECT_EQ(controls.endHour, "7");
    EXPECT_TRUE(controls.weekdays[0]);
    EXPECT_FALSE(controls.weekdays[1]);
    EXPECT_TRUE(controls.seasons[12]);

    SheetHeader stored;
    StoreHeader(controls, stored);
    stored.weekdays[7] = original.weekdays[7];
    stored.seasons[13] = original.seasons[13];
    EXPECT_EQ(stored, original);
}

TEST(SheetHeaderControls, FlagsWithoutControlsSurviveAStore) {
    SheetHeader header = loadedHeader();
    SheetHeaderControls cleared;  // what Clear Sheet Controls leaves
    StoreHeader(cleared, header);
    EXPECT_EQ(header.weekdays[7], 1);
    EXPECT_EQ(header.seasons[13], 1);
    EXPECT_EQ(header.weekdays[0], 0);
    EXPECT_EQ(header.seasons[12], 0);
    EXPECT_EQ(header.name, "");
    EXPECT_EQ(header.volume, 0);
    EXPECT_EQ(header.startHour, "");
}

TEST(SheetHeaderControls, ListEntries) {
    EXPECT_EQ(VolumeEntries(), (std::vector<std::string>{"0", "1", "2", "3"}));
    ASSERT_EQ(HourEntries().size(), 25u);
    EXPECT_EQ(HourEntries().front(), "");
    EXPECT_EQ(HourEntries()[1], "00");
    EXPECT_EQ(HourEntries().back(), "23");
    ASSERT_EQ(MinuteEntries().size(), 61u);
    EXPECT_EQ(MinuteEntries().back(), "59");
}

}  // namespace
}  // namespace vexa
