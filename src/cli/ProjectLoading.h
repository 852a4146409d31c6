#pragma once
// Loading a Control File for a command, into a Project set up as the editor's
// is at start-up (Pattern Times from the defaults, the running User Information).
#include "config/Configuration.h"
#include "model/Project.h"
#include "ui/UserDialogs.h"

#include <string>

namespace vexa::cli {

// False after a message on stderr when the file is not loaded.
bool loadProject(const std::string& file, const Configuration& configuration, Project& project,
                 UserDialogs& dialogs);

}  // namespace vexa::cli
