#pragma once
// Puts a complete new set of card files in place of the Card Folder's files,
// so that the folder holds either its old files or the new ones, never a mix
// or a part: a new folder is renamed into place, an existing one is exchanged
// with the new set in one step (its sub-folders are then moved over to the
// new one, and keep living in the Card Folder). Where the file system cannot
// exchange folders, the files are moved one by one with the old ones kept
// aside until the last new one is in place, and put back on any failure.
#include <filesystem>
#include <string>

namespace vexa {

enum class SwapMethod {
    Exchange,    // one exchange of the two folders; file by file where unsupported
    FileByFile,  // old files aside, new files in, old files removed
};

// `newSet` holds the new files (and nothing else) on the Card Folder's file
// system: beside the Card Folder, or inside it when the Card Folder is a file
// system of its own (then only FileByFile can be used). "" when done; else
// the problem, naming the file, and the Card Folder is as it was. What is
// left at `newSet` afterwards (the old files) is for the caller to remove.
std::string SwapCardFiles(const std::filesystem::path& newSet, const std::filesystem::path& cardFolder,
                          SwapMethod method);

}  // namespace vexa
