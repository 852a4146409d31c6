#include "core/app/EditorProject.h"

#include "core/app/MainWindowQuestions.h"
#include "core/controlfile/ControlFileReader.h"
#include "core/controlfile/UndecodedText.h"
#include "core/ui/Refusal.h"

namespace vexa {

void NewDataMake(Document& document) {
    document.replaceProject(ClearedProject(document.project(), document.configuration()));
}

LoadOutcome RunLoadCommand(Document& document, UserDialogs& dialogs, std::string& path) {
    path.clear();
    if (!ConfirmDiscardChanges(dialogs, document.modified()))
        return LoadOutcome::Declined;
    path = ChooseControlFile(dialogs, document.configuration().settings.cardPath);
    if (path.empty())
        return LoadOutcome::Cancelled;
    return LoadChosenFile(document, dialogs, path);
}

LoadOutcome LoadChosenFile(Document& document, UserDialogs& dialogs, const std::string& path) {
    Project loaded = document.project();  // the Document keeps its own when the file is refused
    if (const LoadOutcome outcome = ReadChosenFile(loaded, document.configuration().settings, dialogs, path);
        outcome != LoadOutcome::Loaded)
        return outcome;
    document.replaceProject(std::move(loaded));
    WarnOfUndecodedLines(document.project().undecoded, dialogs);
    return LoadOutcome::Loaded;
}

LoadOutcome ReadChosenFile(Project& project, const Settings& settings, UserDialogs& dialogs, const std::string& path) {
    // The reader refuses other kinds without a word; the user who picked one
    // learns why nothing was loaded.
    if (!ControlFileFormOf(path)) {
        ShowRefusal(dialogs, Refusal::error(msg::kLoadFailed));
        return LoadOutcome::Failed;
    }
    project.card = CardInformation{};
    if (const ControlFileLoad load = LoadKtrFile(path, project, settings); !load) {
        ShowLoadRefusals(dialogs, load);
        return LoadOutcome::Failed;
    }
    return LoadOutcome::Loaded;
}

}  // namespace vexa
