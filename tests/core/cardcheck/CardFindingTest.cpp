// How a check's findings are ordered and summed up in its last line, the same
// in the window and on the command line.
#include "core/cardcheck/CardFinding.h"

#include <gtest/gtest.h>

namespace vexa {
namespace {

TEST(CardFinding, ErrorsComeFirstThenWarningsThenNotesEachInTheOrderFound) {
    const CardFindings found = {{Severity::Note, "", "n1"},
                                {Severity::Warning, "A.TXT", "w1"},
                                {Severity::Error, "B.WAV", "e1"},
                                {Severity::Note, "", "n2"},
                                {Severity::Error, "C.WAV", "e2"}};
    std::vector<std::string> order;
    for (const CardFinding& finding : OrderedBySeverity(found))
        order.push_back(finding.text);
    EXPECT_EQ(order, (std::vector<std::string>{"e1", "e2", "w1", "n1", "n2"}));
    EXPECT_EQ(FindingsText({found[1], found[0]}), "警告: A.TXT: w1\n情報: n1\n");
}

TEST(CardFinding, TheSummaryCountsErrorsAndWarningsAndNeverCallsAStoppedCheckClean) {
    const CardFinding error{Severity::Error, "B.WAV", "e"};
    const CardFinding warning{Severity::Warning, "A.TXT", "w"};
    const CardFinding note{Severity::Note, "", "n"};
    struct Case {
        const char* name;
        CardFindings findings;
        bool stopped;
        bool clean;
        std::string text;
    };
    const Case cases[] = {
        {"notes only", {note}, false, true, "問題はありません：/media/card"},
        {"errors and warnings", {error, note, warning, error}, false, false, "エラー 2 件、警告 1 件：/media/card"},
        {"a warning alone", {warning}, false, false, "エラー 0 件、警告 1 件：/media/card"},
        {"stopped with nothing found", {}, true, false, "確認は途中で中止されました：結果は不完全です。"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const CardCheckSummary summary = SummariseCheck(c.findings, c.stopped, "/media/card");
        EXPECT_EQ(summary.clean, c.clean);
        EXPECT_EQ(summary.text, c.text);
    }
    EXPECT_EQ(SummariseCheck({error, note, warning, error}, false, "x").errors, 2u);
}

}  // namespace
}  // namespace vexa
