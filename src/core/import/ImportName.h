#pragma once
// The name an imported sound is written under: an 8.3 name proposed from the
// source's base name (its ASCII letters and digits, upper case, at most 8,
// ".WAV"; VOICE001 … when nothing is left), never one already used in the
// output folder, the Sound Table or the same batch, compared without regard
// to case as on the card's FAT. A name the user gives instead passes the
// registration's name rules.
#include "core/ui/Refusal.h"

#include <filesystem>
#include <set>
#include <string>
#include <vector>

namespace vexa {

// Names in use, kept upper case.
class TakenNames {
public:
    void add(const std::string& name);
    bool contains(const std::string& name) const;
    // Every entry of the folder (files and folders alike); nothing when it
    // cannot be listed.
    void addFolder(const std::filesystem::path& folder);
    void addAll(const std::vector<std::string>& names);

private:
    std::set<std::string> names_;
};

// ASCII letters upper case, everything else as it is.
std::string AsciiUpper(std::string text);

// The proposal for `source`, not among `taken`.
std::string ProposeImportName(const std::filesystem::path& source, const TakenNames& taken);

// A name the user typed: upper case, ".WAV" added when it has no extension.
std::string NormaliseImportName(const std::string& typed);

// The refusal of a (normalised) name: the registration's name rules, an
// extension other than ".WAV", or a name already in use; field "name".
CheckResult CheckImportName(const std::string& name, const TakenNames& taken);

}  // namespace vexa
