#pragma once
// What is checked before every WAVE file of a folder is converted to mono.
// The entries are compared exactly as typed: the same folder written once
// with and once without a final separator counts as two.
#include "core/ui/Refusal.h"

#include <string>

namespace vexa {

// Before the output folder is looked for: a source folder given and existing,
// an output folder given.
CheckResult CheckFolderEntries(const std::string& source, const std::string& output);

// Once the output folder exists: it is not the source folder, as text or on
// disk (refused at the output box), and the source holds at least one "*.wav"
// file in any letter case (refused at the source box).
CheckResult CheckFolderSources(const std::string& source, const std::string& output);

// The question asked when the output folder does not exist: 2047 and 2085.
std::string CreateFolderQuestion();

// The refusal of an output folder that could not be made (2807).
Refusal FolderNotMade();

}  // namespace vexa
