#include "ProjectLoading.h"

#include "app/EditorProject.h"
#include "model/ControlFileReader.h"

#include <iostream>

namespace vexa::cli {

bool loadDocument(const std::string& file, Document& document, UserDialogs& dialogs) {
    if (!ControlFileFormOf(file)) {
        // The editor's loader refuses other files without naming them; a command says why.
        std::cerr << "not a Control File (.vxa, .ktr or .wpj): " << file << std::endl;
        return false;
    }
    return LoadChosenFile(document, dialogs, file) == LoadOutcome::Loaded;
}

}  // namespace vexa::cli
