#pragma once
// One thing a card check found: how grave it is, the file or folder it
// concerns and what it is, in Japanese.
#include <cstddef>
#include <string>
#include <vector>

namespace vexa {

enum class Severity { Error, Warning, Note };

struct CardFinding {
    Severity severity = Severity::Note;
    std::string file;  // the file or folder concerned, as the user knows it ("" for the card as a whole)
    std::string text;

    bool operator==(const CardFinding&) const = default;
};

using CardFindings = std::vector<CardFinding>;

// "エラー", "警告", "情報".
const char* SeverityText(Severity severity);
// "error", "warning", "note" (for JSON).
const char* SeverityKey(Severity severity);

// No error and no warning (notes allowed).
bool IsClean(const CardFindings& findings);

// Errors first, then warnings, then notes, each in the order found.
CardFindings OrderedBySeverity(const CardFindings& findings);

// The findings as lines "エラー: FILE: TEXT", in that order.
std::string FindingsText(const CardFindings& findings);

// The line that ends a check of `folder`: stopped, clean, or how many errors
// and warnings were found.
struct CardCheckSummary {
    std::size_t errors = 0;
    std::size_t warnings = 0;
    bool clean = false;  // whole, and no error or warning
    std::string text;
};
CardCheckSummary SummariseCheck(const CardFindings& findings, bool stopped, const std::string& folder);

}  // namespace vexa
