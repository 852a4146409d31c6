#include "cli/ProjectLoading.h"

#include "core/app/EditorProject.h"
#include "core/controlfile/ControlFileReader.h"
#include "core/controlfile/UndecodedText.h"

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

bool loadDocumentWithCardInformation(const std::string& file, Document& document, UserDialogs& dialogs) {
    if (!ControlFileFormOf(file)) {
        std::cerr << "not a Control File (.vxa, .ktr or .wpj): " << file << std::endl;
        return false;
    }
    Project project = document.project();
    if (const ControlFileLoad load = LoadKtrFile(file, project, document.configuration().settings); !load) {
        ShowLoadRefusals(dialogs, load);
        return false;
    }
    document.replaceProject(std::move(project));
    WarnOfUndecodedLines(document.project().undecoded, dialogs);
    return true;
}

}  // namespace vexa::cli
