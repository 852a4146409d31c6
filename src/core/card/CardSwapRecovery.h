#pragma once
// Finds what interrupted card creations left behind and settles it: a work
// folder whose process has ended (SIGKILL, a power cut) is removed, and a swap
// it had begun is finished or undone as its record tells (SettleCardSwap), so
// that the Card Folder holds exactly its old set or exactly the new one. Work
// folders of creations still running are left alone.
#include <filesystem>
#include <string>
#include <vector>

namespace vexa {

struct CardRecovery {
    std::vector<std::filesystem::path> settled;  // work folders finished with or undone
    std::vector<std::string> problems;           // what could not be settled, naming the folder

    bool empty() const { return settled.empty() && problems.empty(); }
};

// The leftovers directly in `place` (a descriptor; `shownPlace` names it).
CardRecovery RecoverStaleWorkFolders(int place, const std::filesystem::path& shownPlace);

// The leftovers in the card data folder and in each folder directly inside it
// (where a Card Folder that is a file system of its own keeps its work folder).
CardRecovery RecoverInterruptedCards(const std::filesystem::path& cardDataFolder);

// The work folders still directly in `place` (of creations running, or that
// could not be removed), for a message that says what takes the room.
std::vector<std::string> WorkFoldersIn(int place);

// A text for the user about what recovery did; "" when it did nothing.
std::string CardRecoveryText(const CardRecovery& recovery);

}  // namespace vexa
