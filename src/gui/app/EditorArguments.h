#pragma once
// The editor's command line, read before any window exists, so that --help
// and a mistyped option are answered without a display.
//
//   vexa-editor [--home DIR] [--no-splash] [--load FILE | FILE]
#include <QString>
#include <QStringList>

namespace vexa::gui {

struct EditorArguments {
    enum class Action { Run, Help, Version, Error };
    Action action = Action::Run;
    QString error;       // for Error: what was wrong, in Japanese
    QString home;        // "" : the executable's folder
    bool splash = true;
    QString load;        // a Control File to read at start ("" for none)
    QString screenshot;  // save a picture of the main window there, then end
    // Before the picture: toolbar keys ("SOUND") pressed and buttons ("#CmdTool")
    // clicked in turn; the picture is then of the window on top.
    QStringList screenshotSteps;
};

// `arguments` as main receives them, the program's name first.
EditorArguments ParseEditorArguments(const QStringList& arguments);

// The help, in Japanese.
QString EditorHelpText();

}  // namespace vexa::gui
