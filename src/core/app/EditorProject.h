#pragma once
// The document commands of the main window that are not undoable: New, and
// Load from question to file.
#include "core/document/Document.h"
#include "core/ui/UserDialogs.h"

#include <string>

namespace vexa {

// The data part of NewDataMakeClick: the Project cleared as ClearedProject
// says; the history is gone and the Project counts as unmodified.
void NewDataMake(Document& document);

enum class LoadOutcome {
    Declined,   // the user kept the unsaved changes
    Cancelled,  // no file chosen: nothing changed
    Failed,     // the reader refused the file (and said why); nothing changed
    Loaded,     // the Project holds the file; not modified
};

// Load: asks 2032 when modified, shows the chooser in the card data folder,
// then reads the chosen file into the Project with its Card Information
// emptied. A file of another kind is refused with message 2504. `path` is the
// chosen file ("" when none).
LoadOutcome RunLoadCommand(Document& document, UserDialogs& dialogs, std::string& path);

// The reading part of Load, for a path already chosen: Failed or Loaded. A
// failed read leaves the Project and its history as they were; a file with
// bytes that are not CP932 is warned of once the Project holds it.
LoadOutcome LoadChosenFile(Document& document, UserDialogs& dialogs, const std::string& path);

// What LoadChosenFile does to the Project, on a Project of the caller's: the
// Card Information emptied, then the file read over it; a refused file is
// said (message 2504 for another kind). After Failed `project` is partly
// cleared: a caller that must keep its Project reads into a copy. The warning
// of bytes that are not CP932 is the caller's (WarnOfUndecodedLines).
LoadOutcome ReadChosenFile(Project& project, const Settings& settings, UserDialogs& dialogs, const std::string& path);

}  // namespace vexa
