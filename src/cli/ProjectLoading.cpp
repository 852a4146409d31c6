#include "cli/ProjectLoading.h"

#include "core/app/EditorProject.h"
#include "core/controlfile/ControlFileReader.h"
#include "core/controlfile/UndecodedText.h"

#include <iostream>

namespace vexa::cli {
namespace {

bool isControlFile(const std::string& file) {
    if (ControlFileFormOf(file))
        return true;
    // The editor's loader refuses other files without naming them; a command says why.
    std::cerr << "not a Control File (.vxa, .ktr or .wpj): " << file << std::endl;
    return false;
}

std::unique_ptr<Document> documentOf(const Configuration& configuration, Project project, UserDialogs& dialogs) {
    auto document = std::make_unique<Document>(configuration, std::move(project));
    WarnOfUndecodedLines(document->project().undecoded, dialogs);
    return document;
}

}  // namespace

std::unique_ptr<Document> loadDocument(const std::string& file, const Configuration& configuration,
                                       UserDialogs& dialogs) {
    if (!isControlFile(file))
        return nullptr;
    Project project = StartingProject(configuration);
    if (ReadChosenFile(project, configuration.settings, dialogs, file) != LoadOutcome::Loaded)
        return nullptr;
    return documentOf(configuration, std::move(project), dialogs);
}

std::unique_ptr<Document> loadDocumentWithCardInformation(const std::string& file,
                                                          const Configuration& configuration,
                                                          UserDialogs& dialogs) {
    if (!isControlFile(file))
        return nullptr;
    Project project = StartingProject(configuration);
    if (const ControlFileLoad load = LoadKtrFile(file, project, configuration.settings); !load) {
        ShowLoadRefusals(dialogs, load);
        return nullptr;
    }
    return documentOf(configuration, std::move(project), dialogs);
}

}  // namespace vexa::cli
