#include "gui/app/EditorArguments.h"

#include <QCommandLineParser>
#include <QDir>

namespace vexa::gui {

EditorArguments ParseEditorArguments(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{"h", "help"});
    const QCommandLineOption version(QStringList{"v", "version"});
    const QCommandLineOption home("home", QString(), "DIR");
    const QCommandLineOption noSplash("no-splash");
    const QCommandLineOption screenshot("screenshot", QString(), "FILE");
    const QCommandLineOption load("load", QString(), "FILE");
    const QCommandLineOption screenshotOf("screenshot-of", QString(), "STEPS");
    parser.addOptions({help, version, home, noSplash, screenshot, screenshotOf, load});

    EditorArguments a;
    if (!parser.parse(arguments)) {
        a.action = EditorArguments::Action::Error;
        a.error = parser.errorText();
        return a;
    }
    if (parser.isSet(help)) {
        a.action = EditorArguments::Action::Help;
        return a;
    }
    if (parser.isSet(version)) {
        a.action = EditorArguments::Action::Version;
        return a;
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1 || (!files.isEmpty() && parser.isSet(load))) {
        a.action = EditorArguments::Action::Error;
        a.error = QString::fromUtf8("読み込むコントロールファイルは一つだけ指定できます。");
        return a;
    }
    a.home = parser.isSet(home) ? QDir(parser.value(home)).absolutePath() : QString();
    a.splash = !parser.isSet(noSplash);
    a.screenshot = parser.value(screenshot);
    if (parser.isSet(screenshotOf))
        a.screenshotSteps = parser.value(screenshotOf).split(',', Qt::SkipEmptyParts);
    // A file manager passes the file alone, as does a double-click on a .vxa.
    const QString file = files.isEmpty() ? parser.value(load) : files.first();
    a.load = file.isEmpty() ? QString() : QDir::current().absoluteFilePath(file);
    return a;
}

QString EditorHelpText() {
    return QString::fromUtf8(
        "使い方: vexa-editor [オプション] [コントロールファイル]\n"
        "\n"
        "Vexa Editor 2J：Vexa 機器のカードに入れるコントロールファイルと WAVE ファイルを作ります。\n"
        "\n"
        "オプション:\n"
        "  -h, --help         この説明を表示して終了します。\n"
        "  -v, --version      版を表示して終了します。\n"
        "  --home <フォルダ>  このフォルダをプログラムフォルダとして使います（既定は、実行ファイルのフォルダに\n"
        "                     vexacontrol.ini があり書き込めればそのフォルダ、なければ ~/.config/vexa-editor）。\n"
        "  --no-splash        起動画面を表示しません。\n"
        "  --load <ファイル>  起動後に、このコントロールファイル（.vxa、.ktr、.wpj）を読み込みます。\n"
        "\n"
        "引数:\n"
        "  コントロールファイル  起動後に読み込むファイル（--load と同じ）。\n");
}

}  // namespace vexa::gui
