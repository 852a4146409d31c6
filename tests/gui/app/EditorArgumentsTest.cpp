// The editor's command line: options, a file given alone, and help without a display.
#include "gui/app/EditorArguments.h"

#include "TestPaths.h"

#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

namespace vexa::gui {
namespace {

using Action = EditorArguments::Action;

TEST(EditorArguments, OptionsAndAFileGivenAlone) {
    struct Case {
        QStringList args;
        Action action;
        QString load;
    };
    const QString cwd = QDir::currentPath();
    const Case cases[] = {
        {{}, Action::Run, ""},
        {{"/cards/A.vxa"}, Action::Run, "/cards/A.vxa"},       // a file manager's way
        {{"B.vxa"}, Action::Run, cwd + "/B.vxa"},             // relative to where it started
        {{"--load", "/cards/A.vxa"}, Action::Run, "/cards/A.vxa"},
        {{"--help"}, Action::Help, ""},
        {{"-h"}, Action::Help, ""},
        {{"--version"}, Action::Version, ""},
        {{"--frobnicate"}, Action::Error, ""},
        {{"A.vxa", "B.vxa"}, Action::Error, ""},
        {{"--load", "A.vxa", "B.vxa"}, Action::Error, ""},
        {{"--home"}, Action::Error, ""},  // the folder is missing
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const EditorArguments a = ParseEditorArguments(QStringList{"vexa-editor"} + c.args);
        EXPECT_EQ(a.action, c.action);
        EXPECT_EQ(a.load, c.load);
        EXPECT_EQ(a.error.isEmpty(), c.action != Action::Error);
    }
    const EditorArguments a = ParseEditorArguments({"vexa-editor", "--home", "/opt/vexa", "--no-splash"});
    EXPECT_EQ(a.home, "/opt/vexa");
    EXPECT_FALSE(a.splash);
}

TEST(EditorArguments, HelpNeedsNoDisplayAndListsEveryOptionInJapanese) {
    QProcess editor;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(name);
    editor.setProcessEnvironment(environment);
    editor.start(VEXA_EDITOR_PATH, {"--help"});
    ASSERT_TRUE(editor.waitForFinished(10000));
    EXPECT_EQ(editor.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(editor.exitCode(), 0);
    const QString out = QString::fromUtf8(editor.readAllStandardOutput());
    EXPECT_EQ(out, EditorHelpText());
    for (const char* option : {"--home", "--no-splash", "--load", "コントロールファイル"})
        EXPECT_TRUE(out.contains(QString::fromUtf8(option))) << option;
    EXPECT_FALSE(out.contains("--screenshot"));  // for the project's own scripts

    // Without a display and without --help: a clear line, not Qt's abort.
    editor.start(VEXA_EDITOR_PATH, {"--no-splash"});
    ASSERT_TRUE(editor.waitForFinished(10000));
    EXPECT_EQ(editor.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(editor.exitCode(), 1);
    EXPECT_TRUE(QString::fromUtf8(editor.readAllStandardError()).contains("vexa --help"));
}

}  // namespace
}  // namespace vexa::gui
