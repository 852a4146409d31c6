// The main window on a 1024 × 768 screen (this executable's offscreen screen):
// the whole window, frame included, lies on the screen in both sheet modes,
// and every column is wide enough for what it shows.
#include "app/FrmMain.h"

#include "editor/FgProgramView.h"
#include "editor/ProgramTableView.h"
#include "editor/SheetHeaderFrame.h"

#include "ScriptedDialogs.h"
#include "TestPaths.h"

#include <QApplication>
#include <QCheckBox>
#include <QScreen>
#include <QStatusBar>
#include <QTest>

#include <gtest/gtest.h>

namespace vexa::gui {
namespace {

Configuration configuration(bool multiSheet) {
    Configuration c;
    c.settings.maxLine = 95;
    c.settings.addFunction1 = multiSheet ? 1 : 0;
    return c;
}

QRect onScreen(const QWidget* widget) { return {widget->mapToGlobal(QPoint(0, 0)), widget->size()}; }

TEST(ScreenFit, TheWholeWindowFitsA1024By768ScreenInBothModes) {
    const QRect available = QApplication::primaryScreen()->availableGeometry();
    ASSERT_EQ(available.size(), QSize(1024, 768)) << "the test's screen.json was not used";
    for (bool multiSheet : {false, true}) {
        SCOPED_TRACE(multiSheet ? "multi-sheet" : "single-sheet");
        test::ScriptedDialogs dialogs;
        Document document(configuration(multiSheet));
        FrmMain frm(ProgramPaths::forFolder(test::programFolder()), document, &dialogs);
        frm.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&frm));
        QTest::qWait(20);  // the placement once the frame is known

        EXPECT_NE(frm.frameGeometry(), frm.geometry());  // this screen draws a frame
        EXPECT_TRUE(available.contains(frm.frameGeometry())) << frm.frameGeometry().width() << "x"
                                                             << frm.frameGeometry().height();
        EXPECT_LE(frm.minimumSizeHint().width(), frm.width());
        EXPECT_TRUE(available.contains(onScreen(frm.statusBar())));
        if (multiSheet) {  // the last season box, right of every other header control
            EXPECT_TRUE(available.contains(onScreen(frm.headerFrame()->chkSeason(12))));
        }
    }
}

TEST(ScreenFit, EveryColumnIsWideEnoughForItsLongestText) {
    test::ScriptedDialogs dialogs;
    Document document(configuration(true));
    // The delivered Element Pattern File, with its "パターンA" … "パターンC".
    FrmMain frm(ProgramPaths::forFolder(test::programFolder()), document, &dialogs);
    frm.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frm));
    const ProgramTableView& table = *frm.programGrid()->table();
    const QFontMetrics metrics = table.fontMetrics();
    auto fits = [&](int col, const QString& text) { return metrics.horizontalAdvance(text) < table.columnWidth(col); };

    for (int col : {gridcol::kLedType, gridcol::kBuzzerType})
        for (const char* name : {"パターンA", "パターンB", "パターンC", "連続"})
            EXPECT_TRUE(fits(col, QString::fromUtf8(name))) << col << " " << name;
    for (int col = gridcol::kVoice1; col <= gridcol::kVoice8; ++col)
        EXPECT_TRUE(fits(col, QStringLiteral("NOTICE01.WAV"))) << col;
    for (int col = 0; col < gridcol::kCount; ++col) {
        EXPECT_TRUE(fits(col, table.widestText(col))) << col;
        EXPECT_GE(table.columnWidth(col), twipsToPixels(gridColumn(col).widthTwips)) << col;
    }
}

}  // namespace
}  // namespace vexa::gui
