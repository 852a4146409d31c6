// vexa-editor: the desktop editor.
#include "app/FrmMain.h"
#include "app/StartUp.h"
#include "app/Translations.h"
#include "app/UnattendedDialogs.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QCursor>
#include <QDir>
#include <QTimer>

#include <cstdio>

namespace {

struct Arguments {
    QString home;
    bool splash = true;
    QString screenshot;  // save a picture of the main window there, then end
    QString load;        // a Control File to read at start
};

Arguments parseArguments(const QApplication& app) {
    QCommandLineParser parser;
    parser.addHelpOption();
    QCommandLineOption home("home", "Program Folder to use instead of the executable's folder", "DIR");
    QCommandLineOption noSplash("no-splash", "Start without the splash picture");
    QCommandLineOption screenshot("screenshot", "Save a picture of the main window to FILE and end", "FILE");
    QCommandLineOption load("load", "Read the Control File FILE after the start", "FILE");
    screenshot.setFlags(QCommandLineOption::HiddenFromHelp);
    load.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOptions({home, noSplash, screenshot, load});
    parser.process(app);

    Arguments a;
    a.home = parser.isSet(home) ? QDir(parser.value(home)).absolutePath() : QCoreApplication::applicationDirPath();
    a.splash = !parser.isSet(noSplash);
    a.screenshot = parser.value(screenshot);
    a.load = parser.value(load);
    return a;
}

// Grabs the window once it has been laid out and shown, and ends the program
// without the exit questions.
void saveScreenshotLater(vexa::gui::FrmMain& window, const QString& file) {
    QTimer::singleShot(300, &window, [&window, file] {
        const bool saved = window.grab().save(file, "PNG");
        if (!saved)
            std::fprintf(stderr, "vexa-editor: cannot write %s\n", qPrintable(file));
        QCoreApplication::exit(saved ? 0 : 1);
    });
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("VexaEditor");
    QApplication::setApplicationVersion(VEXA_VERSION);
    vexa::gui::installJapaneseTranslations(app);
    const Arguments arguments = parseArguments(app);

    vexa::gui::StartUpOptions options;
    options.programFolder = arguments.home;
    options.splash = arguments.splash;
    // A screenshot run must never wait for an answer.
    vexa::gui::UnattendedDialogs unattended;
    if (!arguments.screenshot.isEmpty()) {
        options.dialogs = &unattended;
        QCursor::setPos(0, 10000);  // away from the window: no button drawn as hovered
    }
    vexa::gui::StartUp startUp(options);
    auto window = startUp.run();
    if (!window)
        return 1;

    if (!arguments.load.isEmpty())
        window->loadControlFile(arguments.load.toStdString());
    if (!arguments.screenshot.isEmpty())
        saveScreenshotLater(*window, arguments.screenshot);
    return QApplication::exec();
}
