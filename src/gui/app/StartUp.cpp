#include "gui/app/StartUp.h"

#include "core/app/FirstStart.h"
#include "core/card/CardSwapRecovery.h"
#include "gui/app/FrmFast.h"
#include "gui/app/FrmMain.h"
#include "core/app/ProgramPaths.h"
#include "core/config/ConfigurationFile.h"
#include "core/config/ElementPatternFile.h"
#include "core/config/Messages.h"
#include "core/files/InputFile.h"
#include "gui/ui/QtUserDialogs.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace vexa::gui {
namespace {


std::filesystem::path toPath(const QString& text) { return std::filesystem::path(text.toStdString()); }

// Earlier versions kept one first-start record per user in the user's
// configuration folder. A user who has one has had a first start: the folder
// gets its record without CardPath being written again over the user's choice.
void adoptEarlierFirstStartRecord(const QString& record) {
    const QString earlier = QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
                                .filePath("VexaEditor/first-start");
    if (!QFile::exists(record) && QFile::exists(earlier))
        QFile::copy(earlier, record);
}

QString userDocumentsFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

}  // namespace

StartUp::StartUp(StartUpOptions options)
    : options_(std::move(options)), instance_(options_.programFolder) {}

StartUp::~StartUp() = default;

QString StartUp::defaultFirstStartRecord(const QString& programFolder) {
    return QDir(programFolder).filePath(".first-start");
}

UserDialogs& StartUp::dialogs() {
    if (options_.dialogs)
        return *options_.dialogs;
    if (!ownDialogs_)
        ownDialogs_ = std::make_unique<QtUserDialogs>();
    return *ownDialogs_;
}

std::unique_ptr<FrmMain> StartUp::run() {
    if (instance_.acquire() == SingleInstance::Result::HeldByAnother) {
        dialogs().showMessage({GetMsg(msg::kAlreadyRunning), GetMsg(msg::kTitleConfirm), MessageIcon::Warning,
                               MessageButtons::Ok});
        return nullptr;
    }

    ProgramPaths paths = ProgramPaths::forFolder(toPath(options_.programFolder));
    if (!options_.userGuide.isEmpty())
        paths.userGuide = toPath(options_.userGuide);

    if (options_.splash) {
        FrmFast splash;
        splash.showBlocking();
    }

    QString record = options_.firstStartRecord;
    if (record.isEmpty()) {
        record = defaultFirstStartRecord(options_.programFolder);
        adoptEarlierFirstStartRecord(record);
    }
    RunFirstStart(toPath(record), paths.configurationFile,
                  options_.documentsFolder.value_or(userDocumentsFolder()).toStdString());

    const StartupConfiguration startup = ReadStartupConfiguration(paths.configurationFile);
    document_ = std::make_unique<Document>(startup.configuration);
    auto window = std::make_unique<FrmMain>(paths, *document_, options_.dialogs);
    window->show();
    // What could not be used as the files give it, said over the main window.
    std::vector<std::string> warnings = startup.warnings();
    const std::string elementProblem = ElementPatternFile::load(paths.elementPatternFile).readProblem();
    if (!elementProblem.empty())
        warnings.push_back(CannotReadText(paths.elementPatternFile, elementProblem));
    for (const std::string& warning : warnings)
        dialogs().showMessage({warning, GetMsg(msg::kTitleConfirm), MessageIcon::Warning, MessageButtons::Ok});
    // A card creation cut short (SIGKILL, a power cut) is finished or undone
    // before the user looks at the card folders.
    const CardRecovery recovery = RecoverInterruptedCards(document_->configuration().settings.cardPath);
    if (!options_.dialogs)
        ownDialogs_ = std::make_unique<QtUserDialogs>(window.get());  // from now on, over the main window
    if (!recovery.empty())
        dialogs().showMessage({CardRecoveryText(recovery), GetMsg(msg::kTitleConfirm),
                               recovery.problems.empty() ? MessageIcon::Information : MessageIcon::Warning,
                               MessageButtons::Ok});
    return window;
}

}  // namespace vexa::gui
