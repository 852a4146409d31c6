// Converts one stereo WAVE file to mono through the real tools window,
// offscreen, as a user would: file mode, both boxes filled, "変換実行".
// Prints the milliseconds from the click to the job's end and how many
// different values the bar showed. Used by tools-window-vs-cli.sh.
//
//   tools_window_mono SRC DST      (DST must not exist)
#include "gui/wavetools/FrmTools.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include <cstdio>
#include <set>

namespace {

// Says every message on stderr and answers Yes: nothing is asked when DST
// does not exist, so any message is a failure of the run.
class StderrDialogs final : public vexa::UserDialogs {
public:
    int shown = 0;
    vexa::MessageAnswer showMessage(const vexa::MessageRequest& request) override {
        std::fprintf(stderr, "%s\n", request.text.c_str());
        ++shown;
        return request.buttons == vexa::MessageButtons::YesNo ? vexa::MessageAnswer::Yes : vexa::MessageAnswer::Ok;
    }
    std::vector<std::string> chooseFiles(const vexa::FileChooserRequest&) override { return {}; }
    std::string chooseFolder(const std::string&) override { return {}; }
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: tools_window_mono SRC DST\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    StderrDialogs dialogs;
    vexa::gui::FrmTools window(dialogs);
    window.txtConv(0)->setText(QString::fromLocal8Bit(argv[1]));
    window.txtConv(1)->setText(QString::fromLocal8Bit(argv[2]));
    window.show();

    std::set<int> barValues;
    QObject::connect(window.prgBar(), &QProgressBar::valueChanged, [&](int value) { barValues.insert(value); });
    QElapsedTimer clock;
    QObject::connect(&window, &vexa::gui::FrmTools::jobEnded, &app, &QApplication::quit);
    QTimer::singleShot(0, [&] {
        clock.start();
        window.cmdExec()->click();
        if (!window.running())  // refused before it started
            app.quit();
    });
    app.exec();
    const qint64 elapsed = clock.elapsed();
    std::printf("%lld ms, bar showed %zu values\n", static_cast<long long>(elapsed), barValues.size());
    return dialogs.shown == 0 ? 0 : 1;
}
