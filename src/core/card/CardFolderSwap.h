#pragma once
// Puts a complete new set of card files in place of the Card Folder's files,
// so that the folder holds either its old files or the new ones, never a mix
// or a part — also across a crash or a power cut: a new folder is renamed into
// place; an existing one is exchanged with the new set in one step (its
// sub-folders are then moved over to the new one); where the file system
// cannot exchange folders, the files are moved one by one with the old ones
// kept aside in the work folder. Before an existing Card Folder is touched, a
// record of the swap is written beside the work folder (CardSwapRecord), so
// that a later run can finish or undo a swap that was cut short
// (SettleCardSwap; CardSwapRecovery finds them).
//
// Everything works through the descriptor of the one folder that holds the
// work folder, with plain names only: nothing here can reach outside it.
#include <filesystem>
#include <string>

namespace vexa {

enum class SwapMethod {
    Exchange,    // one exchange of the two folders; file by file where unsupported
    FileByFile,  // old files aside, new files in, old files removed
};

struct SwapPlaces {
    int place = -1;          // the folder holding the work folder and the record
    std::string workFolder;  // the new set, and nothing else, by its name in `place`
    std::string cardFolder;  // the Card Folder's name in `place`; "." when `place` is the Card Folder
    std::filesystem::path shownCardFolder;  // how the messages name the Card Folder
};

// "" when done: the new set is the Card Folder's, the old files, the work
// folder and the record are gone. Else the problem, naming the file: the Card
// Folder holds its old files (when even they could not be put back, the
// problem says where they are, and the record stays for a later run).
std::string SwapCardFiles(const SwapPlaces& places, SwapMethod method);

// Settles the swap of the work folder `workFolder` in `place` after it was
// cut short, as its record tells: finished when the new set was already the
// Card Folder's (exchanged, or every new file moved in), undone otherwise, or
// always undone with `undo`. A work folder without a record never touched the
// Card Folder and is removed. "" when settled (the work folder and the record
// are gone); else the problem, and both stay.
std::string SettleCardSwap(int place, const std::filesystem::path& shownPlace, const std::string& workFolder,
                           bool undo);

}  // namespace vexa
