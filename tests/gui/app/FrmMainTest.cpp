#include "gui/app/FrmMain.h"

#include "core/app/MainWindowSize.h"
#include "core/config/Messages.h"
#include "gui/editor/FgMemo.h"
#include "core/controlfile/ControlFileWriter.h"

#include "DocumentEdits.h"
#include "ScriptedDialogs.h"
#include "TestPaths.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>
#include <QToolBar>

#include <gtest/gtest.h>

namespace vexa::gui {
namespace {

Configuration configuration(bool multiSheet) {
    Configuration c;
    c.settings.maxLine = 95;
    c.settings.addFunction1 = multiSheet ? 1 : 0;
    c.patternDefaults.led[0] = {"0.5", "0.5"};
    return c;
}

struct Window {
    test::ScriptedDialogs dialogs;
    Document document;
    FrmMain frm;

    explicit Window(bool multiSheet = false, Configuration c = {})
        : document(c == Configuration{} ? configuration(multiSheet) : c),
          frm(ProgramPaths::forFolder("/program"), document, &dialogs) {
        frm.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&frm));
    }

    template <typename T>
    T* child(const char* name) {
        T* found = frm.findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QString panel1() { return child<QLabel>("StatusBar1Panel1")->text(); }
};

TEST(FrmMain, OpensWithCaptionAttentionAndTheWorkAreaSize) {
    Window w;
    EXPECT_EQ(w.frm.windowTitle(), "Vexa Editor 2J");
    EXPECT_EQ(w.child<QLabel>("LblAttention")->text().toStdString(), GetMsg(2808));
    EXPECT_TRUE(w.child<QLabel>("LblState")->text().isEmpty());
    EXPECT_TRUE(w.panel1().isEmpty());
    EXPECT_EQ(w.frm.currentSheet(), 0);
    EXPECT_FALSE(w.document.modified());
    EXPECT_EQ(w.frm.project().patterns.led[0].on, "0.5");

    const QRect area = w.frm.screen()->availableGeometry();
    const WindowGeometry expected =
        MainWindowGeometry({area.left(), area.top(), area.left() + area.width(), area.top() + area.height()});
    QTest::qWait(10);  // placed again once the frame is known
    EXPECT_EQ(w.frm.frameGeometry(), QRect(expected.x, expected.y, expected.width, expected.height));
    EXPECT_NE(w.frm.geometry(), w.frm.frameGeometry());  // the title bar is part of the limit
}

TEST(FrmMain, ToolbarHoldsTheKeyedButtonsAndSeparatorsInOrder) {
    Window w(true);
    QStringList bar;
    for (QAction* action : w.child<QToolBar>("Toolbar1")->actions())
        bar << (action->isSeparator() ? QStringLiteral("|") : action->objectName() + "=" + action->text());
    const QStringList expected = {
        "LOAD=ファイル読込", "NEW=データ初期化", "|", "COPY=シート複製", "|", "SOUND=Sound登録",
        "SETING=設定", "|", "SIM=テスト開始", "WEEK=週間表示", "OTHERS1=", "OTHERS2=", "|",
        "CARD= ｺﾝﾄﾛｰﾙﾃﾞｰﾀ作成", "PRINT=印刷", "|", "APPEND=エディタ終了"};
    EXPECT_EQ(bar, expected);
    EXPECT_EQ(w.frm.toolbarAction(ToolbarKey::Seting)->objectName(), "SETING");
}

TEST(FrmMain, LineCommandButtonsHaveTheirCaptionsAndThereIsNoSix) {
    Window w;
    const std::map<int, QString> captions = {{0, "再生"},   {1, "上移動"},   {2, "下移動"}, {3, "左移動"},
                                             {4, "右移動"}, {5, "削除"}, {7, "一括登録"}, {8, "全ｸﾘｱ"}};
    for (const auto& [index, caption] : captions) {
        auto* button = w.child<QPushButton>(qPrintable(QStringLiteral("Command%1").arg(index)));
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(), caption);
        EXPECT_EQ(w.frm.lineCommand(index), button);
        EXPECT_EQ(button->parentWidget()->objectName(), "FrmTool");
    }
    EXPECT_EQ(w.frm.findChild<QPushButton*>("Command6"), nullptr);
    EXPECT_EQ(w.frm.lineCommand(6), nullptr);
}

TEST(FrmMain, SheetModeShowsOrHidesTheSheetControls) {
    for (bool multi : {false, true}) {
        SCOPED_TRACE(multi ? "multi-sheet" : "single sheet");
        Window w(multi);
        for (const char* name : {"TabStrip", "FgMemo", "FrmSetting"})
            EXPECT_EQ(w.child<QWidget>(name)->isVisible(), multi) << name;
        EXPECT_EQ(w.frm.toolbarAction(ToolbarKey::Copy)->isVisible(), multi);
        EXPECT_EQ(w.frm.toolbarAction(ToolbarKey::Others1)->isVisible(), !multi);
        EXPECT_EQ(w.frm.toolbarAction(ToolbarKey::Others2)->isVisible(), !multi);
        EXPECT_TRUE(w.child<QWidget>("FgProgram")->isVisible());
        EXPECT_TRUE(w.child<QWidget>("FrmTool")->isVisible());
    }
}

TEST(FrmMain, TabsChooseTheCurrentSheet) {
    Window w(true);
    auto* tabs = w.child<QTabBar>("TabStrip");
    QStringList captions;
    for (int i = 0; i < tabs->count(); ++i)
        captions << tabs->tabText(i);
    EXPECT_EQ(captions, (QStringList{"01", "02", "03", "04", "05", "06", "07", "08"}));
    tabs->setCurrentIndex(5);
    EXPECT_EQ(w.frm.currentSheet(), 5);
    tabs->setCurrentIndex(0);
    EXPECT_EQ(w.frm.currentSheet(), 0);
}

TEST(FrmMain, ClosingAsksAndOnlyTheEndingAnswersClose) {
    struct Case {
        bool modified;
        MessageAnswer answer;
        int message;
        bool closes;
        bool cardCreation;
    };
    const Case cases[] = {
        {false, MessageAnswer::No, 2037, false, false},  {false, MessageAnswer::Yes, 2037, true, false},
        {true, MessageAnswer::Cancel, 2036, false, false}, {true, MessageAnswer::Yes, 2036, false, true},
        {true, MessageAnswer::No, 2036, true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        Window w;
        QSignalSpy cardCreation(&w.frm, &FrmMain::cardCreationRequested);
        if (c.modified)
            test::renameSheet(w.document, 0, "朝");
        w.dialogs.answers = {c.answer};
        w.frm.close();
        ASSERT_EQ(w.dialogs.shown.size(), 1u);
        EXPECT_EQ(w.dialogs.shown[0].text, GetMsg(c.message));
        EXPECT_EQ(w.dialogs.shown[0].title, "確認");
        EXPECT_EQ(w.frm.isVisible(), !c.closes);
        EXPECT_EQ(cardCreation.count(), c.cardCreation ? 1 : 0);
    }
}

TEST(FrmMain, TheExitButtonClosesThroughTheSameQuestion) {
    Window w;
    w.dialogs.answers = {MessageAnswer::No};
    w.frm.toolbarAction(ToolbarKey::Append)->trigger();
    EXPECT_TRUE(w.frm.isVisible());
    w.dialogs.answers = {MessageAnswer::Yes};
    w.frm.toolbarAction(ToolbarKey::Append)->trigger();
    EXPECT_FALSE(w.frm.isVisible());
    EXPECT_EQ(w.dialogs.texts(), std::vector<std::string>(2, GetMsg(2037)));
}

TEST(FrmMain, NewAsksOnlyWhenModifiedAndClearsTheProject) {
    Window w;
    auto edit = [&w](bool modified) {
        Project p = w.document.project();  // as a loaded file left it
        p.card.cardName = "CARD01";
        p.patterns.led[0].on = "9.9";
        w.document.replaceProject(p);
        test::renameSheet(w.document, 0, "朝");
        if (!modified)
            w.document.markWritten();
    };
    edit(false);
    w.frm.toolbarAction(ToolbarKey::New)->trigger();
    EXPECT_TRUE(w.dialogs.shown.empty());
    EXPECT_EQ(w.frm.project().sheets[0].header.name, "");
    EXPECT_EQ(w.frm.project().card.cardName, "");
    EXPECT_EQ(w.frm.project().patterns.led[0].on, "0.5");

    edit(true);
    w.dialogs.answers = {MessageAnswer::No};
    w.frm.toolbarAction(ToolbarKey::New)->trigger();
    EXPECT_EQ(w.frm.project().sheets[0].header.name, "朝");
    EXPECT_TRUE(w.document.modified());

    w.dialogs.answers = {MessageAnswer::Yes};
    w.frm.toolbarAction(ToolbarKey::New)->trigger();
    EXPECT_EQ(w.frm.project().sheets[0].header.name, "");
    EXPECT_EQ(w.frm.memoGrid()->name(), "");
    EXPECT_FALSE(w.document.modified());
    EXPECT_FALSE(w.frm.undoAction()->isEnabled());  // New cannot be undone
    EXPECT_EQ(w.dialogs.texts(), std::vector<std::string>(2, GetMsg(2032)));
}

TEST(FrmMain, LoadShowsThePathAndNewEmptiesIt) {
    test::TempDir dir;
    Configuration c = configuration(true);
    c.settings.cardPath = dir.path().string();
    Project written;
    written.clearSheets(95);
    written.card.cardName = "CARD01";
    written.sheets[0].header.name = "昼";
    const auto card = dir / "CARD01.vxa";
    ASSERT_TRUE(WriteControlFile(written, c.settings, card));

    Window w(true, c);
    w.dialogs.fileAnswers = {{card.string()}};
    w.frm.toolbarAction(ToolbarKey::Load)->trigger();
    ASSERT_EQ(w.dialogs.fileRequests.size(), 1u);
    EXPECT_EQ(w.dialogs.fileRequests[0].title, "ファイルを開く");
    EXPECT_EQ(w.dialogs.fileRequests[0].initialFolder, dir.path().string());
    EXPECT_EQ(w.panel1().toStdString(), card.string());
    EXPECT_EQ(w.frm.project().sheets[0].header.name, "昼");
    EXPECT_FALSE(w.document.modified());

    // A cancelled chooser keeps what the status bar showed.
    w.frm.toolbarAction(ToolbarKey::Load)->trigger();
    EXPECT_EQ(w.panel1().toStdString(), card.string());

    w.frm.toolbarAction(ToolbarKey::New)->trigger();
    EXPECT_TRUE(w.panel1().isEmpty());
}

TEST(FrmMain, CommandsWithoutTheirWindowAreDisabledWithATooltip) {
    Window w(true);
    for (const auto& item : ToolbarItems()) {
        if (item.separator || ToolbarCommandAvailable(item.key))
            continue;
        EXPECT_FALSE(w.frm.toolbarAction(item.key)->isEnabled()) << item.keyText;
        EXPECT_EQ(w.frm.toolbarAction(item.key)->toolTip().toStdString(), kNotAvailableToolTip) << item.keyText;
    }
    EXPECT_EQ(w.frm.lineCommand(linecmd::kPlay)->isEnabled(), ToolbarCommandAvailable(ToolbarKey::Sim));
}

TEST(FrmMain, ATestRunLeavesOnlyStopAndTheSparesEnabled) {
    Window w(false);  // the spares are shown in single-sheet mode
    w.frm.setTestRunning(true);
    for (const auto& item : ToolbarItems()) {
        if (item.separator)
            continue;
        const bool stays = item.key == ToolbarKey::Sim || item.key == ToolbarKey::Others1 ||
                           item.key == ToolbarKey::Others2;
        if (item.key != ToolbarKey::Copy) {  // hidden, hence disabled, in this mode
            EXPECT_EQ(w.frm.toolbarAction(item.key)->isEnabled(), stays && ToolbarCommandAvailable(item.key))
                << item.keyText;
        }
    }
    EXPECT_EQ(w.frm.toolbarAction(ToolbarKey::Sim)->text(), "テスト停止");
    for (const char* name : {"TabStrip", "FgMemo", "FrmSetting"})
        EXPECT_FALSE(w.child<QWidget>(name)->isEnabled()) << name;
    EXPECT_FALSE(w.child<QWidget>("LblAttention")->isVisible());

    w.frm.setTestRunning(false);
    EXPECT_TRUE(w.frm.toolbarAction(ToolbarKey::Load)->isEnabled());
    EXPECT_EQ(w.frm.toolbarAction(ToolbarKey::Sim)->text(), "テスト開始");
    EXPECT_TRUE(w.child<QWidget>("TabStrip")->isEnabled());
    EXPECT_TRUE(w.child<QWidget>("LblAttention")->isVisible());
}

}  // namespace
}  // namespace vexa::gui
