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

std::string FindingsText(const CardFindings& findings) {
    CardFindings ordered = findings;
    std::stable_sort(ordered.begin(), ordered.end(),
                     [](const CardFinding& a, const CardFinding& b) { return a.severity < b.severity; });
    std::string text;
    for (const CardFinding& finding : ordered) {
        text += SeverityText(finding.severity);
        text += ": ";
        if (!finding.file.empty())
            text += finding.file + ": ";
        text += finding.text + "\n";
    }
    return text;
}

}  // namespace vexa
