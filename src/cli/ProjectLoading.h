#pragma once
// Loading a Control File for a command into the command's Document, whose
// Project starts as the editor's does (Pattern Times from the defaults, the
// running User Information).
#include "core/document/Document.h"
#include "core/ui/UserDialogs.h"

#include <string>

namespace vexa::cli {

// False after a message on stderr when the file is not loaded.
bool loadDocument(const std::string& file, Document& document, UserDialogs& dialogs);

// The same, keeping the Card Information the file holds (the editor's Load
// empties it): for the commands that make or print the card's data.
bool loadDocumentWithCardInformation(const std::string& file, Document& document, UserDialogs& dialogs);

}  // namespace vexa::cli
