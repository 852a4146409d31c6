#pragma once
// The file and folder choosers the windows share, over UserDialogs. They keep
// the result forms the callers take apart and the 1024-character limit.
#include "core/ui/UserDialogs.h"

#include <string>
#include <vector>

namespace vexa {

// `folder` when it exists, else its nearest existing parent ("" for "" or
// when no part of it exists). Choosers open there: a folder that is not made
// yet (the card data folder before the first card) would otherwise open the
// chooser somewhere else with the folder's name typed in as a file name.
std::string NearestExistingFolder(const std::string& folder);

// Both choosers open in NearestExistingFolder(initialFolder).
// "" when cancelled; one file: its full path; several files: the folder with a
// trailing separator, then each file name preceded by a NUL (see SplitSelection).
// A result longer than 1024 characters is refused with a message and gives "".
std::string OpenFileDialog(UserDialogs& dialogs, bool multiple, const std::vector<std::string>& filters,
                           const std::string& initialFolder, const std::string& title);

// The chosen folder without a trailing separator, or "" when cancelled.
std::string BrowseFolder(UserDialogs& dialogs, const std::string& initialFolder);

}  // namespace vexa
