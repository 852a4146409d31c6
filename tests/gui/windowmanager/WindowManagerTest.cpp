// Every window of the editor under a real window manager: Xvfb at 1024 × 768
// with openbox, the real windows opened as the user opens them, and what the
// X server says about them (xprop, xwininfo, xdotool):
//  (a) each window and message box is transient for the window it came from;
//  (b) after a refusal the refusing window is on top again, has the focus and
//      (in the card creation window) the refused box selected;
//  (c) each window's frame lies inside the work area.
// This executable makes its own X display; without Xvfb or openbox it reports
// itself skipped with the reason.
#include "TestPaths.h"
#include "gui/app/FrmMain.h"
#include "gui/card/FrmCardMake.h"
#include "gui/print/FrmPrint.h"
#include "gui/settings/FrmSeting.h"
#include "gui/sound/FrmSound.h"
#include "gui/card/FrmProgress.h"
#include "gui/week/FrmWeek.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <functional>
#include <map>
#include <sstream>

namespace vexa::gui {
namespace {

namespace fs = std::filesystem;

// --- The X session: Xvfb, openbox and the QApplication on it ---------------------

pid_t spawn(const std::vector<std::string>& argv, int keepFd = -1) {
    const pid_t pid = fork();
    if (pid != 0)
        return pid;
    for (int fd = 3; fd < 256; ++fd)
        if (fd != keepFd)
            close(fd);
    std::vector<char*> args;
    for (const auto& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    execvp(args[0], args.data());
    _exit(127);
}

void stop(pid_t pid) {
    if (pid <= 0)
        return;
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
}

// What a command prints on its standard output (its errors are dropped).
std::string capture(const std::string& command) {
    std::string out;
    if (FILE* pipe = popen((command + " 2>/dev/null").c_str(), "r")) {
        char buffer[4096];
        std::size_t n;
        while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0)
            out.append(buffer, n);
        pclose(pipe);
    }
    return out;
}

bool onPath(const char* program) {
    return std::system((std::string("command -v ") + program + " >/dev/null 2>&1").c_str()) == 0;
}

class XSession : public ::testing::Environment {
public:
    static inline std::string skipReason = "the X session was not set up";

    void SetUp() override {
        for (const char* tool : {"Xvfb", "openbox", "xprop", "xwininfo", "xdotool"})
            if (!onPath(tool)) {
                skipReason = std::string(tool) + " is not installed (scripts/setup installs it)";
                return;
            }
        int pipeFds[2];
        if (pipe(pipeFds) != 0)
            return;
        xvfb_ = spawn({"Xvfb", "-displayfd", std::to_string(pipeFds[1]), "-screen", "0", "1024x768x24", "-nolisten",
                       "tcp", "-noreset"},
                      pipeFds[1]);
        close(pipeFds[1]);
        std::string display;
        pollfd wait{pipeFds[0], POLLIN, 0};
        while (display.find('\n') == std::string::npos && poll(&wait, 1, 10000) > 0) {
            char c;
            if (read(pipeFds[0], &c, 1) != 1)
                break;
            display += c;
        }
        close(pipeFds[0]);
        if (display.find('\n') == std::string::npos) {
            skipReason = "Xvfb did not start";
            return;
        }
        setenv("DISPLAY", (":" + display.substr(0, display.find('\n'))).c_str(), 1);
        openbox_ = spawn({"openbox", "--sm-disable"});
        bool managed = false;
        for (int i = 0; i < 100 && !managed; ++i) {
            managed = capture("xprop -root _NET_SUPPORTING_WM_CHECK").find("window id") != std::string::npos;
            if (!managed)
                usleep(100'000);
        }
        if (!managed) {
            skipReason = "openbox did not start on the Xvfb display";
            return;
        }
        setenv("QT_QPA_PLATFORM", "xcb", 1);
        // No sound: the playback window stays open, showing why.
        setenv("PULSE_SERVER", "unix:/nonexistent/vexa-test", 1);
        app_ = new QApplication(argc_, argv_);
        skipReason.clear();
    }

    void TearDown() override {
        delete app_;
        app_ = nullptr;
        stop(openbox_);
        stop(xvfb_);
    }

private:
    pid_t xvfb_ = -1;
    pid_t openbox_ = -1;
    QApplication* app_ = nullptr;
    int argc_ = 1;
    char name_[24] = "vexa-window-manager";
    char* argv_[2] = {name_, nullptr};
};

[[maybe_unused]] ::testing::Environment* const session = ::testing::AddGlobalTestEnvironment(new XSession);

// --- What the X server says ------------------------------------------------------

unsigned long hexAfter(const std::string& text, const std::string& marker) {
    const auto at = text.find(marker);
    return at == std::string::npos ? 0 : std::stoul(text.substr(at + marker.size()), nullptr, 16);
}

std::string id(WId window) { return std::to_string(window); }

// The window this one is transient for (0 for none).
unsigned long transientFor(WId window) {
    return hexAfter(capture("xprop -id " + id(window) + " WM_TRANSIENT_FOR"), "window id # ");
}

bool framed(WId window) {
    return capture("xprop -id " + id(window) + " _NET_FRAME_EXTENTS").find(" = ") != std::string::npos;
}

int number(const std::string& text, const std::string& label) {
    const auto at = text.find(label);
    return at == std::string::npos ? -1 : std::stoi(text.substr(at + label.size()));
}

// The frame the window manager put around the window: the client's parent.
QRect frameOf(WId window) {
    const unsigned long parent = hexAfter(capture("xwininfo -tree -id " + id(window)), "Parent window id: ");
    const std::string info = capture("xwininfo -id " + std::to_string(parent ? parent : window));
    return {number(info, "Absolute upper-left X:"), number(info, "Absolute upper-left Y:"), number(info, "Width:"),
            number(info, "Height:")};
}

QRect workArea() {
    const std::string text = capture("xprop -root _NET_WORKAREA");
    std::istringstream in(text.substr(text.find('=') + 1));
    int x, y, w, h;
    char comma;
    in >> x >> comma >> y >> comma >> w >> comma >> h;
    return {x, y, w, h};
}

// Client windows from bottom to top, as the window manager stacks them.
std::vector<unsigned long> stacking() {
    std::vector<unsigned long> list;
    std::string text = capture("xprop -root _NET_CLIENT_LIST_STACKING");
    for (auto at = text.find("0x"); at != std::string::npos; at = text.find("0x", at + 2))
        list.push_back(std::stoul(text.substr(at), nullptr, 16));
    return list;
}

unsigned long focused() { return std::stoul("0" + capture("xdotool getwindowfocus"), nullptr, 10); }

unsigned long activeWindow() { return hexAfter(capture("xprop -root _NET_ACTIVE_WINDOW"), "window id # "); }

// --- The table ---------------------------------------------------------------------

QMessageBox* openMessageBox() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible())
            return box;
    return nullptr;
}

template <typename T>
T* shown(const char* name = nullptr) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* t = qobject_cast<T*>(w); t && t->isVisible() && (!name || t->objectName() == name))
            return t;
    return nullptr;
}

QAbstractButton* button(QWidget* window, const char* name) {
    auto* b = window->findChild<QAbstractButton*>(name);
    EXPECT_NE(b, nullptr) << name;
    return b;
}

struct Editor;

struct WindowRow {
    const char* name;
    const char* from;  // the row of the window it is opened from; "" for the main window
    std::function<QWidget*(Editor&)> find;
    std::function<void(Editor&)> open;   // what the user does in `from`
    std::function<void(Editor&, QWidget*)> close;
    const char* refusedBox = nullptr;  // a refusal: the box of `from` that has the focus afterwards
    bool refusal = false;
};

struct Editor {
    test::TempDir temp;
    Document document;
    FrmMain frm;
    std::map<std::string, QWidget*> windows;

    Editor() : document(configuration(temp.path())), frm(paths(temp.path()), document) {}

    static Configuration configuration(const fs::path& folder) {
        fs::create_directories(folder / "cards");
        Configuration c;
        c.settings.maxLine = 95;
        c.settings.addFunction1 = 1;  // multi-sheet: the sheet duplication window too
        c.settings.cardPath = (folder / "cards").string();
        c.settings.cardName = "SHOP";
        return c;
    }
    // A copy of the Program Folder: the print window writes its choices there.
    static ProgramPaths paths(const fs::path& folder) {
        fs::create_directories(folder / "home");
        for (const char* file : {"vexacontrol.ini", "elmptnvxa.elm", "Release.txt"})
            if (fs::exists(test::programFolder() / file))
                fs::copy_file(test::programFolder() / file, folder / "home" / file);
        return ProgramPaths::forFolder(folder / "home");
    }

    FrmCardMake* card() const { return frm.cardMakeWindow(); }
    void fillCard(const char* cardName) {
        const std::pair<const char*, const char*> entries[] = {
            {"TxtTitle", "VX-100"},     {"TxtCardName", cardName},      {"TxtForder", "SHOP"},
            {"TxtPrgCorp", "見本商店"}, {"TxtPrgMake", "見本 太郎"}, {"TxtPrgDate", "2004/07/01"},
        };
        for (const auto& [name, text] : entries)
            card()->box(name)->setText(QString::fromUtf8(text));
    }
};

void pressReturn() { std::system("xdotool key --clearmodifiers Return"); }

const std::vector<WindowRow>& windowTable() {
    static const std::vector<WindowRow> rows = {
        {"main window", "", [](Editor& e) -> QWidget* { return &e.frm; }, [](Editor& e) { e.frm.show(); },
         [](Editor& e, QWidget*) { e.frm.hide(); }},
        {"sound registration", "main window", [](Editor&) -> QWidget* { return shown<FrmSound>(); },
         [](Editor& e) { e.frm.runToolbarKey(ToolbarKey::Sound); },
         [](Editor&, QWidget* w) { static_cast<FrmSound*>(w)->cmdCancel()->click(); }},
        {"playback", "sound registration", [](Editor&) { return shown<QDialog>("FrmPlay"); },
         [](Editor& e) { button(e.windows["sound registration"], "CmdWave4")->click(); },  // 全試聴
         [](Editor&, QWidget* w) { button(w, "CmdStop")->click(); }},
        {"tools", "sound registration", [](Editor&) { return shown<QDialog>("FrmTools"); },
         [](Editor& e) { static_cast<FrmSound*>(e.windows["sound registration"])->cmdTool()->click(); },
         [](Editor&, QWidget* w) { button(w, "CmdExit")->click(); }},
        {"message box of the tools", "tools", [](Editor&) -> QWidget* { return openMessageBox(); },
         [](Editor& e) { button(e.windows["tools"], "CmdExec")->click(); },  // nothing chosen
         [](Editor&, QWidget*) { pressReturn(); }, nullptr, true},
        {"settings", "main window", [](Editor&) -> QWidget* { return shown<FrmSeting>(); },
         [](Editor& e) { e.frm.runToolbarKey(ToolbarKey::Seting); },
         [](Editor&, QWidget* w) { button(w, "CmdCancel")->click(); }},
        {"release notes", "settings", [](Editor&) { return shown<QDialog>("FrmDisp2"); },
         [](Editor& e) {
             auto* tabs = e.windows["settings"]->findChild<QTabWidget*>("TabStrip1");
             tabs->setCurrentIndex(tabs->count() - 1);  // the version tab
             button(e.windows["settings"], "CmdHistory")->click();
         },
         [](Editor&, QWidget* w) { button(w, "CmdOk")->click(); }},
        {"week", "main window", [](Editor&) -> QWidget* { return shown<FrmWeek>(); },
         [](Editor& e) { e.frm.runToolbarKey(ToolbarKey::Week); }, [](Editor&, QWidget* w) { w->close(); }},
        {"sheet duplication", "main window", [](Editor&) { return shown<QDialog>("FrmCopy"); },
         [](Editor& e) { e.frm.runToolbarKey(ToolbarKey::Copy); },
         [](Editor&, QWidget* w) { button(w, "Command2")->click(); }},
        {"message box of the sheet duplication", "sheet duplication",
         [](Editor&) -> QWidget* { return openMessageBox(); },
         [](Editor& e) { button(e.windows["sheet duplication"], "Command1")->click(); },  // no sheet chosen
         [](Editor&, QWidget*) { pressReturn(); }, nullptr, true},
        {"print selection", "main window", [](Editor& e) -> QWidget* { return e.frm.printWindow(); },
         [](Editor& e) { e.frm.runToolbarKey(ToolbarKey::Print); },
         [](Editor&, QWidget* w) { static_cast<FrmPrint*>(w)->cmdClose()->click(); }},
        {"message box of the print selection (2079)", "print selection",
         [](Editor&) -> QWidget* { return openMessageBox(); },
         [](Editor& e) {
             auto* print = static_cast<FrmPrint*>(e.windows["print selection"]);
             for (int k = 0; k < print::kReportCount; ++k)
                 print->chkBox(k)->setChecked(false);
             print->cmdPrint()->click();
         },
         [](Editor&, QWidget*) { pressReturn(); }, nullptr, true},
        {"print preview", "print selection", [](Editor&) { return shown<QPrintPreviewDialog>(); },
         [](Editor& e) {
             auto* print = static_cast<FrmPrint*>(e.windows["print selection"]);
             print->chkBox(1)->setChecked(true);
             print->cmdPreview()->click();
         },
         [](Editor&, QWidget* w) { static_cast<QDialog*>(w)->reject(); }},
        {"card creation", "main window", [](Editor& e) -> QWidget* { return e.card(); },
         [](Editor& e) { e.frm.runToolbarKey(ToolbarKey::Card); },
         [](Editor& e, QWidget*) { e.card()->cmdClose()->click(); }},
        {"message box of the card creation (SHOP-01)", "card creation",
         [](Editor&) -> QWidget* { return openMessageBox(); },
         [](Editor& e) {
             e.fillCard("SHOP-01");
             e.card()->cmdCardMake()->click();
         },
         [](Editor&, QWidget*) { pressReturn(); }, "TxtCardName", true},
        {"format notice", "card creation", [](Editor&) { return shown<QDialog>("FmtAttention"); },
         [](Editor& e) {
             e.fillCard("SHOP");
             e.card()->cmdCardMake()->click();
         },
         [](Editor&, QWidget* w) { button(w, "OKButton")->click(); }},
        // The creation goes on after the notice and ends with 2030 over the card window.
        {"message box of the card creation (2030)", "card creation",
         [](Editor&) -> QWidget* { return openMessageBox(); }, [](Editor&) {},
         [](Editor&, QWidget*) { pressReturn(); }},
        // A creation of a few small files ends before its progress window is
        // mapped: this one is opened as the card window opens its own.
        {"progress", "card creation", [](Editor&) { return shown<FrmProgress>(); },
         [](Editor& e) {
             auto* progress = new FrmProgress(e.card());
             progress->setWindowModality(Qt::WindowModal);
             progress->show();
         },
         [](Editor&, QWidget* w) {
             static_cast<FrmProgress*>(w)->finish();
             w->deleteLater();
         }},
    };
    return rows;
}

// Opens a window and runs `inside` once it is open and framed, from the
// innermost event loop (a modal window's own), then waits for both to end.
void openThen(const WindowRow& row, Editor& e, const std::function<void(QWidget*)>& inside) {
    bool done = false;
    QTimer poll;
    poll.setInterval(50);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* w = row.find(e);
        if (!w || !w->isVisible() || !framed(w->winId()))
            return;
        poll.stop();
        inside(w);
        done = true;
    });
    poll.start();
    row.open(e);
    if (!QTest::qWaitFor([&] { return done; }, 15000)) {
        poll.stop();
        ADD_FAILURE() << row.name << " did not open";
    }
}

void visit(const WindowRow& row, Editor& e) {
    SCOPED_TRACE(row.name);
    QWidget* from = *row.from ? e.windows[row.from] : nullptr;
    openThen(row, e, [&](QWidget* w) {
        e.windows[row.name] = w;
        const WId window = w->winId();
        // (a) owned by the window it came from
        EXPECT_EQ(transientFor(window), from ? from->winId() : 0) << row.name << " is not transient for " << row.from;
        // (c) the frame inside the work area (once the window has settled)
        const QRect area = workArea();
        (void)QTest::qWaitFor([&] { return area.contains(frameOf(window)); }, 2000);
        const QRect frame = frameOf(window);
        EXPECT_TRUE(area.contains(frame)) << row.name << ": frame " << frame.x() << "," << frame.y() << " "
                                          << frame.width() << "x" << frame.height();
        if (qobject_cast<QMessageBox*>(w)) {  // the box has the keyboard: Return answers it
            (void)QTest::qWaitFor([&] { return focused() == window; }, 2000);
            EXPECT_EQ(focused(), window) << row.name << " does not have the focus";
        }
        for (const WindowRow& child : windowTable())
            if (std::string_view(child.from) == row.name)
                visit(child, e);
        row.close(e, w);
        if (!QTest::qWaitFor([&] { return w != row.find(e) || !w->isVisible(); }, 3000)) {
            ADD_FAILURE() << row.name << " did not close";
            w->close();
        }
    });
    if (!row.refusal || !from)
        return;
    // (b) the refusing window is on top again and has the focus
    const WId owner = from->winId();
    (void)QTest::qWaitFor(
        [&] {
            return !stacking().empty() && stacking().back() == owner && focused() == owner &&
                   QApplication::activeWindow() == from;
        },
        3000);
    ASSERT_FALSE(stacking().empty());
    EXPECT_EQ(stacking().back(), owner) << row.from << " is not the topmost window after the refusal";
    EXPECT_EQ(focused(), owner) << row.from << " does not have the focus after the refusal";
    EXPECT_EQ(activeWindow(), owner);
    if (row.refusedBox) {
        auto* box = from->findChild<QLineEdit*>(row.refusedBox);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(QApplication::focusWidget(), box) << row.refusedBox << " does not have the focus";
        EXPECT_EQ(box->selectedText(), box->text());
    }
}

TEST(WindowManager, EveryWindowIsOwnedByItsOpenerStaysInFrontAndFitsTheWorkArea) {
    if (!XSession::skipReason.empty())
        GTEST_SKIP() << XSession::skipReason;
    Editor e;
    ASSERT_TRUE(e.frm.loadControlFile((fs::path(VEXA_SAMPLE_DIR) / "SAMPLE.vxa").string()));
    ASSERT_EQ(workArea(), QRect(0, 0, 1024, 768));
    visit(windowTable().front(), e);
    for (const WindowRow& row : windowTable())
        EXPECT_TRUE(e.windows.count(row.name)) << row.name << " was never seen";
}

}  // namespace
}  // namespace vexa::gui
