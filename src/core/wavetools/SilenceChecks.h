#pragma once
// What is checked before a silent file is made, once the time entries hold
// numbers: a length above zero and an output name with a ".". Refusals are
// shown with the warning icon and the title "確認"; the first one wins.
#include "ui/UserDialogs.h"

#include <string>

namespace vexa {

// The entry that a refusal is about (the window puts the focus there).
enum class SilenceEntry { None, Minutes, Output };

SilenceEntry CheckSilenceRequest(int seconds, const std::string& output, UserDialogs& dialogs);

}  // namespace vexa
