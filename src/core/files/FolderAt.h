#pragma once
// Work inside one folder through its directory descriptor, so that no name
// can lead outside it: a name is one entry of that folder, never a path, and
// symbolic links are not followed.
#include "core/files/UniqueFd.h"

#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace vexa {

// Opens the folder `path` (as the user gave it; links along it are followed).
// Invalid with errno set when it cannot be opened as a folder.
UniqueFd OpenFolder(const std::filesystem::path& path);

// Opens the sub-folder `name` directly inside `folder`: resolved beneath it
// (openat2 with RESOLVE_BENEATH where the kernel has it), never through a
// symbolic link. Invalid with errno set otherwise (ELOOP for a link).
UniqueFd OpenSubFolder(int folder, const std::string& name);

// The entry's status, without following a link; false with errno set.
bool StatAt(int folder, const std::string& name, struct stat& info);
bool ExistsAt(int folder, const std::string& name);

// The names in `folder` (without "." and ".."), sorted; empty on failure.
std::vector<std::string> NamesIn(int folder);

// Removes `name` in `folder` with everything inside it, never following a
// link (a link is removed, not what it points at). True when it is gone.
bool RemoveTreeAt(int folder, const std::string& name);

// Flushes the folder's entries to the disk.
void SyncFolder(int folder);

}  // namespace vexa
