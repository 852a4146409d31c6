#include "app/EditorProject.h"

#include "app/MainWindowQuestions.h"
#include "config/Messages.h"
#include "model/ControlFileReader.h"

namespace vexa {
namespace {

constexpr int kMsgLoadFailed = 2504;

}  // namespace

Project StartingProject(const Configuration& configuration) {
    Project project;
    project.clearSheets(configuration.settings.lineCount());
    project.patterns = configuration.patternDefaults;
    project.user = configuration.user;
    project.resetSoundTable();
    project.modified = false;
    return project;
}

void NewDataMake(Project& project, const Configuration& configuration) {
    project.card = CardInformation{};
    project.clearSheets(configuration.settings.lineCount());
    project.modified = false;
    project.soundPresent = false;
    project.patterns = configuration.patternDefaults;
}

LoadOutcome RunLoadCommand(Project& project, const Configuration& configuration, UserDialogs& dialogs,
                           std::string& path) {
    path.clear();
    if (!ConfirmDiscardChanges(dialogs, project.modified))
        return LoadOutcome::Declined;
    path = ChooseControlFile(dialogs, configuration.settings.cardPath);
    if (path.empty())
        return LoadOutcome::Cancelled;
    return LoadChosenFile(project, configuration, dialogs, path);
}

LoadOutcome LoadChosenFile(Project& project, const Configuration& configuration, UserDialogs& dialogs,
                           const std::string& path) {
    // The reader refuses other kinds without a word; the user who picked one
    // learns why nothing was loaded, and the Project stays as it was.
    if (!ControlFileFormOf(path)) {
        dialogs.showMessage({GetMsg(kMsgLoadFailed), GetMsg(msg::kTitleError), MessageIcon::Error, MessageButtons::Ok});
        return LoadOutcome::Failed;
    }
    project.card = CardInformation{};
    if (!LoadKtrFile(path, project, configuration.settings, dialogs))
        return LoadOutcome::Failed;
    project.modified = false;
    return LoadOutcome::Loaded;
}

}  // namespace vexa
