#pragma once
// Which folder is the Program Folder of a run, and its first filling.
//
// --home DIR always wins. A portable copy (the executable's folder holds
// vexacontrol.ini and may be written) keeps everything beside the executable.
// An installed program keeps each user's files under the XDG config home
// ($XDG_CONFIG_HOME/vexa-editor, else ~/.config/vexa-editor), seeded from the
// read-only defaults installed in <prefix>/share/vexa-editor.
#include "core/app/ProgramPaths.h"

#include <filesystem>
#include <string>
#include <vector>

namespace vexa {

enum class ProgramFolderKind { Home, Portable, Installed };

struct ProgramFolderInputs {
    std::filesystem::path executableFolder;
    std::filesystem::path home;  // --home DIR; empty when not given
    std::string xdgConfigHome;   // $XDG_CONFIG_HOME; empty when unset
    std::string userHome;        // $HOME
};

struct ProgramFolderChoice {
    ProgramFolderKind kind = ProgramFolderKind::Portable;
    std::filesystem::path folder;
    std::filesystem::path defaultsFolder;  // Installed: where the first files come from
    std::filesystem::path userGuide;
};

// The files an installed program copies into a new per-user Program Folder.
inline const std::vector<std::string> kSeededFiles = {"vexacontrol.ini", "elmptnvxa.elm", "Release.txt"};

ProgramFolderChoice ChooseProgramFolder(const ProgramFolderInputs& inputs);

// Reads the inputs of this process: the executable's folder (/proc/self/exe),
// $XDG_CONFIG_HOME and $HOME, with `home` from the command line.
ProgramFolderInputs CurrentProgramFolderInputs(const std::filesystem::path& home);

struct SeedResult {
    std::vector<std::string> copied;  // file names copied this time
    std::string error;                // empty when the folder is ready
};

// Creates the folder (every missing level) and copies each default file that
// is missing there. A file the user already has is never touched.
SeedResult SeedProgramFolder(const std::filesystem::path& folder, const std::filesystem::path& defaults);

// The paths of a run: chosen, seeded when installed, with the user guide
// where it was installed. `seedError` says why seeding failed (the run goes
// on with the defaults a missing Configuration File gives).
struct ResolvedProgramFolder {
    ProgramFolderChoice choice;
    ProgramPaths paths;
    std::string seedError;
};
ResolvedProgramFolder ResolveProgramFolder(const ProgramFolderInputs& inputs);

const char* ProgramFolderKindName(ProgramFolderKind kind);

}  // namespace vexa
