#include "core/app/ProgramPaths.h"

namespace vexa {

ProgramPaths ProgramPaths::forFolder(const std::filesystem::path& programFolder) {
    ProgramPaths p;
    p.programFolder = programFolder;
    p.configurationFile = programFolder / "vexacontrol.ini";
    p.elementPatternFile = programFolder / "elmptnvxa.elm";
    p.workFolder = programFolder / "Temp";
    p.releaseNotes = programFolder / "Release.txt";
    p.userGuide = programFolder / "UserGuide.html";
    return p;
}

}  // namespace vexa
