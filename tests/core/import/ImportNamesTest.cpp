// The names imports are written under: proposals from the source's name,
// unique against the folder, the Sound Table and the batch, and names the
// user types checked as registration checks them.
#include "core/import/ImportBatch.h"
#include "core/import/ImportName.h"
#include "core/sound/WaveInspection.h"
#include "TestPaths.h"

#include <gtest/gtest.h>

namespace vexa {
namespace {

TEST(ImportNames, ProposalKeepsAsciiLettersAndDigitsUpperCaseAndAvoidsTakenNames) {
    struct Case {
        const char* source;
        std::vector<std::string> taken;
        const char* proposed;
    };
    const Case cases[] = {
        {"/in/hello.flac", {}, "HELLO.WAV"},
        {"/in/Announce-Morning 2.wav", {}, "ANNOUNCE.WAV"},
        {"/in/7時のお知らせ v2.mp3", {}, "7V2.WAV"},
        {"/in/お知らせ.m4a", {}, "VOICE001.WAV"},
        {"/in/---.ogg", {"VOICE001.WAV", "voice002.wav"}, "VOICE003.WAV"},
        {"/in/hello.flac", {"hello.wav"}, "HELLO001.WAV"},
        {"/in/announcement.mp3", {"ANNOUNCE.WAV", "ANNOU001.WAV"}, "ANNOU002.WAV"},
        {"/in/x.tar.gz", {}, "XTAR.WAV"},
    };
    for (const Case& c : cases) {
        TakenNames taken;
        taken.addAll(c.taken);
        const std::string name = ProposeImportName(c.source, taken);
        EXPECT_EQ(name, c.proposed) << c.source;
        EXPECT_FALSE(CheckCardFileName(name)) << name;
    }
}

TEST(ImportNames, ThreeDigitCountersRunOutIntoFour) {
    TakenNames taken;
    taken.add("AB.WAV");
    for (int n = 1; n < 1000; ++n) {
        char name[16];
        std::snprintf(name, sizeof name, "AB%03d.WAV", n);
        taken.add(name);
    }
    EXPECT_EQ(ProposeImportName("/x/ab.mp3", taken), "AB0001.WAV");
}

TEST(ImportNames, FolderEntriesAndEarlierItemsOfTheBatchAreTaken) {
    test::TempDir dir;
    test::writeBytes(dir / "Chime.wav", "x");
    TakenNames taken;
    taken.addFolder(dir.path());
    taken.add("BELL.WAV");  // a Sound Table entry
    const auto items = PlanImportNames({"/a/chime.mp3", "/b/CHIME.flac", "/c/bell.ogg", "/d/new.opus"}, taken);
    ASSERT_EQ(items.size(), 4u);
    EXPECT_EQ(items[0].name, "CHIME001.WAV");
    EXPECT_EQ(items[1].name, "CHIME002.WAV");
    EXPECT_EQ(items[2].name, "BELL001.WAV");
    EXPECT_EQ(items[3].name, "NEW.WAV");
    EXPECT_EQ(items[1].source, "/b/CHIME.flac");
}

TEST(ImportNames, TypedNamesAreNormalisedAndCheckedAsRegistrationChecksThem) {
    EXPECT_EQ(NormaliseImportName("hello"), "HELLO.WAV");
    EXPECT_EQ(NormaliseImportName("Bell.wav"), "BELL.WAV");
    TakenNames taken;
    taken.add("CHIME.WAV");
    struct Case {
        const char* name;
        bool accepted;
    };
    const Case cases[] = {
        {"OK.WAV", true},          {"A_1.WAV", true},         {"CHIME.WAV", false},  // taken, whatever the case
        {"chime.wav", false},      {"TOOLONGNAME.WAV", false}, {"A,B.WAV", false},
        {"A-B.WAV", false},        {"HELLO.MP3", false},      {"ＡＢ.WAV", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(!CheckImportName(c.name, taken), c.accepted) << c.name;
    const auto refusal = CheckImportName("CHIME.WAV", taken);
    ASSERT_TRUE(refusal);
    EXPECT_NE(refusal->text.find("CHIME.WAV"), std::string::npos);
    EXPECT_EQ(refusal->field, "name");
}

TEST(ImportNames, AFolderGivesItsAudioFilesSortedWithoutSubfolders) {
    test::TempDir dir;
    for (const char* name : {"b.MP3", "a.flac", "c.m4a", "notes.txt", "d.Opus", "e.wav", "x.wav.bak"})
        test::writeBytes(dir / name, "x");
    std::filesystem::create_directory(dir / "sub.wav");
    test::writeBytes(dir / "sub.wav" / "f.wav", "x");
    const auto sources = ListImportSources(dir.path());
    std::vector<std::string> names;
    for (const auto& s : sources)
        names.push_back(std::filesystem::path(s).filename().string());
    EXPECT_EQ(names, (std::vector<std::string>{"a.flac", "b.MP3", "c.m4a", "d.Opus", "e.wav"}));
}

}  // namespace
}  // namespace vexa
