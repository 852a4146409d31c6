#pragma once
// Folder creation for the windows that ask the user for a folder (the tools
// window's output folder, the settings window's card data folder).
#include <string>

namespace vexa {

// Creates every missing level of `path` (trimmed of blanks at both ends).
// True when the folder exists afterwards; false on any failure, including a
// level that exists as a file, or an empty path.
bool MakeDir(const std::string& path);

}  // namespace vexa
