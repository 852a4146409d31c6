#pragma once
// The Project as the main window holds it: how it starts when the window
// opens, what New leaves in it, and the Load command from question to file.
#include "config/Configuration.h"
#include "model/Project.h"
#include "ui/UserDialogs.h"

#include <string>

namespace vexa {

// Sheets 0 … 7 cleared for the Line Count, the Pattern Times from the Pattern
// Time Defaults, the User Information read at start-up, one empty sound slot,
// not modified.
Project StartingProject(const Configuration& configuration);

// The data part of NewDataMakeClick: empties the Card Information, clears
// sheets 0 … 7, clears the Modified and Sound Present flags and puts the
// Pattern Time Defaults back. The Sound Table entries stay.
void NewDataMake(Project& project, const Configuration& configuration);

enum class LoadOutcome {
    Declined,   // the user kept the unsaved changes
    Cancelled,  // no file chosen: nothing changed
    Failed,     // the reader refused the file (and said why)
    Loaded,     // the Project holds the file; not modified
};

// Load: asks 2032 when modified, shows the chooser in the card data folder,
// then empties the Card Information and reads the chosen file. A file of
// another kind is refused with message 2504 and changes nothing. `path` is
// the chosen file ("" when none).
LoadOutcome RunLoadCommand(Project& project, const Configuration& configuration, UserDialogs& dialogs,
                           std::string& path);

// The reading part of Load, for a path already chosen: Failed or Loaded.
LoadOutcome LoadChosenFile(Project& project, const Configuration& configuration, UserDialogs& dialogs,
                           const std::string& path);

}  // namespace vexa
