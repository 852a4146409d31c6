// vexa week: the sample's week as JSON and as text, the month chosen, and the
// refusals.
#include "TestPaths.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace vexa::test {
namespace {

using ::testing::HasSubstr;
using Json = nlohmann::json;

CommandResult week(std::vector<std::string> extra) {
    std::vector<std::string> args{"week", (std::filesystem::path(VEXA_SAMPLE_DIR) / "SAMPLE.vxa").string(), "--home",
                                  programFolder().string(), "--lines", "95", "--multi"};
    args.insert(args.end(), extra.begin(), extra.end());
    return runVexa(args);
}

std::vector<std::string> spans(const Json& day) {
    std::vector<std::string> out;
    for (const Json& span : day["spans"])
        out.push_back(std::to_string(span["sheet"].get<int>()) + " " + span["start"].get<std::string>() + "-" +
                      span["end"].get<std::string>());
    return out;
}

TEST(WeekCommand, TheSamplesWeekInJulyAndInApril) {
    const CommandResult july = week({"--month", "7", "--json"});
    ASSERT_EQ(july.exitCode, 0) << july.err;
    const Json plan = Json::parse(july.out);
    EXPECT_EQ(plan["month_name"], "7月");
    ASSERT_EQ(plan["days"].size(), 7u);
    // Sheet 1 on weekdays in the morning; sheet 2 every day in July and August in the evening.
    EXPECT_THAT(spans(plan["days"][0]), ::testing::ElementsAre("1 08:30-10:00", "2 20:45-21:00"));
    EXPECT_THAT(spans(plan["days"][6]), ::testing::ElementsAre("2 20:45-21:00"));
    EXPECT_TRUE(plan["overlaps"].empty());
    ASSERT_EQ(plan["sheets"].size(), 2u);
    EXPECT_EQ(plan["sheets"][0]["play_seconds"], 15.0);
    EXPECT_EQ(plan["sheets"][0]["fits"], true);

    const CommandResult april = week({"--month", "4"});
    ASSERT_EQ(april.exitCode, 0) << april.err;
    EXPECT_THAT(april.out, HasSubstr("日: -"));
    EXPECT_THAT(april.out, HasSubstr("4月の日曜日に放送するシートがありません。"));
}

TEST(WeekCommand, RefusesAMissingFileAndABadMonth) {
    const CommandResult missing = runVexa({"week", "/nonexistent/X.vxa", "--home", programFolder().string()});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_THAT(missing.err, HasSubstr("/nonexistent/X.vxa"));
    EXPECT_EQ(week({"--month", "13"}).exitCode, 2);
}

}  // namespace
}  // namespace vexa::test
