#pragma once
// What the main window asks before it ends, clears or replaces the editing
// contents, and the file chooser of the Load command.
#include "core/ui/UserDialogs.h"

#include <string>
#include <vector>

namespace vexa {

enum class ExitDecision {
    EndProgram,        // end at once, with all windows
    StayOpen,          // keep the editor open
    OpenCardCreation,  // keep the editor open and open control data creation
};

// Not modified: 2037 Yes/No (Yes ends). Modified: 2036 Yes/No/Cancel (Yes
// saves through control data creation, No ends, Cancel stays).
ExitDecision AskExit(UserDialogs& dialogs, bool modified);

// Before New and Load: true to go on. Asks 2032 Yes/No only when modified.
bool ConfirmDiscardChanges(UserDialogs& dialogs, bool modified);

// The Load chooser's filters, "description|pattern", in the order offered.
std::vector<std::string> ControlFileFilters();

// Shows the Load chooser for one file, opening in the card data folder.
// The chosen path, or "" when cancelled.
std::string ChooseControlFile(UserDialogs& dialogs, const std::string& cardPath);

}  // namespace vexa
