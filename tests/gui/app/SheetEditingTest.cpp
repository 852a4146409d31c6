// The main window with its real grid, header and memo: editing a sheet,
// switching sheets and duplicating them, as a user does.
#include "gui/app/FrmMain.h"

#include "core/config/Messages.h"
#include "gui/editor/FgMemo.h"
#include "gui/editor/FgProgramView.h"
#include "gui/editor/FrozenColumnsView.h"
#include "gui/editor/SheetHeaderFrame.h"
#include "gui/editor/ProgramTableView.h"
#include "core/controlfile/ControlFileWriter.h"
#include "gui/editor/FrmCopy.h"
#include "core/document/Edits.h"
#include "core/sound/WaveInspection.h"

#include "ScriptedDialogs.h"
#include "TestPaths.h"
#include "WaveFileBytes.h"

#include <QApplication>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace vexa::gui {
namespace {

constexpr int kFirstLineRow = 2;

Configuration multiSheet() {
    Configuration c;
    c.settings.maxLine = 30;
    c.settings.addFunction1 = 1;
    return c;
}

struct Window {
    test::ScriptedDialogs dialogs;
    Document document;
    FrmMain frm;

    explicit Window(Configuration c = multiSheet(), const std::filesystem::path& folder = "/program")
        : document(c), frm(ProgramPaths::forFolder(folder), document, &dialogs) {
        frm.show();
        QApplication::setActiveWindow(&frm);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&frm));
    }
    ProgramGrid& grid() { return frm.programGrid()->grid(); }
    void clickTab(int index) {
        QTabBar* tabs = frm.tabStrip();
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(index).center());
    }
};

// Runs `act` on the modal window of type T as soon as it is open.
template <typename T, typename Act>
void whenModalOpens(Act act, int attempts = 200) {
    QTimer::singleShot(5, [act, attempts] {
        if (auto* window = qobject_cast<T*>(QApplication::activeModalWidget()))
            act(window);
        else if (attempts > 0)
            whenModalOpens<T>(act, attempts - 1);
    });
}

// A Control File with two sounds of 1.24 s and 0.76 s beside it (22050 Hz mono 8-bit).
std::filesystem::path writeCardWithSounds(const test::TempDir& dir, const Configuration& c) {
    test::writeBytes(dir / "a.wav", test::pcmWave(1, 22050, 8, 27342));  // 1.24 s
    test::writeBytes(dir / "b.wav", test::pcmWave(1, 22050, 8, 16758));  // 0.76 s
    Project p;
    p.clearSheets(c.settings.lineCount());
    p.sounds = {SoundEntry{}, SoundEntry{}};
    p.sounds[0].fileName = "a.wav";
    p.sounds[1].fileName = "b.wav";
    p.soundPresent = true;
    p.sheets[0].lines[0].voices[0] = "a.wav";
    p.sheets[0].lines[0].repeat = "2";
    p.sheets[1].header.name = "昼の放送";
    p.sheets[1].header.startHour = "";
    p.sheets[1].header.endHour = "17";
    p.sheets[1].lines[0].voices[0] = "b.wav";
    const auto card = dir / "CARD.vxa";
    EXPECT_TRUE(WriteControlFile(p, c.settings, card));
    return card;
}

TEST(SheetEditing, ChoosingAVoicePacksItAndRecomputesTime) {
    test::TempDir dir;
    Window w;
    ASSERT_TRUE(w.frm.loadControlFile(writeCardWithSounds(dir, multiSheet()).string()));
    EXPECT_EQ(w.grid().text(kFirstLineRow, gridcol::kTime), "2.4");  // 2 × 1.2

    // The user picks b.wav in voice column 8 of the first line.
    w.frm.programGrid()->editCellAt(kFirstLineRow, 8);
    auto* list = qobject_cast<QComboBox*>(w.frm.programGrid()->table()->currentEditor());
    ASSERT_NE(list, nullptr);
    QTest::keyClicks(list, "b");
    QTest::keyClick(list, Qt::Key_Return);

    EXPECT_EQ(w.grid().text(kFirstLineRow, 5), "a.wav");
    EXPECT_EQ(w.grid().text(kFirstLineRow, 6), "b.wav");
    EXPECT_EQ(w.grid().text(kFirstLineRow, 8), "");
    EXPECT_EQ(w.grid().text(kFirstLineRow, gridcol::kTime), "4.0");  // 2 × (1.2 + 0.8)
    EXPECT_TRUE(w.document.modified());
}

// The texts of the menu that a right click on `target` opens, closing it.
QStringList contextMenuOf(QWidget* target, QPoint at) {
    QStringList seen;
    QTimer::singleShot(0, [&seen] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            for (QAction* action : menu->actions())
                if (action->isVisible())
                    seen << (action->isSeparator() ? QStringLiteral("|")
                                                   : action->text() + (action->isEnabled() ? "" : "(off)"));
            menu->close();
        }
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, target->mapToGlobal(at));
    QApplication::sendEvent(target, &event);
    return seen;
}

TEST(SheetEditing, TheGridMenuAndKeysRunTheLineCommandsAsTheButtonsDo) {
    test::TempDir dir;
    Window w;
    ASSERT_TRUE(w.frm.loadControlFile(writeCardWithSounds(dir, multiSheet()).string()));
    ProgramTableView* table = w.frm.programGrid()->table();
    auto same = [&w] {
        for (int index : kGridMenuLineCommands) {
            QAction* action = w.frm.lineCommandAction(index);
            if (!action)
                return testing::AssertionFailure() << "no menu entry " << index;
            if (action->text() != w.frm.lineCommand(index)->text() ||
                action->isEnabled() != w.frm.lineCommand(index)->isEnabled())
                return testing::AssertionFailure() << "menu entry " << index << " differs from its button";
        }
        return testing::AssertionSuccess();
    };
    // Enabled as the buttons in every state, and during a test.
    for (CommandState state : {CommandState::VoiceCell, CommandState::Idle, CommandState::SheetTest,
                               CommandState::LineTest}) {
        w.frm.setCommandState(state);
        EXPECT_TRUE(same()) << int(state);
    }
    w.frm.setTestRunning(true);
    w.frm.setCommandState(CommandState::SheetTest);
    EXPECT_TRUE(same());
    w.frm.setTestRunning(false);
    w.frm.setCommandState(CommandState::Idle);
    EXPECT_FALSE(w.frm.lineCommandAction(linecmd::kDelete)->isEnabled());

    // A right click on a voice, in the scrolling part or on the frozen line numbers.
    const QModelIndex voice = table->model()->index(0, 5);
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(voice).center());
    EXPECT_TRUE(same());
    const QStringList onVoice = {"元に戻す(off)", "やり直し(off)", "|", "上移動", "下移動", "左移動", "右移動",
                                 "削除", "|", "一括登録", "全ｸﾘｱ"};
    EXPECT_EQ(contextMenuOf(table->viewport(), table->visualRect(voice).center()), onVoice);
    FrozenColumnsView* frozen = table->frozenColumns();
    EXPECT_EQ(contextMenuOf(frozen->viewport(), frozen->visualRect(table->model()->index(0, 0)).center()), onVoice);

    // The keys, on the voice's list: down a line, then deleted there.
    QApplication::setActiveWindow(&w.frm);  // again, after the menus
    w.frm.programGrid()->editCellAt(kFirstLineRow, 5);
    ASSERT_NE(table->currentEditor(), nullptr);
    QTest::keyClick(table->currentEditor(), Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(w.grid().text(kFirstLineRow + 1, 5), "a.wav");
    EXPECT_EQ(w.grid().text(kFirstLineRow, 5), "");
    ASSERT_NE(qobject_cast<QComboBox*>(table->currentEditor()), nullptr);
    QTest::keyClick(table->currentEditor(), Qt::Key_Delete);
    EXPECT_EQ(w.grid().text(kFirstLineRow + 1, 5), "");
    EXPECT_EQ(w.document.project().sheets[0].lines[1].voices[0], "");
    EXPECT_TRUE(same());  // the cell is empty now: Idle

    // In a time cell Delete and Ctrl+Left stay the text's own keys.
    w.frm.programGrid()->editCellAt(kFirstLineRow, gridcol::kLedTime);
    auto* edit = qobject_cast<QLineEdit*>(table->currentEditor());
    ASSERT_NE(edit, nullptr);
    edit->setText("12.5");
    edit->setCursorPosition(4);
    QTest::keyClick(edit, Qt::Key_Left, Qt::ControlModifier);
    EXPECT_LT(edit->cursorPosition(), 4);
    edit->setCursorPosition(0);
    QTest::keyClick(edit, Qt::Key_Delete);
    EXPECT_EQ(edit->text(), "2.5");

    // The whole-sheet commands ask first, as their buttons do.
    w.dialogs.answers = {MessageAnswer::No, MessageAnswer::No};
    QTest::keyClick(edit, Qt::Key_B, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClick(table->currentEditor() ? table->currentEditor() : table, Qt::Key_Delete,
                    Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(w.dialogs.texts(), (std::vector<std::string>{GetMsg(2521), GetMsg(2032)}));
    EXPECT_EQ(w.grid().text(kFirstLineRow, gridcol::kRepeat), "2");  // No: the sheet stays
    EXPECT_EQ(w.frm.lineCommand(linecmd::kMoveUp)->toolTip(),
              "上移動 (" + QKeySequence("Ctrl+Up").toString(QKeySequence::NativeText) + ")");
}

TEST(SheetEditing, LoadedHeadersShowAsWrittenAndTabsKeepWhatWasTyped) {
    test::TempDir dir;
    Window w;
    ASSERT_TRUE(w.frm.loadControlFile(writeCardWithSounds(dir, multiSheet()).string()));

    w.clickTab(1);
    EXPECT_EQ(w.frm.currentSheet(), 1);
    EXPECT_EQ(w.frm.memoGrid()->name(), "昼の放送");
    EXPECT_EQ(w.frm.headerFrame()->cmbHourSt()->currentIndex(), 0);  // the empty entry, not "00"
    EXPECT_EQ(w.frm.headerFrame()->cmbHourEd()->currentText(), "17");
    EXPECT_EQ(w.grid().text(kFirstLineRow, 5), "b.wav");

    // A name typed on sheet 02 survives going to sheet 01 and back, and
    // marks the Project modified like every other edit.
    w.frm.memoGrid()->editCell(FgMemo::kNameColumn);
    QWidget* editor = QApplication::focusWidget();
    ASSERT_NE(editor, nullptr);
    QTest::keyClick(editor, Qt::Key_End);
    QInputMethodEvent commit;
    commit.setCommitString("夕");
    QApplication::sendEvent(editor, &commit);
    w.clickTab(0);  // with the editor still open
    EXPECT_EQ(w.frm.project().sheets[1].header.name, "昼の放送夕");
    EXPECT_EQ(w.frm.memoGrid()->name(), "");
    EXPECT_EQ(w.grid().text(kFirstLineRow, 5), "a.wav");
    w.clickTab(1);
    EXPECT_EQ(w.frm.memoGrid()->name(), "昼の放送夕");
    EXPECT_TRUE(w.document.modified());

    // A header list is a step of its own; undoing both is back to clean.
    w.frm.headerFrame()->cmbVolume()->setCurrentIndex(3);
    emit w.frm.headerFrame()->cmbVolume()->activated(3);
    EXPECT_EQ(w.frm.project().sheets[1].header.volume, 3);
    w.frm.undoAction()->trigger();
    EXPECT_EQ(w.frm.project().sheets[1].header.volume, 0);
    EXPECT_EQ(w.frm.headerFrame()->cmbVolume()->currentIndex(), 0);
    w.frm.undoAction()->trigger();
    EXPECT_EQ(w.frm.memoGrid()->name(), "昼の放送");
    EXPECT_FALSE(w.document.modified());
}

TEST(SheetEditing, DuplicatesTheShownSheetOntoTwoSheets) {
    Window w;
    w.frm.memoGrid()->item(0, FgMemo::kNameColumn)->setText("原本");  // as an editor commits it
    w.frm.headerFrame()->cmbHourSt()->setCurrentIndex(9);
    emit w.frm.headerFrame()->cmbHourSt()->activated(9);  // "08"
    w.document.markWritten();

    whenModalOpens<FrmCopy>([](FrmCopy* window) {
        window->list1()->item(2)->setSelected(true);  // "04"
        window->list1()->item(6)->setSelected(true);  // "08"
        QTest::mouseClick(window->command1(), Qt::LeftButton);
    });
    w.frm.toolbarAction(ToolbarKey::Copy)->trigger();

    for (int sheet : {3, 7}) {
        EXPECT_EQ(w.frm.project().sheets[static_cast<std::size_t>(sheet)].header.name, "原本");
        EXPECT_EQ(w.frm.project().sheets[static_cast<std::size_t>(sheet)].header.startHour, "08");
    }
    EXPECT_EQ(w.frm.project().sheets[1].header.name, "");
    EXPECT_TRUE(w.document.modified());
    w.clickTab(3);
    EXPECT_EQ(w.frm.memoGrid()->name(), "原本");
    EXPECT_EQ(w.frm.headerFrame()->cmbHourSt()->currentText(), "08");
}

TEST(SheetEditing, UndoAndRedoFollowTheStepsAcrossSheetsAndDecideTheExitQuestion) {
    test::TempDir dir;
    Window w;
    ASSERT_TRUE(w.frm.loadControlFile(writeCardWithSounds(dir, multiSheet()).string()));
    EXPECT_FALSE(w.frm.undoAction()->isEnabled());

    // Sheet 01: b.wav picked into the first line.
    w.frm.programGrid()->editCellAt(kFirstLineRow, 6);
    auto* list = qobject_cast<QComboBox*>(w.frm.programGrid()->table()->currentEditor());
    ASSERT_NE(list, nullptr);
    QTest::keyClicks(list, "b");
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(w.frm.project().sheets[0].lines[0].voices[1], "b.wav");

    // Sheet 02: Batch Fill, answered Yes.
    w.clickTab(1);
    w.frm.lineCommand(linecmd::kBatchFill)->click();
    EXPECT_EQ(w.dialogs.texts().back(), GetMsg(msg::kOverwriteAllQuestion));
    EXPECT_EQ(w.frm.project().sheets[1].lines[1].voices[0], "b.wav");
    w.clickTab(2);

    // Ctrl+Z twice: each step comes back on its own sheet.
    QWidget* focus = QApplication::focusWidget() ? QApplication::focusWidget() : &w.frm;
    QTest::keyClick(focus, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(w.frm.currentSheet(), 1);
    EXPECT_EQ(w.frm.tabStrip()->currentIndex(), 1);
    EXPECT_EQ(w.frm.project().sheets[1].lines[1].voices[0], "");
    EXPECT_EQ(w.grid().text(kFirstLineRow + 1, 5), "");
    EXPECT_EQ(w.grid().text(kFirstLineRow, 5), "b.wav");  // sheet 02 as loaded
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &w.frm, Qt::Key_Z,
                    Qt::ControlModifier);
    EXPECT_EQ(w.frm.currentSheet(), 0);
    EXPECT_EQ(w.grid().text(kFirstLineRow, 6), "");
    EXPECT_EQ(w.grid().text(kFirstLineRow, gridcol::kTime), "2.4");
    EXPECT_FALSE(w.document.modified());
    EXPECT_FALSE(w.frm.undoAction()->isEnabled());

    // Ctrl+Y redoes the voice.
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &w.frm, Qt::Key_Y,
                    Qt::ControlModifier);
    EXPECT_EQ(w.grid().text(kFirstLineRow, 6), "b.wav");
    EXPECT_TRUE(w.document.modified());

    // Modified asks 2036 on closing; undone back to the load, 2037 again.
    w.dialogs.shown.clear();
    w.dialogs.answers = {MessageAnswer::Cancel};
    w.frm.close();
    w.frm.undoAction()->trigger();
    w.dialogs.answers = {MessageAnswer::No};
    w.frm.close();
    EXPECT_EQ(w.dialogs.texts(), (std::vector<std::string>{GetMsg(msg::kSaveBeforeExit), GetMsg(msg::kExitQuestion)}));
    EXPECT_TRUE(w.frm.isVisible());
}

// Every usable row of the grid shows exactly the Project's line of the shown
// sheet, cell by cell, as the table's model gives it to the editors.
void expectGridShowsTheProject(Window& w, const char* after) {
    SCOPED_TRACE(after);
    const QAbstractItemModel* model = w.frm.programGrid()->table()->model();
    const ProgramSheet& sheet = w.frm.project().sheets[static_cast<std::size_t>(w.frm.currentSheet())];
    const int lines = w.grid().lineCount();
    ASSERT_GE(model->rowCount(), lines);
    for (int line = 0; line < lines; ++line)
        for (int col = 0; col < gridcol::kCount; ++col) {
            if (const std::string* field = LineFieldOf(sheet.lines[static_cast<std::size_t>(line)], col)) {
                ASSERT_EQ(model->index(line, col).data(Qt::EditRole).toString().toStdString(), *field)
                    << "line " << line + 1 << ", column " << col;
            }
        }
}

TEST(SheetEditing, TheGridShowsTheProjectAfterSoundOkSettingsOkUndoRedoAndLoad) {
    test::TempDir dir;
    Configuration c = multiSheet();
    c.settings.cardPath = dir.path().string();
    const auto card = writeCardWithSounds(dir, c);
    Window w(c, dir.path());
    ASSERT_TRUE(w.frm.loadControlFile(card.string()));
    expectGridShowsTheProject(w, "load");
    // A file that changed since: the sound window's OK measures it again and
    // so changes TIME.
    test::writeBytes(dir / "a.wav", test::pcmWave(1, 22050, 8, 44100));  // 2.0 s
    w.frm.programGrid()->editCellAt(kFirstLineRow, 6);
    auto* list = qobject_cast<QComboBox*>(w.frm.programGrid()->table()->currentEditor());
    ASSERT_NE(list, nullptr);
    QTest::keyClicks(list, "b");
    QTest::keyClick(list, Qt::Key_Return);
    expectGridShowsTheProject(w, "a committed cell");

    // Sound OK with the table as it is, then what the main window runs after it.
    EditSoundTable(w.document, w.document.project().sounds, true,
                   [](const std::filesystem::path& file) { return GetWaveLength(file); });
    w.frm.programGrid()->RefreshVoiceCell();
    EXPECT_EQ(w.frm.project().sheets[0].lines[0].time, "5.6");  // 2 × (2.0 + 0.8)
    expectGridShowsTheProject(w, "Sound OK");

    // Settings OK ends with the main window's RefreshVoiceCell.
    w.frm.programGrid()->RefreshVoiceCell();
    expectGridShowsTheProject(w, "Settings OK");

    while (w.document.canUndo()) {
        w.frm.undoAction()->trigger();
        expectGridShowsTheProject(w, "undo");
    }
    while (w.document.canRedo()) {
        w.frm.redoAction()->trigger();
        expectGridShowsTheProject(w, "redo");
    }
    EXPECT_EQ(w.frm.project().sheets[0].lines[0].time, "5.6");

    ASSERT_TRUE(w.frm.loadControlFile(card.string()));
    expectGridShowsTheProject(w, "load again");
}

TEST(SheetEditing, SingleSheetModeHidesTheSheetControls) {
    Configuration c = multiSheet();
    c.settings.addFunction1 = 0;
    Window w(c);
    EXPECT_FALSE(w.frm.tabStrip()->isVisible());
    EXPECT_FALSE(w.frm.memoGrid()->isVisible());
    EXPECT_FALSE(w.frm.headerFrame()->isVisible());
    EXPECT_TRUE(w.frm.programGrid()->isVisible());
}

}  // namespace
}  // namespace vexa::gui
