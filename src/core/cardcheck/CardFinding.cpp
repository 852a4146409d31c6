#include "core/cardcheck/CardFinding.h"

#include <algorithm>

namespace vexa {

const char* SeverityText(Severity severity) {
    switch (severity) {
    case Severity::Error:
        return "エラー";
    case Severity::Warning:
        return "警告";
    case Severity::Note:
        break;
    }
    return "情報";
}

const char* SeverityKey(Severity severity) {
    switch (severity) {
    case Severity::Error:
        return "error";
    case Severity::Warning:
        return "warning";
    case Severity::Note:
        break;
    }
    return "note";
}

bool IsClean(const CardFindings& findings) {
    return std::none_of(findings.begin(), findings.end(),
                        [](const CardFinding& f) { return f.severity != Severity::Note; });
}

CardFindings OrderedBySeverity(const CardFindings& findings) {
    CardFindings ordered = findings;
    std::stable_sort(ordered.begin(), ordered.end(),
                     [](const CardFinding& a, const CardFinding& b) { return a.severity < b.severity; });
    return ordered;
}

std::string FindingsText(const CardFindings& findings) {
    std::string text;
    for (const CardFinding& finding : OrderedBySeverity(findings)) {
        text += SeverityText(finding.severity);
        text += ": ";
        if (!finding.file.empty())
            text += finding.file + ": ";
        text += finding.text + "\n";
    }
    return text;
}

CardCheckSummary SummariseCheck(const CardFindings& findings, bool stopped, const std::string& folder) {
    CardCheckSummary summary;
    for (const CardFinding& finding : findings) {
        summary.errors += finding.severity == Severity::Error;
        summary.warnings += finding.severity == Severity::Warning;
    }
    summary.clean = !stopped && summary.errors == 0 && summary.warnings == 0;
    if (stopped)
        summary.text = "確認は途中で中止されました：結果は不完全です。";
    else if (summary.clean)
        summary.text = "問題はありません：" + folder;
    else
        summary.text = "エラー " + std::to_string(summary.errors) + " 件、警告 " + std::to_string(summary.warnings) +
                       " 件：" + folder;
    return summary;
}

}  // namespace vexa
