// The check of a card set: a clean card passes, and each kind of damage is
// found and names the file.
#include "../card/CardCreationFixture.h"
#include "../wavetools/RecordingProgress.h"
#include "WaveFileBytes.h"
#include "core/card/CardCreation.h"
#include "core/cardcheck/CardVerification.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

namespace vexa::test {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;

std::string shown(const CardFindings& findings) { return FindingsText(findings); }

bool hasFinding(const CardFindings& findings, Severity severity, const fs::path& file, const std::string& part) {
    for (const CardFinding& finding : findings)
        if (finding.severity == severity && finding.file == file.string() &&
            finding.text.find(part) != std::string::npos)
            return true;
    return false;
}

class CardVerificationTest : public CardCreationFixture {
protected:
    CardVerificationTest() {
        addSound("CHIME.WAV", pcmWave(1, 22050, 16, 3000));
        addSound("OPEN.WAV", pcmWave(1, 22050, 16, 70000));
        project.sounds[0].length = "0.068";
        project.sounds[0].size = std::to_string(pcmWave(1, 22050, 16, 3000).size());
    }

    void makeCard() {
        NoProgress progress;
        const CardCreationResult result = CreateCard(job(), progress);
        ASSERT_TRUE(result.completed()) << result.problem;
    }

    CardVerification verify(bool againstProject = true) {
        CardVerifyRequest request;
        request.folder = cardFolder;
        if (againstProject)
            request.project = job().project;
        request.settings = settings;
        NoProgress progress;
        return VerifyCard(request, progress);
    }
};

TEST_F(CardVerificationTest, AFreshCardIsCleanWithItsFreeSpaceNoted) {
    makeCard();
    const CardVerification result = verify();
    EXPECT_FALSE(result.stopped);
    EXPECT_TRUE(IsClean(result.findings)) << shown(result.findings);
    EXPECT_TRUE(hasFinding(result.findings, Severity::Note, cardFolder, "空き容量"));
}

TEST_F(CardVerificationTest, EachDamageIsFoundAndNamesTheFile) {
    struct Case {
        const char* what;
        std::function<void(const fs::path&)> damage;
        Severity severity;
        const char* file;
        const char* says;
    };
    const Case cases[] = {
        {"one byte flipped",
         [](const fs::path& card) {
             std::string bytes = readBytes(card / "OPEN.WAV");
             bytes[50000] ^= 0x01;
             writeBytes(card / "OPEN.WAV", bytes);
         },
         Severity::Error, "OPEN.WAV", "50000 バイト目から"},
        {"cut short", [](const fs::path& card) { fs::resize_file(card / "OPEN.WAV", 100); }, Severity::Error,
         "OPEN.WAV", "大きさが元のファイル"},
        {"missing", [](const fs::path& card) { fs::remove(card / "CHIME.WAV"); }, Severity::Error, "CHIME.WAV",
         "ありません。"},
        {"renamed in case",
         [](const fs::path& card) { fs::rename(card / "CHIME.WAV", card / "chime.wav"); },
         Severity::Error, "CHIME.WAV", "「chime.wav」"},
        {"extra file", [](const fs::path& card) { writeBytes(card / "README.TXT", "x"); }, Severity::Warning,
         "README.TXT", "削除はしません"},
        {"extra folder", [](const fs::path& card) { fs::create_directory(card / "OLD"); }, Severity::Warning, "OLD",
         "フォルダ"},
        {"names differing in case",
         [](const fs::path& card) { writeBytes(card / "open.wav", "y"); }, Severity::Error, "OPEN.WAV",
         "大文字と小文字だけが違う"},
        {"second Control File", [](const fs::path& card) { writeBytes(card / "OLD.VXA", "old"); }, Severity::Error,
         "OLD.VXA", "2つ目のコントロールファイル"},
        {"Control File edited by hand",
         [](const fs::path& card) {
             std::string bytes = readBytes(card / "SHOP.vxa");
             bytes.replace(bytes.find("VX-100"), 6, "VX-200");
             writeBytes(card / "SHOP.vxa", bytes);
         },
         Severity::Error, "SHOP.vxa", "プロジェクトから作成される内容と違います"},
        {"Control File gone", [](const fs::path& card) { fs::remove(card / "SHOP.vxa"); }, Severity::Error,
         "SHOP.vxa", "コントロールファイルがありません"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(cardFolder);
        makeCard();
        c.damage(cardFolder);
        const CardFindings findings = verify().findings;
        EXPECT_FALSE(IsClean(findings));
        EXPECT_TRUE(hasFinding(findings, c.severity, cardFolder / c.file, c.says)) << shown(findings);
    }
}

TEST_F(CardVerificationTest, WithoutAProjectTheFoldersControlFileIsReadAndTheSoundsCheckedByFormat) {
    makeCard();
    const CardVerification clean = verify(false);
    EXPECT_TRUE(IsClean(clean.findings)) << shown(clean.findings);
    EXPECT_TRUE(hasFinding(clean.findings, Severity::Note, cardFolder, "形式・大きさ・長さだけ"));

    writeBytes(cardFolder / "CHIME.WAV", "RIFF but no WAVE at all");
    writeBytes(cardFolder / "SECOND.VXA", "");
    const CardFindings damaged = verify(false).findings;
    EXPECT_TRUE(hasFinding(damaged, Severity::Error, cardFolder / "SECOND.VXA", "2 個あります")) << shown(damaged);
    EXPECT_TRUE(hasFinding(damaged, Severity::Error, cardFolder / "SHOP.vxa", "2 個あります"));

    fs::remove(cardFolder / "SECOND.VXA");
    // the loader refuses the file for its sound; no file is called foreign without a Project to tell
    const CardFindings badWave = verify(false).findings;
    EXPECT_TRUE(hasFinding(badWave, Severity::Error, cardFolder / "SHOP.vxa", "CHIME.WAV")) << shown(badWave);
    EXPECT_FALSE(hasFinding(badWave, Severity::Warning, cardFolder / "OPEN.WAV", "")) << shown(badWave);
}

TEST_F(CardVerificationTest, ASoundWhoseSourceIsGoneIsMeasuredAgainstItsEntry) {
    makeCard();
    fs::remove(sources / "CHIME.WAV");
    const CardVerification same = verify();
    EXPECT_TRUE(IsClean(same.findings)) << shown(same.findings);
    EXPECT_TRUE(hasFinding(same.findings, Severity::Note, cardFolder, "CHIME.WAV"));

    writeBytes(cardFolder / "CHIME.WAV", pcmWave(1, 22050, 16, 6000));
    const CardFindings longer = verify().findings;
    EXPECT_TRUE(hasFinding(longer, Severity::Error, cardFolder / "CHIME.WAV", "大きさがサウンドの登録")) << shown(longer);
    EXPECT_TRUE(hasFinding(longer, Severity::Error, cardFolder / "CHIME.WAV", "長さがサウンドの登録"));
}

TEST_F(CardVerificationTest, NamesTheCardCannotHoldAndATotalOverTheChosenCapacity) {
    // Written by hand: creation itself refuses such a set.
    fs::create_directories(cardFolder);
    project.sounds[1].fileName = "LONGNAME1.WAV";
    fs::rename(sources / "OPEN.WAV", sources / "LONGNAME1.WAV");
    project.sounds[1].sourcePath = (sources / "LONGNAME1.WAV").string();
    writeBytes(cardFolder / "SHOP.vxa", controlFileBytes());
    fs::copy_file(sources / "CHIME.WAV", cardFolder / "CHIME.WAV");
    fs::copy_file(sources / "LONGNAME1.WAV", cardFolder / "LONGNAME1.WAV");
    fs::resize_file(sources / "LONGNAME1.WAV", 32'000'000);  // sparse
    fs::resize_file(cardFolder / "LONGNAME1.WAV", 32'000'000);

    CardVerifyRequest request{cardFolder, project, {}, settings, std::nullopt};
    RecordingProgress progress;
    const CardFindings findings = VerifyCard(request, progress).findings;
    EXPECT_TRUE(hasFinding(findings, Severity::Error, cardFolder / "LONGNAME1.WAV", "8.3")) << shown(findings);
    EXPECT_TRUE(hasFinding(findings, Severity::Error, cardFolder, "「32MB」")) << shown(findings);
    EXPECT_EQ(progress.values.back(), 100);
}

TEST_F(CardVerificationTest, AStopRequestEndsTheCheckAsStopped) {
    makeCard();
    CardVerifyRequest request{cardFolder, job().project, {}, settings, std::nullopt};
    RecordingProgress progress;
    progress.stopWhen = [](const RecordingProgress&) { return true; };
    const CardVerification result = VerifyCard(request, progress);
    EXPECT_TRUE(result.stopped);
}

TEST(EightDotThree, CountsBytesOfEachPart) {
    for (const char* name : {"A.WAV", "ABCDEFGH.WAV", "ABCDEFGH", "\x83\x65\x83\x58\x83\x67.WAV"})
        EXPECT_TRUE(IsEightDotThree(name)) << name;
    for (const char* name : {"ABCDEFGHI.WAV", "A.WAVE", ".WAV", "A.", "A.B.C", "", "\x83\x65\x83\x58\x83\x67\x83\x65\x83\x58.W"})
        EXPECT_FALSE(IsEightDotThree(name)) << name;
}

}  // namespace
}  // namespace vexa::test
