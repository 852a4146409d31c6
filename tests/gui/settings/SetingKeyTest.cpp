// The SETING key of the main window: the settings window opens modally, and
// when OK changed the Line Count or the sheet mode the window shows the
// cleared contents in the new layout, on sheet 1 after a change of mode.
#include "gui/app/FrmMain.h"
#include "core/config/ConfigurationFile.h"
#include "core/config/Messages.h"
#include "gui/editor/FgProgramView.h"
#include "gui/settings/FrmSeting.h"

#include "DocumentEdits.h"
#include "ScriptedDialogs.h"
#include "SettingsWindowFixture.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace vexa::gui {
namespace {

struct Editor {
    test::SettingsFolder folder;
    test::ScriptedDialogs dialogs;
    Document document;
    FrmMain frm;

    explicit Editor(bool multiSheet)
        : document(configuration(folder, multiSheet)), frm(folder.paths, document, &dialogs) {
        frm.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&frm));
    }

    static Configuration configuration(const test::SettingsFolder& f, bool multiSheet) {
        Configuration c = ReadConfiguration(f.paths.configurationFile);
        c.settings.addFunction1 = multiSheet ? 1 : 0;
        return c;
    }

    // Runs SETING with `edit` done in the settings window once it is shown;
    // false when no settings window came up.
    bool runSettings(const std::function<void(FrmSeting&)>& edit) {
        bool saw = false;
        QTimer::singleShot(0, [&] {
            auto* window = qobject_cast<FrmSeting*>(QApplication::activeModalWidget());
            saw = window != nullptr;
            if (window)
                edit(*window);
        });
        frm.toolbarAction(ToolbarKey::Seting)->trigger();
        return saw;
    }
};

TEST(SetingKey, ANewLineCountAndSheetModeShowTheClearedFirstSheetInTheNewLayout) {
    Editor e(true);
    e.frm.tabStrip()->setCurrentIndex(3);
    test::renameSheet(e.document, 3, "夕方");
    ASSERT_EQ(e.frm.currentSheet(), 3);
    ASSERT_TRUE(e.frm.toolbarAction(ToolbarKey::Seting)->isEnabled());

    ASSERT_TRUE(e.runSettings([](FrmSeting& s) {
        s.cmbModel()->setCurrentIndex(0);  // VX-30
        s.optAddFunction(0)->setChecked(true);  // single sheet
        QTest::mouseClick(s.cmdOk(), Qt::LeftButton);
    }));
    EXPECT_EQ(e.dialogs.texts(), (std::vector<std::string>{GetMsg(msg::kClearContentsQuestion)}));
    EXPECT_EQ(e.document.configuration().settings.lineCount(), 30);
    EXPECT_FALSE(e.document.configuration().settings.multiSheet());
    EXPECT_EQ(e.frm.currentSheet(), 0);
    EXPECT_EQ(e.frm.tabStrip()->currentIndex(), 0);
    EXPECT_TRUE(e.frm.tabStrip()->isHidden());
    EXPECT_FALSE(e.frm.toolbarAction(ToolbarKey::Copy)->isVisible());
    EXPECT_TRUE(e.frm.toolbarAction(ToolbarKey::Others1)->isVisible());
    EXPECT_EQ(e.frm.programGrid()->grid().lineCount(), 30);
    EXPECT_EQ(e.frm.programGrid()->currentSheet(), 0);
    EXPECT_TRUE(e.document.project().sheets[3].header.name.empty());
    EXPECT_FALSE(e.document.canUndo());
    EXPECT_FALSE(e.document.modified());
    EXPECT_EQ(ReadConfiguration(e.folder.paths.configurationFile).settings, e.document.configuration().settings);
}

TEST(SetingKey, SwitchingOnMultiSheetModeShowsTheTabsOnSheetOne) {
    Editor e(false);
    ASSERT_TRUE(e.runSettings([](FrmSeting& s) {
        s.optAddFunction(1)->setChecked(true);
        QTest::mouseClick(s.cmdOk(), Qt::LeftButton);
    }));
    EXPECT_TRUE(e.document.configuration().settings.multiSheet());
    EXPECT_FALSE(e.frm.tabStrip()->isHidden());
    EXPECT_TRUE(e.frm.toolbarAction(ToolbarKey::Copy)->isVisible());
    EXPECT_EQ(e.frm.tabStrip()->currentIndex(), 0);
    EXPECT_EQ(e.frm.programGrid()->grid().lineCount(), 95);
}

TEST(SetingKey, CancelAndStereoAloneLeaveTheSheetsAsTheyWere) {
    Editor e(true);
    e.frm.tabStrip()->setCurrentIndex(2);
    test::renameSheet(e.document, 2, "昼");
    ASSERT_TRUE(e.runSettings([](FrmSeting& s) { QTest::mouseClick(s.cmdCancel(), Qt::LeftButton); }));
    ASSERT_TRUE(e.runSettings([](FrmSeting& s) {
        s.optAddFunction(3)->setChecked(true);  // M/S
        QTest::mouseClick(s.cmdOk(), Qt::LeftButton);
    }));
    EXPECT_TRUE(e.dialogs.shown.empty());
    EXPECT_TRUE(e.document.configuration().settings.stereoAllowed());
    EXPECT_EQ(e.frm.currentSheet(), 2);
    EXPECT_EQ(e.document.project().sheets[2].header.name, "昼");
    EXPECT_TRUE(e.document.canUndo());
}

}  // namespace
}  // namespace vexa::gui
