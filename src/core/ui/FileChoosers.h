#pragma once
// The file and folder choosers the windows share, over UserDialogs. They keep
// the result forms the callers take apart and the 1024-character limit.
#include "ui/UserDialogs.h"

#include <string>
#include <vector>

namespace vexa {

// "" when cancelled; one file: its full path; several files: the folder with a
// trailing separator, then each file name preceded by a NUL (see SplitSelection).
// A result longer than 1024 characters is refused with a message and gives "".
std::string OpenFileDialog(UserDialogs& dialogs, bool multiple, const std::vector<std::string>& filters,
                           const std::string& initialFolder, const std::string& title);

// The chosen folder without a trailing separator, or "" when cancelled.
std::string BrowseFolder(UserDialogs& dialogs, const std::string& initialFolder);

}  // namespace vexa
