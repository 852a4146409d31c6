#pragma once
// The sheet check of control data creation: every problem of the sheets that
// would make a broken card, as the lines of the error list (a prefix naming
// the sheet and line, then the message). Nothing stops at the first problem.
#include "core/config/Configuration.h"
#include "core/model/Project.h"

#include <string>
#include <vector>

namespace vexa {

// Sheet 0, or sheets 0 … 7 in Multi-sheet mode, in order. In Multi-sheet mode
// a sheet with a voice gets its Name (60 bytes), Memo (80 bytes), start and
// end time checked; every line up to the Line Count, used or not, its LED and
// BUZZER time (required, a number from 0 to 300).
std::vector<std::string> SheetErrors(const Project& project, const Settings& settings);

// The error list window's text: each line followed by a line break.
std::string ErrorListText(const std::vector<std::string>& errors);

}  // namespace vexa
