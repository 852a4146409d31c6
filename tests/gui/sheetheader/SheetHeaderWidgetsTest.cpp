#include "gui/editor/FgMemo.h"
#include "gui/editor/SheetHeaderFrame.h"
#include "gui/editor/FrmCopy.h"

#include "ScriptedDialogs.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace vexa::gui {
namespace {

TEST(SheetHeaderWidgets, ShowsEmptyAndForeignTimesAndKeepsThem) {
    SheetHeaderFrame frame;
    SheetHeaderControls shown;
    shown.volume = 2;
    shown.startHour = "";
    shown.startMinute = "05";
    shown.endHour = "7";  // from a loaded file, no list entry
    shown.weekdays[6] = true;
    shown.seasons[0] = true;
    frame.showHeader(shown);

    EXPECT_EQ(frame.cmbHourSt()->currentIndex(), 0);
    EXPECT_EQ(frame.cmbHourSt()->currentText(), "");
    EXPECT_EQ(frame.cmbMinuteSt()->currentText(), "05");
    EXPECT_EQ(frame.cmbHourEd()->currentText(), "7");
    EXPECT_EQ(frame.cmbVolume()->currentText(), "2");
    EXPECT_TRUE(frame.chkWeek(6)->isChecked());
    EXPECT_TRUE(frame.chkSeason(0)->isChecked());
    EXPECT_EQ(frame.controls(), shown);

    frame.clear();
    EXPECT_EQ(frame.cmbHourEd()->findText("7"), -1);
    EXPECT_EQ(frame.cmbHourEd()->count(), 25);
    EXPECT_EQ(frame.controls(), SheetHeaderControls{});
    EXPECT_FALSE(frame.chkWeek(6)->isChecked());
}

TEST(SheetHeaderWidgets, UserChoicesUpdateTheRecordAndMarkAnEdit) {
    SheetHeaderFrame frame;
    QSignalSpy edited(&frame, &SheetHeaderFrame::edited);
    frame.show();
    QTest::mouseClick(frame.chkWeek(2), Qt::LeftButton);
    emit frame.cmbHourEd()->activated(18);  // "17"
    emit frame.cmbVolume()->activated(3);
    EXPECT_EQ(edited.count(), 3);
    EXPECT_TRUE(frame.controls().weekdays[2]);
    EXPECT_EQ(frame.controls().endHour, "17");
    EXPECT_EQ(frame.controls().volume, 3);

    // Showing a sheet is not an edit.
    frame.showHeader(SheetHeaderControls{});
    EXPECT_EQ(edited.count(), 3);
}

TEST(SheetHeaderWidgets, MemoGridTakesJapaneseInputAndFollowsItsTabOrder) {
    FgMemo memo;
    memo.show();
    QApplication::setActiveWindow(&memo);
    QSignalSpy forward(&memo, &FgMemo::leftForward);
    QSignalSpy backward(&memo, &FgMemo::leftBackward);

    memo.editCell(FgMemo::kNameColumn);
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(editor, nullptr);
    {
        QInputMethodEvent preedit("ちょうれい", {});
        QApplication::sendEvent(editor, &preedit);
        QInputMethodEvent commit;
        commit.setCommitString("朝礼");
        QApplication::sendEvent(editor, &commit);
    }
    QTest::keyClick(editor, Qt::Key_Tab);  // Name → Memo
    EXPECT_EQ(memo.name(), "朝礼");
    EXPECT_EQ(memo.currentColumn(), FgMemo::kMemoColumn);

    auto* memoEditor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(memoEditor, nullptr);
    QTest::keyClicks(memoEditor, "abc");
    QTest::keyClick(memoEditor, Qt::Key_Backtab);  // Memo → Name
    EXPECT_EQ(memo.memo(), "abc");
    EXPECT_EQ(memo.currentColumn(), FgMemo::kNameColumn);

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);  // Name → leaves backwards
    EXPECT_EQ(backward.count(), 1);
    memo.editCell(FgMemo::kMemoColumn);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);  // Memo → leaves forwards
    EXPECT_EQ(forward.count(), 1);
}

TEST(SheetHeaderWidgets, LabelsPassTheCursorOn) {
    FgMemo memo;
    memo.show();
    memo.setCurrentCell(0, 2);
    QTest::qWait(1);
    QApplication::processEvents();
    EXPECT_EQ(memo.currentColumn(), FgMemo::kMemoColumn);
    EXPECT_TRUE(memo.isEditing());
}

TEST(SheetHeaderWidgets, DuplicatesOntoTwoSheets) {
    Project start;
    start.sheets[0].header.name = "source";
    start.sheets[0].lines[3].voices[0] = "a.wav";
    Document document(Configuration{}, start);
    const Project& project = document.project();
    test::ScriptedDialogs dialogs;

    FrmCopy window(document, 0, dialogs);
    EXPECT_EQ(window.windowTitle(), "シート複製");
    EXPECT_EQ(window.combo1()->currentText(), "01");
    ASSERT_EQ(window.list1()->count(), 7);
    EXPECT_EQ(window.list1()->item(0)->text(), "02");

    QTest::mouseClick(window.command1(), Qt::LeftButton);  // nothing selected
    EXPECT_FALSE(window.copied());
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, "複製元・複製先を選択してください。");

    window.list1()->item(1)->setSelected(true);  // "03"
    window.list1()->item(4)->setSelected(true);  // "06"
    QTest::mouseClick(window.command1(), Qt::LeftButton);
    EXPECT_TRUE(window.copied());
    EXPECT_EQ(window.result(), QDialog::Accepted);
    EXPECT_EQ(project.sheets[2], project.sheets[0]);
    EXPECT_EQ(project.sheets[5], project.sheets[0]);
    EXPECT_NE(project.sheets[1], project.sheets[0]);

    window.combo1()->setCurrentText("05");
    EXPECT_EQ(window.list1()->item(0)->text(), "01");
    EXPECT_EQ(window.list1()->findItems("05", Qt::MatchExactly).size(), 0);
}

}  // namespace
}  // namespace vexa::gui
