// The memo grid in the main window on a 1024 × 768 screen: the longest Name
// (30 full-width characters) and Memo (40) a card accepts are shown whole,
// in the cells, in their tooltips and while they are edited.
#include "gui/app/FrmMain.h"

#include "gui/editor/FgMemo.h"

#include "ScriptedDialogs.h"
#include "TestPaths.h"

#include <QApplication>
#include <QLineEdit>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

namespace vexa::gui {
namespace {

TEST(MemoGrid, TheLongestNameAndMemoAreReadableWhole) {
    const QRect available = QApplication::primaryScreen()->availableGeometry();
    ASSERT_EQ(available.size(), QSize(1024, 768)) << "the test's screen.json was not used";
    // Wide full-width letters among the kana and kanji.
    const QString name = QString::fromUtf8("ＷＷＷ朝の放送（平日）全館一斉案内と始業前のお知らせ＠本館東館").left(FgMemo::kNameFullWidth);
    const QString memo = QString::fromUtf8("ＭＭＭ月曜から金曜まで。祝日は止める。音量は中で、チャイムのあと案内を二回流す。放送室")
                             .left(FgMemo::kMemoFullWidth);
    ASSERT_EQ(name.size(), FgMemo::kNameFullWidth);
    ASSERT_EQ(memo.size(), FgMemo::kMemoFullWidth);

    Configuration c;
    c.settings.maxLine = 95;
    c.settings.addFunction1 = 1;
    test::ScriptedDialogs dialogs;
    Document document(c);
    FrmMain frm(ProgramPaths::forFolder(test::programFolder()), document, &dialogs);
    frm.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frm));
    QTest::qWait(20);  // placed on the screen
    FgMemo& grid = *frm.memoGrid();
    grid.setTexts(name, memo);

    const QFontMetrics metrics = grid.fontMetrics();
    const QRect shown(grid.mapToGlobal(QPoint(0, 0)), grid.size());
    EXPECT_TRUE(available.contains(shown)) << shown.right();
    for (const auto& [column, text] : {std::pair{FgMemo::kNameColumn, name}, std::pair{FgMemo::kMemoColumn, memo}}) {
        SCOPED_TRACE(column);
        const QModelIndex cell = grid.model()->index(0, column);
        // The cell holds the text with the item's margins (no "…").
        EXPECT_GE(grid.visualRect(cell).width(), metrics.horizontalAdvance(text) + 6);
        EXPECT_LE(grid.visualRect(cell).right(), grid.viewport()->width());
        EXPECT_EQ(cell.data(Qt::ToolTipRole).toString(), text);
        // While it is edited, too.
        grid.editCell(column);
        auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        ASSERT_NE(editor, nullptr);
        EXPECT_EQ(editor->text(), text);
        EXPECT_GE(editor->width(), metrics.horizontalAdvance(text));
        grid.endEdit();
    }
    EXPECT_EQ(grid.name(), name);
    EXPECT_EQ(grid.memo(), memo);
}

}  // namespace
}  // namespace vexa::gui
