#pragma once
// The paths fixed at start-up from the Program Folder.
#include <filesystem>

namespace vexa {

struct ProgramPaths {
    std::filesystem::path programFolder;
    std::filesystem::path configurationFile;   // vexacontrol.ini
    std::filesystem::path elementPatternFile;  // elmptnvxa.elm
    std::filesystem::path workFolder;          // Temp
    std::filesystem::path releaseNotes;        // Release.txt
    std::filesystem::path userGuide;           // UserGuide.html

    static ProgramPaths forFolder(const std::filesystem::path& programFolder);
};

}  // namespace vexa
