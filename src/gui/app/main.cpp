// vexa-editor: the desktop editor.
#include "gui/app/EditorArguments.h"
#include "gui/app/FrmMain.h"
#include "core/app/ProgramFolderChoice.h"
#include "gui/app/StartUp.h"
#include "gui/app/Translations.h"
#include "gui/app/UnattendedDialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCursor>
#include <QTabBar>
#include <QTimer>

#include <cstdio>

namespace {

constexpr int kStepMs = 400;

// The window on top: a modal one, else another shown window (the print
// selection window keeps the main window disabled without being modal).
QWidget* windowOnTop(vexa::gui::FrmMain& window) {
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != &window && w->isVisible() && (w->windowType() == Qt::Dialog || w->windowType() == Qt::Window))
            return w;
    return &window;
}

// One step before a picture: a toolbar key of the main window, "#Name": a
// click on the button of that name in the window on top, or "tab:TEXT": the
// tab of that text in its tab strip. A step that opens a window returns only
// when it closes, so each step has its own timer.
void runScreenshotStep(vexa::gui::FrmMain& window, const QString& step) {
    if (step.startsWith("tab:")) {
        for (auto* tabs : windowOnTop(window)->findChildren<QTabBar*>())
            for (int i = 0; i < tabs->count(); ++i)
                if (tabs->tabText(i) == step.mid(4)) {
                    tabs->setCurrentIndex(i);
                    return;
                }
        std::fprintf(stderr, "vexa-editor: no tab %s\n", qPrintable(step));
        return;
    }
    if (step.startsWith('#')) {
        QWidget* top = windowOnTop(window);
        if (auto* button = top->findChild<QAbstractButton*>(step.mid(1)))
            button->click();
        else
            std::fprintf(stderr, "vexa-editor: no button %s\n", qPrintable(step));
        return;
    }
    if (const auto key = vexa::ToolbarKeyFromText(step.toStdString()))
        window.runToolbarKey(*key);
    else
        std::fprintf(stderr, "vexa-editor: no toolbar key %s\n", qPrintable(step));
}

// Runs the steps, grabs the window on top once it has been laid out and
// shown, and ends the program without the exit questions.
void saveScreenshotLater(vexa::gui::FrmMain& window, const QString& file, const QStringList& steps) {
    for (int i = 0; i < steps.size(); ++i)
        QTimer::singleShot(300 + kStepMs * i, &window, [&window, step = steps[i]] { runScreenshotStep(window, step); });
    QTimer::singleShot(300 + kStepMs * static_cast<int>(steps.size()), &window, [&window, file] {
        const bool saved = windowOnTop(window)->grab().save(file, "PNG");
        if (!saved)
            std::fprintf(stderr, "vexa-editor: cannot write %s\n", qPrintable(file));
        QCoreApplication::exit(saved ? 0 : 1);
    });
}

}  // namespace

int main(int argc, char** argv) {
    // The command line first: --help and mistakes need no display.
    QStringList args;
    for (int i = 0; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    using Action = vexa::gui::EditorArguments::Action;
    const vexa::gui::EditorArguments arguments = vexa::gui::ParseEditorArguments(args);
    switch (arguments.action) {
    case Action::Help:
        std::fputs(vexa::gui::EditorHelpText().toUtf8().constData(), stdout);
        return 0;
    case Action::Version:
        std::printf("vexa-editor %s\n", VEXA_VERSION);
        return 0;
    case Action::Error:
        std::fprintf(stderr, "vexa-editor: %s\n%s", qPrintable(arguments.error),
                     vexa::gui::EditorHelpText().section('\n', 0, 0).toUtf8().constData());
        std::fputc('\n', stderr);
        return 2;
    case Action::Run:
        break;
    }

    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        std::fputs("vexa-editor: 画面（X11 または Wayland のディスプレイ）がないため起動できません。"
                   "端末からは vexa コマンドを使えます（vexa --help）。\n",
                   stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName("VexaEditor");
    QApplication::setApplicationVersion(VEXA_VERSION);
    QGuiApplication::setDesktopFileName("jp.chimewell.VexaEditor");
    vexa::gui::installJapaneseTranslations(app);

    vexa::gui::StartUpOptions options;
    const vexa::ResolvedProgramFolder folder =
        vexa::ResolveProgramFolder(vexa::CurrentProgramFolderInputs(arguments.home.toStdString()));
    if (!folder.seedError.empty())
        std::fprintf(stderr, "vexa-editor: %s\n", folder.seedError.c_str());
    options.programFolder = QString::fromStdString(folder.paths.programFolder.string());
    options.userGuide = QString::fromStdString(folder.paths.userGuide.string());
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
        saveScreenshotLater(*window, arguments.screenshot, arguments.screenshotSteps);
    return QApplication::exec();
}
