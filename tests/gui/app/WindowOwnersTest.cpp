// Every secondary window and every message box of the real editor (with its
// own Qt dialogs) has for parent the window the user is in, so that the
// window manager keeps it in front of that window. The same under a real
// window manager: tests/gui/windowmanager.
#include "TestPaths.h"
#include "gui/app/FrmMain.h"
#include "gui/card/FrmCardMake.h"
#include "gui/print/FrmPrint.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

#include <gtest/gtest.h>

namespace vexa::gui {
namespace {

namespace fs = std::filesystem;

template <typename T = QWidget>
T* visibleWindow(const char* name) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->objectName() == name)
            return qobject_cast<T*>(w);
    return nullptr;
}

// The parent of the first message box that `act` opens; the box is answered
// with its Escape button.
QWidget* parentOfTheBox(const std::function<void()>& act) {
    QWidget* parent = nullptr;
    bool seen = false;
    QTimer closer;
    closer.setInterval(10);
    QObject::connect(&closer, &QTimer::timeout, [&] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible() && !seen) {
                seen = true;
                parent = box->parentWidget();
                box->reject();
            }
    });
    closer.start();
    act();
    EXPECT_TRUE(QTest::qWaitFor([&] { return seen; }, 3000)) << "no message box";
    return parent;
}

struct Editor {
    test::TempDir temp;
    Document document;
    FrmMain frm;

    Editor() : document(configuration()), frm(paths(temp.path()), document) { frm.show(); }

    static Configuration configuration() {
        Configuration c;
        c.settings.maxLine = 3;
        c.settings.addFunction1 = 1;
        return c;
    }
    static ProgramPaths paths(const fs::path& folder) {
        for (const char* file : {"vexacontrol.ini", "elmptnvxa.elm"})
            fs::copy_file(test::programFolder() / file, folder / file);
        return ProgramPaths::forFolder(folder);
    }
};

TEST(WindowOwners, SecondaryWindowsAndTheirMessageBoxesBelongToTheWindowTheyCameFrom) {
    Editor e;

    // The card creation window: owned by the main window, which it leaves
    // disabled while it stays usable itself; its refusals are its own.
    e.frm.runToolbarKey(ToolbarKey::Card);
    FrmCardMake* card = e.frm.cardMakeWindow();
    ASSERT_NE(card, nullptr);
    EXPECT_EQ(card->parentWidget(), &e.frm);
    EXPECT_TRUE(card->isWindow());
    EXPECT_FALSE(e.frm.isEnabled());
    EXPECT_TRUE(card->isEnabled());
    card->box("TxtTitle")->clear();
    EXPECT_EQ(parentOfTheBox([&] { card->cmdCardMake()->click(); }), card);
    card->cmdClose()->click();
    EXPECT_TRUE(e.frm.isEnabled());

    // The print selection window, the same; 2079 with nothing ticked.
    e.frm.runToolbarKey(ToolbarKey::Print);
    FrmPrint* print = e.frm.printWindow();
    ASSERT_NE(print, nullptr);
    EXPECT_EQ(print->parentWidget(), &e.frm);
    EXPECT_TRUE(print->isEnabled());
    for (int k = 0; k < print::kReportCount; ++k)
        print->chkBox(k)->setChecked(false);
    EXPECT_EQ(parentOfTheBox([&] { print->cmdPrint()->click(); }), print);
    print->close();

    // A modal window's message: sheet duplication with no sheet chosen.
    bool copyChecked = false;
    QTimer::singleShot(0, [&] {
        QWidget* copyWindow = visibleWindow("FrmCopy");
        ASSERT_NE(copyWindow, nullptr);
        EXPECT_EQ(copyWindow->parentWidget(), &e.frm);
        EXPECT_EQ(parentOfTheBox([&] { copyWindow->findChild<QPushButton*>("Command1")->click(); }), copyWindow);
        copyWindow->findChild<QPushButton*>("Command2")->click();
        copyChecked = true;
    });
    e.frm.runToolbarKey(ToolbarKey::Copy);
    EXPECT_TRUE(copyChecked);

    // The main window's own question (New after a change), also while a
    // window it opened without being disabled is shown.
    e.frm.runToolbarKey(ToolbarKey::Card);
    e.frm.cardMakeWindow()->box("TxtTitle")->setText("VX");  // an edit: New asks first
    e.frm.cardMakeWindow()->cmdClose()->click();
    QDialog beside(&e.frm);
    beside.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&beside));
    QApplication::setActiveWindow(&e.frm);  // the user went back to the main window
    ASSERT_EQ(QApplication::activeWindow(), &e.frm);
    EXPECT_EQ(parentOfTheBox([&] { e.frm.runToolbarKey(ToolbarKey::New); }), &e.frm);
}

}  // namespace
}  // namespace vexa::gui
