#include "app/StartUp.h"

#include "app/FirstStart.h"
#include "app/FrmFast.h"
#include "app/FrmMain.h"
#include "app/ProgramPaths.h"
#include "config/ConfigurationFile.h"
#include "config/Messages.h"
#include "ui/QtUserDialogs.h"

#include <QDir>
#include <QStandardPaths>

namespace vexa::gui {
namespace {


std::filesystem::path toPath(const QString& text) { return std::filesystem::path(text.toStdString()); }

QString userDocumentsFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

}  // namespace

StartUp::StartUp(StartUpOptions options)
    : options_(std::move(options)), instance_(options_.programFolder, options_.lockFolder) {}

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

    const QString record =
        options_.firstStartRecord.isEmpty() ? defaultFirstStartRecord(options_.programFolder)
                                           : options_.firstStartRecord;
    RunFirstStart(toPath(record), paths.configurationFile,
                  options_.documentsFolder.value_or(userDocumentsFolder()).toStdString());

    document_ = std::make_unique<Document>(ReadConfiguration(paths.configurationFile));
    auto window = std::make_unique<FrmMain>(paths, *document_, options_.dialogs);
    window->show();
    return window;
}

}  // namespace vexa::gui
