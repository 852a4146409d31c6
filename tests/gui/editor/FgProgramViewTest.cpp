// The programme grid widget on the offscreen platform: editors, keys, clicks,
// Japanese input, the two-row header and the line commands as the user meets them.
#include "gui/editor/FgProgramView.h"
#include "gui/editor/FrozenColumnsView.h"
#include "gui/editor/ProgramGridModel.h"
#include "gui/editor/ProgramTableView.h"
#include "gui/editor/TwoRowHeaderView.h"

#include "ScriptedDialogs.h"
#include "core/config/Messages.h"

#include <QApplication>
#include <QBrush>
#include <QScrollBar>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <map>
#include <memory>

namespace vexa::gui {
namespace {

constexpr int rowOf(int line) { return line + kGridHeaderRows; }

class FgProgramViewTest : public ::testing::Test {
protected:
    Document document{Configuration{}};
    test::ScriptedDialogs dialogs;
    std::map<std::string, long long> lengthsMs;
    std::unique_ptr<FgProgramView> view;

    void SetUp() override {
        addSound("a.wav", 1240);
        addSound("b.wav", 760);
        view = std::make_unique<FgProgramView>(document, "/nonexistent/elmptnvxa.elm", dialogs, nullptr,
                                               [this](const std::filesystem::path& path) {
                                                   const auto it = lengthsMs.find(path.string());
                                                   return it == lengthsMs.end() ? -1LL : it->second;
                                               });
        view->resize(900, 500);
        view->setupGrid(30);
        view->show();
        QApplication::setActiveWindow(view.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(view.get()));
    }

    void addSound(const std::string& name, long long ms) {
        SoundEntry entry;
        entry.fileName = name;
        entry.sourcePath = "/sounds/" + name;
        entry.length = std::to_string(ms / 1000) + "." + std::to_string(ms % 1000);
        lengthsMs[entry.sourcePath] = ms;
        Project p = document.project();
        if (p.soundPresent)
            p.sounds.push_back(entry);
        else
            p.sounds[0] = entry, p.soundPresent = true;
        document.replaceProject(p);
    }

    ProgramTableView& table() { return *view->table(); }
    QModelIndex cell(int row, int col) { return table().model()->index(row - kGridHeaderRows, col); }
    QString shown(int row, int col) { return cell(row, col).data(Qt::DisplayRole).toString(); }
    std::string text(int row, int col) { return view->grid().text(row, col); }
    QWidget* editor() { return table().currentEditor(); }

    void click(int row, int col) {
        QTest::mouseClick(table().viewport(), Qt::LeftButton, {}, table().visualRect(cell(row, col)).center());
    }
    void key(Qt::Key k, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(QApplication::focusWidget(), k, modifiers);
    }
    // Puts voices into a line of sheet 0 as a loaded file would, and shows it.
    void showVoices(int line, std::initializer_list<const char*> names) {
        Project p = document.project();
        int v = 0;
        for (const char* name : names)
            p.sheets[0].lines[static_cast<std::size_t>(line)].voices[static_cast<std::size_t>(v++)] = name;
        document.replaceProject(p);
        view->showSheet();
    }
};

TEST_F(FgProgramViewTest, ChoosingAVoiceInColumnEightPacksItAndUpdatesTime) {
    showVoices(0, {"a.wav"});
    QSignalSpy states(view.get(), &FgProgramView::commandStateRequested);
    click(rowOf(0), 8);
    auto* combo = qobject_cast<QComboBox*>(editor());
    ASSERT_NE(combo, nullptr);  // the editor opened with the click
    ASSERT_EQ(combo->count(), 3);
    EXPECT_EQ(combo->itemText(0), " ");
    EXPECT_EQ(combo->itemText(2), "b.wav");
    EXPECT_EQ(combo->currentIndex(), -1);  // the cell is empty
    ASSERT_FALSE(states.isEmpty());
    EXPECT_EQ(states.last().at(0).value<CommandState>(), CommandState::Idle);

    QTest::keyClicks(combo, "b");  // picks b.wav, as typing in a list does
    EXPECT_EQ(combo->currentText(), "b.wav");
    EXPECT_FALSE(document.modified());  // not before the cell is committed
    key(Qt::Key_Return);
    EXPECT_TRUE(document.modified());
    EXPECT_EQ(document.project().sheets[0].lines[0].voices[1], "b.wav");

    EXPECT_EQ(text(rowOf(0), 6), "b.wav");
    EXPECT_EQ(text(rowOf(0), 8), "");
    EXPECT_EQ(shown(rowOf(0), 6), "b.wav");
    EXPECT_EQ(shown(rowOf(0), gridcol::kTime), "2.0");  // 1.2 + 0.8
    // Enter moved the cursor down and opened the editor there.
    EXPECT_EQ(view->cursorRow(), rowOf(1));
    EXPECT_EQ(view->cursorColumn(), 8);
    EXPECT_NE(qobject_cast<QComboBox*>(editor()), nullptr);

    // Entering a cell that holds a voice asks for the Voice Cell state.
    click(rowOf(0), 6);
    EXPECT_EQ(states.last().at(0).value<CommandState>(), CommandState::VoiceCell);
}

TEST_F(FgProgramViewTest, ChoiceCellsShowNamesAndStoreNumbers) {
    // Without an Element Pattern File each list has one blank item.
    view->editCellAt(rowOf(2), gridcol::kSelect);
    auto* combo = qobject_cast<QComboBox*>(editor());
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->count(), 1);
    EXPECT_EQ(combo->itemData(0).toString(), "1");
    EXPECT_EQ(shown(rowOf(2), gridcol::kSelect), "");
    EXPECT_EQ(cell(rowOf(2), gridcol::kSelect).data(Qt::EditRole).toString(), "1");
    EXPECT_EQ(cell(rowOf(2), gridcol::kSelect).data(Qt::TextAlignmentRole).toInt(), int(Qt::AlignCenter));
}

TEST_F(FgProgramViewTest, TimeCellsTakeFiveCharactersAndFormatOnCommit) {
    view->editCellAt(rowOf(3), gridcol::kLedTime);
    auto* first = qobject_cast<QLineEdit*>(editor());
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->maxLength(), 5);
    EXPECT_EQ(first->selectedText(), "0.0");  // typing replaces the set-up value
    QTest::keyClicks(first, "1234567");
    EXPECT_EQ(first->text(), "12345");
    key(Qt::Key_Tab);  // commits and moves on
    EXPECT_TRUE(document.modified());
    EXPECT_EQ(text(rowOf(3), gridcol::kLedTime), "12345.0");
    EXPECT_EQ(view->cursorColumn(), gridcol::kBuzzerPicture);
    EXPECT_EQ(editor(), nullptr);  // a picture cell opens no editor

    key(Qt::Key_Tab);
    ASSERT_NE(qobject_cast<QComboBox*>(editor()), nullptr);  // BUZZER type: a list
    key(Qt::Key_Right);  // leaves the list
    auto* edit = qobject_cast<QLineEdit*>(editor());
    ASSERT_NE(edit, nullptr);
    QTest::keyClicks(edit, "3");
    key(Qt::Key_Up);  // commits and moves up
    EXPECT_EQ(text(rowOf(3), gridcol::kBuzzerTime), "3.0");
    EXPECT_EQ(view->cursorRow(), rowOf(2));
    EXPECT_EQ(view->cursorColumn(), gridcol::kBuzzerTime);

    key(Qt::Key_Escape);  // closes without committing; F2 opens again
    EXPECT_EQ(editor(), nullptr);
    key(Qt::Key_F2);
    EXPECT_NE(qobject_cast<QLineEdit*>(editor()), nullptr);
}

TEST_F(FgProgramViewTest, JapaneseInputOpensTheEditorAndKeepsTheFirstCharacter) {
    view->editCellAt(rowOf(0), gridcol::kLedTime);
    key(Qt::Key_Escape);
    ASSERT_EQ(editor(), nullptr);
    ASSERT_EQ(QApplication::focusWidget(), &table());

    QInputMethodEvent preedit("あ", {});
    QApplication::sendEvent(&table(), &preedit);
    auto* edit = qobject_cast<QLineEdit*>(editor());
    ASSERT_NE(edit, nullptr);  // the composition started the edit
    QInputMethodEvent commit;
    commit.setCommitString("あ");
    QApplication::sendEvent(QApplication::focusWidget(), &commit);
    QInputMethodEvent preedit2("い", {});
    QApplication::sendEvent(QApplication::focusWidget(), &preedit2);
    QInputMethodEvent commit2;
    commit2.setCommitString("い");
    QApplication::sendEvent(QApplication::focusWidget(), &commit2);
    EXPECT_EQ(edit->text(), "あい");
    key(Qt::Key_Return);
    EXPECT_TRUE(document.modified());
    EXPECT_EQ(text(rowOf(0), gridcol::kLedTime), "あい");  // not a number: kept as typed

    // A commit without preedit, sent to the grid, reaches the editor too.
    view->editCellAt(rowOf(1), gridcol::kBuzzerTime);
    key(Qt::Key_Escape);
    QInputMethodEvent direct;
    direct.setCommitString("7");
    QApplication::sendEvent(&table(), &direct);
    edit = qobject_cast<QLineEdit*>(editor());
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->text(), "7");
}

TEST_F(FgProgramViewTest, GreyLinesAreNotEditable) {
    const int grey = rowOf(30);
    EXPECT_EQ(table().model()->rowCount(), 95);
    EXPECT_FALSE(cell(grey, gridcol::kSelect).flags() & Qt::ItemIsEditable);
    EXPECT_EQ(cell(grey, 3).data(Qt::BackgroundRole).value<QBrush>().color(), QColor(230, 230, 230));
    EXPECT_EQ(cell(rowOf(29), 14).data(Qt::BackgroundRole).value<QBrush>().color(), QColor(255, 230, 255));
    table().scrollTo(cell(grey, gridcol::kSelect));
    click(grey, gridcol::kSelect);
    EXPECT_EQ(view->cursorRow(), grey);
    EXPECT_EQ(editor(), nullptr);
    key(Qt::Key_F2);
    EXPECT_EQ(editor(), nullptr);
    view->editCellAt(grey, gridcol::kLedTime);
    EXPECT_EQ(editor(), nullptr);
    // TIME never opens an editor either.
    click(rowOf(0), gridcol::kTime);
    EXPECT_EQ(editor(), nullptr);
}

TEST_F(FgProgramViewTest, LineTestClicksAndClicksDuringATest) {
    QSignalSpy lineTests(view.get(), &FgProgramView::lineTestClicked);
    click(rowOf(2), gridcol::kLedPicture);
    ASSERT_EQ(lineTests.count(), 1);
    EXPECT_EQ(lineTests.at(0).at(0).toInt(), rowOf(2));

    view->setTestRunning(true);
    QSignalSpy states(view.get(), &FgProgramView::commandStateRequested);
    click(rowOf(4), gridcol::kLedType);  // ignored
    EXPECT_EQ(view->cursorRow(), rowOf(2));
    EXPECT_EQ(editor(), nullptr);
    click(rowOf(5), gridcol::kNumber);  // stops the test
    EXPECT_EQ(lineTests.count(), 2);
    EXPECT_TRUE(states.isEmpty());
}

TEST_F(FgProgramViewTest, HeaderHasTwoRowsWithGroupsAndTwipWidths) {
    auto* header = qobject_cast<TwoRowHeaderView*>(table().horizontalHeader());
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(header->height(), 40);
    EXPECT_EQ(header->groupOf(7), (std::pair<int, int>{1, 12}));
    EXPECT_EQ(header->groupOf(15), (std::pair<int, int>{13, 15}));
    EXPECT_EQ(header->groupOf(0), (std::pair<int, int>{0, 0}));
    EXPECT_EQ(header->groupOf(20), (std::pair<int, int>{19, 22}));
    EXPECT_GE(header->sectionSize(gridcol::kVoice1), 100);  // at least 1510 twips
    EXPECT_GE(header->sectionSize(gridcol::kTime), 64);     // at least 970 twips
    EXPECT_EQ(table().model()->headerData(gridcol::kLedTime, Qt::Horizontal).toString(), "TIME");
    EXPECT_EQ(table().model()->headerData(gridcol::kLedTime, Qt::Horizontal, ProgramGridModel::TopHeaderRole),
              "LED");
    // The header stays put while the lines scroll.
    const QPoint before = header->mapTo(view.get(), QPoint(0, 0));
    table().scrollTo(cell(rowOf(90), 0));
    EXPECT_GT(table().verticalScrollBar()->value(), 0);
    EXPECT_EQ(header->mapTo(view.get(), QPoint(0, 0)), before);
    EXPECT_FALSE(header->grab().isNull());
}

TEST_F(FgProgramViewTest, LineCommandsApplyTheirResults) {
    showVoices(0, {"a.wav", "b.wav", "a.wav", "b.wav", "a.wav", "b.wav", "a.wav", "b.wav"});
    showVoices(1, {"a.wav", "b.wav"});
    QSignalSpy states(view.get(), &FgProgramView::commandStateRequested);

    view->editCellAt(rowOf(1), 6);
    view->runLineCommand(linecmd::kMoveUp);  // line 0 is full
    EXPECT_EQ(dialogs.texts(), (std::vector<std::string>{GetMsg(2088)}));
    EXPECT_EQ(text(rowOf(1), 6), "b.wav");
    EXPECT_EQ(view->cursorRow(), rowOf(1));
    EXPECT_NE(editor(), nullptr);  // reopened

    view->runLineCommand(linecmd::kDelete);
    EXPECT_EQ(text(rowOf(1), 6), "");
    EXPECT_EQ(shown(rowOf(1), gridcol::kTime), "1.2");
    EXPECT_EQ(states.last().at(0).value<CommandState>(), CommandState::Idle);
    EXPECT_NE(editor(), nullptr);

    view->editCellAt(rowOf(0), 12);
    view->runLineCommand(linecmd::kMoveDown);
    EXPECT_EQ(text(rowOf(1), 6), "b.wav");
    EXPECT_EQ(text(rowOf(0), 12), "");
    EXPECT_EQ(view->cursorRow(), rowOf(1));
    EXPECT_EQ(view->cursorColumn(), 6);

    Project p = document.project();
    p.sheets[3].lines[0].select = "2";
    document.replaceProject(p);
    view->setCurrentSheet(3);
    view->showSheet();
    view->runLineCommand(linecmd::kClearSheet);
    EXPECT_EQ(states.last().at(0).value<CommandState>(), CommandState::Idle);
    EXPECT_EQ(document.project().sheets[3].lines[0].select, "1");
    EXPECT_EQ(shown(rowOf(0), 5), "");
}

TEST_F(FgProgramViewTest, LineNumbersAndPicturesStayWhileTheGridScrollsRight) {
    view->resize(1016, 500);  // the main window's grid on a 1024-pixel screen
    view->setupGrid(255);
    QApplication::processEvents();  // the scroll ranges follow the new lines
    QScrollBar* across = table().horizontalScrollBar();
    ASSERT_GT(across->maximum(), 0);  // the EX columns are off screen at first
    table().scrollTo(cell(rowOf(120), 0), QAbstractItemView::PositionAtTop);
    across->setValue(across->maximum());
    QApplication::processEvents();

    FrozenColumnsView* frozen = table().frozenColumns();
    ASSERT_NE(frozen, nullptr);
    EXPECT_TRUE(frozen->isVisible());
    EXPECT_EQ(frozen->geometry().left(), table().frameWidth());
    EXPECT_EQ(frozen->frozenWidth(), table().columnWidth(0) + table().columnWidth(1));
    EXPECT_FALSE(frozen->isColumnHidden(gridcol::kNumber));
    EXPECT_TRUE(frozen->isColumnHidden(gridcol::kTime));
    // The last EX column is shown whole beside the frozen columns.
    const QRect lastEx = table().visualRect(cell(rowOf(120), gridcol::kCount - 1));
    EXPECT_LE(lastEx.right(), table().viewport()->width());
    EXPECT_GE(table().visualRect(cell(rowOf(120), gridcol::kLedType)).left(), 0);

    // At every height the frozen No. shows the number of the line beside it.
    for (int y : {2, 60, 200, table().viewport()->height() - 3}) {
        const QModelIndex left = frozen->indexAt(QPoint(5, y));
        const QModelIndex right = table().indexAt(QPoint(lastEx.center().x(), y));
        ASSERT_TRUE(left.isValid()) << y;
        EXPECT_EQ(left.column(), gridcol::kNumber);
        EXPECT_EQ(left.row(), right.row()) << y;
        EXPECT_EQ(left.data().toString(), QString::number(left.row() + 1).rightJustified(2, u'0'));
    }
    EXPECT_EQ(frozen->indexAt(QPoint(5, 2)).data().toString(), "121");

    // A cell of a scrolling column never hides under the frozen ones.
    view->editCellAt(rowOf(120), gridcol::kSelect);
    EXPECT_GE(table().visualRect(cell(rowOf(120), gridcol::kSelect)).left(), frozen->frozenWidth());
    across->setValue(across->maximum());

    // A click on a frozen line number tests that line, wherever the grid stands.
    QSignalSpy lineTests(view.get(), &FgProgramView::lineTestClicked);
    const QRect number = frozen->visualRect(cell(rowOf(125), gridcol::kNumber));
    QTest::mouseClick(frozen->viewport(), Qt::LeftButton, {}, number.center());
    ASSERT_EQ(lineTests.count(), 1);
    EXPECT_EQ(lineTests.at(0).at(0).toInt(), rowOf(125));
    EXPECT_EQ(view->cursorRow(), rowOf(125));
    EXPECT_EQ(across->value(), across->maximum());  // the columns stayed where they were

    // Lines set up again (Batch Fill, a new Line Count) keep the frozen columns.
    view->setupGrid(30);
    EXPECT_TRUE(frozen->isColumnHidden(gridcol::kTime));
    EXPECT_FALSE(frozen->isColumnHidden(gridcol::kSoundPicture));
}

TEST_F(FgProgramViewTest, EndEditCommitsAndLeavesNoCursor) {
    view->editCellAt(rowOf(4), gridcol::kBuzzerTime);
    QTest::keyClicks(editor(), "2");
    view->endEdit();
    EXPECT_EQ(text(rowOf(4), gridcol::kBuzzerTime), "2.0");
    EXPECT_EQ(editor(), nullptr);
    EXPECT_EQ(view->cursorRow(), 0);
    EXPECT_EQ(view->cursorColumn(), 0);
    EXPECT_EQ(document.project().sheets[0].lines[4].buzzerTime, "2.0");
}

TEST_F(FgProgramViewTest, CheckSheetMovesToTheFailingCell) {
    Project p = document.project();  // as a loaded file left it
    p.sheets[0].lines[6].ledType = "1";
    p.sheets[0].lines[6].ledTime = "abc";
    document.replaceProject(std::move(p));
    EXPECT_FALSE(view->checkSheet());
    EXPECT_EQ(dialogs.texts(), (std::vector<std::string>{GetMsg(2004)}));
    EXPECT_EQ(view->cursorRow(), rowOf(6));
    EXPECT_EQ(view->cursorColumn(), gridcol::kLedTime);
    ASSERT_NE(qobject_cast<QLineEdit*>(editor()), nullptr);
    QTest::keyClicks(editor(), "1");
    EXPECT_TRUE(view->checkSheet());  // the open edit is taken first
    EXPECT_EQ(text(rowOf(6), gridcol::kLedTime), "1.0");
}

}  // namespace
}  // namespace vexa::gui
