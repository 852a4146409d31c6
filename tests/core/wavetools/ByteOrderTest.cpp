#include "core/wavetools/ByteOrder.h"

#include <gtest/gtest.h>

#include <array>

namespace vexa {
namespace {

TEST(ByteOrder, LongsAreLittleEndianAndRefuseTwoGigabytes) {
    const std::array<std::uint8_t, 4> small{0x24, 0x08, 0x00, 0x00};
    EXPECT_EQ(BytesToLong(small.data()), 2084u);
    const std::array<std::uint8_t, 4> largest{0xFF, 0xFF, 0xFF, 0x7F};
    EXPECT_EQ(BytesToLong(largest.data()), 0x7FFFFFFFu);
    const std::array<std::uint8_t, 4> tooLarge{0x00, 0x00, 0x00, 0x80};
    EXPECT_EQ(BytesToLong(tooLarge.data()), std::nullopt);

    std::array<std::uint8_t, 4> out{};
    LongToBytes(88200, out.data());
    EXPECT_EQ(out, (std::array<std::uint8_t, 4>{0x88, 0x58, 0x01, 0x00}));
    LongToBytes(0x80000001u, out.data());  // bit 31 is dropped
    EXPECT_EQ(out, (std::array<std::uint8_t, 4>{0x01, 0x00, 0x00, 0x00}));
}

TEST(ByteOrder, IntsAreLittleEndianAndRefuseFromSigned16Limit) {
    const std::array<std::uint8_t, 2> sixteen{0x10, 0x00};
    EXPECT_EQ(BytesToInt(sixteen.data()), 16);
    const std::array<std::uint8_t, 2> large{0x01, 0x7F};
    EXPECT_EQ(BytesToInt(large.data()), 0x7F01);
    const std::array<std::uint8_t, 2> tooLarge{0x00, 0x80};
    EXPECT_EQ(BytesToInt(tooLarge.data()), std::nullopt);

    std::array<std::uint8_t, 2> out{};
    IntToBytes(0x1234, out.data());
    EXPECT_EQ(out, (std::array<std::uint8_t, 2>{0x34, 0x12}));
}

}  // namespace
}  // namespace vexa
