#pragma once
// Loading a Control File for a command into the command's Document, whose
// Project starts as the editor's does (Pattern Times from the defaults, the
// running User Information). The file is read into that Project before the
// Document takes it, so the Project is built once, not built and copied.
#include "core/document/Document.h"
#include "core/ui/UserDialogs.h"

#include <memory>
#include <string>

namespace vexa::cli {

// The Document holding the file as the editor's Load leaves it; nullptr after
// a message on stderr when the file is not loaded.
std::unique_ptr<Document> loadDocument(const std::string& file, const Configuration& configuration,
                                       UserDialogs& dialogs);

// The same, keeping the Card Information the file holds (the editor's Load
// empties it): for the commands that make or print the card's data.
std::unique_ptr<Document> loadDocumentWithCardInformation(const std::string& file,
                                                          const Configuration& configuration,
                                                          UserDialogs& dialogs);

}  // namespace vexa::cli
