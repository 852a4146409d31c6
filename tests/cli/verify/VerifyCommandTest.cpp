// vexa verify: a card made by vexa card is clean; damage is printed naming
// the file, as lines or JSON, with exit 1; a usage error exits 2.
#include "TestPaths.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

namespace vexa::test {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;

class VerifyCommand : public ::testing::Test {
protected:
    VerifyCommand() {
        fs::create_directories(cards);
        fs::copy(VEXA_SAMPLE_DIR, sources);
        const CommandResult made = runVexa({"card", (sources / "SAMPLE.vxa").string(), "--card-path", cards.string(),
                                            "--home", programFolder().string()});
        EXPECT_EQ(made.exitCode, 0) << made.err;
    }

    CommandResult verify(std::vector<std::string> extra = {}) {
        std::vector<std::string> args{"verify", cardFolder.string(), "--home", programFolder().string()};
        args.insert(args.end(), extra.begin(), extra.end());
        return runVexa(args);
    }

    TempDir temp;
    fs::path sources = temp / "src";
    fs::path cards = temp / "cards";
    fs::path cardFolder = cards / "SAMPLE";
};

TEST_F(VerifyCommand, AFreshCardIsCleanAgainstItsFileAndOnItsOwn) {
    for (const auto& extra : {std::vector<std::string>{"--against", (sources / "SAMPLE.vxa").string()},
                              std::vector<std::string>{}}) {
        const CommandResult result = verify(extra);
        EXPECT_EQ(result.exitCode, 0) << result.out << result.err;
        EXPECT_THAT(result.out, HasSubstr("問題はありません：" + cardFolder.string()));
    }
}

TEST_F(VerifyCommand, DamageIsNamedAndExitsOne) {
    std::string bytes = readBytes(cardFolder / "OPEN.WAV");
    bytes[bytes.size() / 2] ^= 0x40;
    writeBytes(cardFolder / "OPEN.WAV", bytes);
    writeBytes(cardFolder / "NOTES.TXT", "mine");

    const CommandResult lines = verify({"--against", (sources / "SAMPLE.vxa").string()});
    EXPECT_EQ(lines.exitCode, 1);
    EXPECT_THAT(lines.out, HasSubstr("エラー: " + (cardFolder / "OPEN.WAV").string() + ": 内容が元のファイル"));
    EXPECT_THAT(lines.out, HasSubstr("警告: " + (cardFolder / "NOTES.TXT").string()));
    EXPECT_THAT(lines.out, HasSubstr("エラー 1 件、警告 1 件"));

    const CommandResult json = verify({"--against", (sources / "SAMPLE.vxa").string(), "--json"});
    EXPECT_EQ(json.exitCode, 1);
    const auto parsed = nlohmann::json::parse(json.out);
    EXPECT_FALSE(parsed["clean"].get<bool>());
    bool named = false;
    for (const auto& finding : parsed["findings"])
        named |= finding["severity"] == "error" && finding["file"] == (cardFolder / "OPEN.WAV").string();
    EXPECT_TRUE(named) << json.out;
}

TEST_F(VerifyCommand, UsageErrorsExitTwo) {
    EXPECT_EQ(runVexa({"verify"}).exitCode, 2);
    EXPECT_EQ(runVexa({"verify", (temp / "nothing").string()}).exitCode, 2);
}

}  // namespace
}  // namespace vexa::test
