#pragma once
// One thing a card check found: how grave it is, the file or folder it
// concerns and what it is, in Japanese.
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

// The findings as lines "エラー: FILE: TEXT", errors first, then warnings, then notes.
std::string FindingsText(const CardFindings& findings);

}  // namespace vexa
