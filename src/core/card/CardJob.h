#pragma once
// One card to create, as the checks before it leave it: the Project to write
// (its Card Information filled from the entries), the settings it is written
// with, where the card goes and which WAVE files it takes.
#include "core/card/CardFolder.h"
#include "core/config/Configuration.h"
#include "core/model/Project.h"

#include <filesystem>
#include <string>
#include <vector>

namespace vexa {

struct CardJob {
    Project project;
    Settings settings;
    std::filesystem::path cardDataFolder;  // CardPath: the one folder creation writes in
    std::string folderName;                // the Card Folder's name in it (the Folder entry)
    std::filesystem::path cardFolder;      // both together, as the messages name it
    std::string controlFileName;   // CardName + ".vxa"
    std::vector<CardSound> sounds;  // in index order

    // The progress bar's end: two steps for the Control File and for each sound.
    int barMaximum() const { return (static_cast<int>(sounds.size()) + 1) * 2; }
};

}  // namespace vexa
