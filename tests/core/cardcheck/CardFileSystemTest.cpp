// What the file system's facts mean for a card, and the facts told through
// the disk service's interface.
#include "FakeVolumeService.h"
#include "TestPaths.h"
#include "TmpfsMount.h"
#include "core/cardcheck/CardFileSystem.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace vexa::test {
namespace {

using ::testing::HasSubstr;

CardFileSystem cardOf(FatType fat, bool told = true, std::uint64_t bytes = 64ull << 20) {
    CardFileSystem facts;
    facts.isMountTop = true;
    facts.folder = "/media/card";
    facts.mountPoint = "/media/card";
    facts.type = "vfat";
    facts.source = "/dev/sdb1";
    facts.fatTold = told;
    facts.fat = fat;
    facts.toldBy = "UDisks2";
    facts.volumeBytes = bytes;
    return facts;
}

TEST(CardFileSystem, OnlyFat16PassesAndEveryOtherTypeSaysHowToFormat) {
    struct Case {
        const char* what;
        CardFileSystem facts;
        Severity severity;
        const char* says;
    };
    CardFileSystem ext4 = cardOf(FatType::NotFat);
    ext4.type = "ext4";
    const Case cases[] = {
        {"FAT16", cardOf(FatType::Fat16), Severity::Note, "FAT16（UDisks2による）"},
        {"FAT32", cardOf(FatType::Fat32), Severity::Error, "FAT32 です"},
        {"FAT12", cardOf(FatType::Fat12), Severity::Error, "FAT12 です"},
        {"exFAT", cardOf(FatType::ExFat), Severity::Error, "exFAT です"},
        {"ext4", ext4, Severity::Error, "FAT ではありません（ext4）"},
        {"not told", cardOf(FatType::NotFat, false), Severity::Note, "確かめられませんでした"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const CardFindings findings = FileSystemFindings(c.facts);
        ASSERT_EQ(findings.size(), 1u);
        EXPECT_EQ(findings[0].severity, c.severity);
        EXPECT_EQ(findings[0].file, "/media/card");
        EXPECT_THAT(findings[0].text, HasSubstr(c.says));
        if (c.severity == Severity::Error) {
            EXPECT_THAT(findings[0].text, HasSubstr("mkfs.fat -F 16 /dev/sdb1"));
        }
    }
}

TEST(CardFileSystem, SizeBeyondFat16AndReadOnlyMountAreNamed) {
    EXPECT_EQ(FileSystemFindings(cardOf(FatType::Fat16, true, 8ull << 30)).at(1).severity, Severity::Error);
    EXPECT_EQ(FileSystemFindings(cardOf(FatType::Fat16, true, 3ull << 30)).at(1).severity, Severity::Warning);
    CardFileSystem readOnly = cardOf(FatType::Fat16);
    readOnly.readOnly = true;
    EXPECT_THAT(FileSystemFindings(readOnly).at(1).text, HasSubstr("読み取り専用"));
}

TEST(CardFileSystem, AFolderThatIsNoMountTopIsNotJudged) {
    CardFileSystem facts = cardOf(FatType::NotFat);
    facts.isMountTop = false;
    const CardFindings findings = FileSystemFindings(facts);
    ASSERT_EQ(findings.size(), 1u);
    EXPECT_EQ(findings[0].severity, Severity::Note);
}

TEST(CardFileSystem, TheServiceTellsTheTypeOfTheMountsSourceBeforeAnythingElse) {
    TempDir temp;
    const auto card = temp / "card";
    std::filesystem::create_directories(card);
    TmpfsMount mount(card, "size=1m");
    if (!mount.mounted())
        GTEST_SKIP() << mount.reason();

    FakeVolumeService service;
    const CardFileSystem byType = DescribeCardFileSystem(card, &service);  // not running
    EXPECT_EQ(byType.toldBy, "マウントの種類");
    EXPECT_TRUE(byType.isMountTop);
    EXPECT_EQ(byType.type, "tmpfs");
    EXPECT_EQ(byType.fat, FatType::NotFat);  // no FAT mount: told by its type
    EXPECT_FALSE(DescribeCardFileSystem(temp.path(), nullptr).isMountTop);

    service.running = true;
    service.list = {{"tmpfs", "CARD", 1u << 20, "vfat", "FAT32", true, {card.string()}}};
    const CardFileSystem told = DescribeCardFileSystem(card, &service);
    EXPECT_TRUE(told.fatTold);
    EXPECT_EQ(told.fat, FatType::Fat32);
    EXPECT_EQ(told.toldBy, "UDisks2");
}

}  // namespace
}  // namespace vexa::test
