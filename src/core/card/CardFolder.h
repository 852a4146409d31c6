#pragma once
// Where a card's files go and which files they are: the Card Folder below the
// card data folder, the WAVE files of the Sound Table and their total size.
#include "core/model/Project.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace vexa {

// The card data folder (CardPath) with a "/" added when its trimmed text does
// not end in one, followed by the Folder entry.
std::filesystem::path CardFolderPath(std::string_view cardPath, std::string_view folder);

// The Control File's name in the Card Folder: CardName + ".vxa".
std::string ControlFileName(std::string_view cardName);

struct CardSound {
    std::string fileName;                // name in the Card Folder
    std::filesystem::path source;        // where it is copied from

    bool operator==(const CardSound&) const = default;
};

// The Sound Entries in index order (none when the Sound Present flag is off).
std::vector<CardSound> CardSounds(const Project& project);

// The sum of the sizes of those sources; a file that cannot be measured adds
// nothing.
std::uint64_t TotalSoundBytes(const Project& project);

}  // namespace vexa
