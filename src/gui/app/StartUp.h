#pragma once
// The editor's start: one copy per Program Folder, the splash
// picture, the default card data folder on a user's first start, the
// Configuration File, then the main window.
#include "gui/app/SingleInstance.h"
#include "core/document/Document.h"
#include "core/ui/UserDialogs.h"

#include <QString>

#include <memory>
#include <optional>

namespace vexa::gui {

class FrmMain;

struct StartUpOptions {
    QString programFolder;
    QString userGuide;                       // "" : UserGuide.html in the Program Folder
    bool splash = true;
    QString firstStartRecord;                // "" : defaultFirstStartRecord()
    std::optional<QString> documentsFolder;  // none: the user's documents folder
    UserDialogs* dialogs = nullptr;          // none: Qt dialogs
};

class StartUp {
public:
    explicit StartUp(StartUpOptions options);
    ~StartUp();

    // Runs the steps in order and returns the shown main window, or nullptr
    // when another copy runs: message 2000 is then shown and nothing else is
    // done. The lock of this copy and the run's Document are held for the
    // life of this object, which outlives the window.
    std::unique_ptr<FrmMain> run();

    // The record of the first start, kept in the Program Folder: a portable
    // copy and each user's folder of an installed program have their own.
    static QString defaultFirstStartRecord(const QString& programFolder);

private:
    UserDialogs& dialogs();

    StartUpOptions options_;
    std::unique_ptr<UserDialogs> ownDialogs_;
    SingleInstance instance_;
    std::unique_ptr<Document> document_;
};

}  // namespace vexa::gui
