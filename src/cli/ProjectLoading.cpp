#include "ProjectLoading.h"

#include "model/ControlFileReader.h"

#include <iostream>

namespace vexa::cli {

bool loadProject(const std::string& file, const Configuration& configuration, Project& project,
                 UserDialogs& dialogs) {
    project.patterns = configuration.patternDefaults;
    project.user = configuration.user;
    if (!ControlFileFormOf(file)) {
        // The editor's loader refuses other files silently; a command says why.
        std::cerr << "not a Control File (.vxa, .ktr or .wpj): " << file << std::endl;
        return false;
    }
    return LoadKtrFile(file, project, configuration.settings, dialogs);
}

}  // namespace vexa::cli
