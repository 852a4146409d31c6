#pragma once
// What is checked before a silent file is made, in the order the tools window
// checks it; the command line runs the length and name checks. Refusals are
// warnings titled "確認"; the first one wins.
#include "core/ui/Refusal.h"
#include "core/ui/UserDialogs.h"

#include <string>

namespace vexa {

// The entry that a refusal is about (the window puts the focus there).
enum class SilenceEntry { None, Minutes, Output };

// A length above zero (refused at the minutes box) and an output name that is
// no folder, has a "." and lies in a folder that exists (refused at the file
// box).
CheckResult CheckSilenceFile(int seconds, const std::string& output);

// The boxes as typed: minutes and seconds given and numbers (2082 otherwise),
// then CheckSilenceFile on their length.
CheckResult CheckSilenceEntries(const std::string& minutes, const std::string& seconds, const std::string& output);

// CheckSilenceFile, showing the refusal.
SilenceEntry CheckSilenceRequest(int seconds, const std::string& output, UserDialogs& dialogs);

}  // namespace vexa
