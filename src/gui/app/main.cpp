// vexa-editor: the desktop editor.
#include "app/FrmMain.h"
#include "app/ProgramPaths.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

// Qt's own dialogs and buttons speak Japanese like the rest of the program.
void installJapaneseTranslations(QApplication& app) {
    auto* translator = new QTranslator(&app);
    if (translator->load(QLocale(QLocale::Japanese), "qtbase", "_",
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("VexaEditor");
    installJapaneseTranslations(app);

    QCommandLineParser parser;
    parser.addHelpOption();
    QCommandLineOption homeOption("home", "Program Folder to use instead of the executable's folder", "DIR");
    parser.addOption(homeOption);
    parser.process(app);

    const QString home = parser.isSet(homeOption) ? QDir(parser.value(homeOption)).absolutePath()
                                                   : QCoreApplication::applicationDirPath();
    auto paths = vexa::ProgramPaths::forFolder(home.toStdString());

    vexa::gui::FrmMain window(paths);
    window.show();
    return QApplication::exec();
}
