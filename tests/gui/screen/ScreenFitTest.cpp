// The windows on a 1024 × 768 screen (this executable's offscreen screen,
// which draws a frame): each whole window, frame included, lies on the screen
// (the main window in both sheet modes, and every other window as it opens
// and as it grows), and every column is wide enough for what it shows.
#include "gui/app/FrmMain.h"

#include "gui/editor/FgProgramView.h"
#include "gui/editor/ProgramTableView.h"
#include "gui/editor/SheetHeaderFrame.h"

#include "gui/card/CardMediaPanel.h"
#include "gui/card/FrmCardMake.h"
#include "gui/print/FrmPrint.h"
#include "gui/settings/FrmSeting.h"
#include "gui/sound/FrmPlay.h"
#include "gui/sound/FrmSound.h"
#include "gui/card/FmtAttention.h"
#include "gui/card/FrmChkMsg.h"
#include "gui/editor/FrmCopy.h"
#include "gui/settings/FrmDisp2.h"
#include "gui/card/FrmProgress.h"
#include "gui/wavetools/FrmTools.h"
#include "gui/week/FrmWeek.h"

#include "FakeVolumeService.h"
#include "ScriptedAudioOutput.h"
#include "ScriptedDialogs.h"
#include "TestPaths.h"

#include <QApplication>
#include <QCheckBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>
#include <QScreen>
#include <QStatusBar>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

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

TEST(ScreenFit, EveryOtherWindowFitsTheScreenFrameIncludedAndStaysOnItAsItGrows) {
    const QRect available = QApplication::primaryScreen()->availableGeometry();
    test::ScriptedDialogs dialogs;
    test::ScriptedAudioOutput output;
    Document document(configuration(true));
    const ProgramPaths paths = ProgramPaths::forFolder(test::programFolder());
    FrmMain frm(paths, document, &dialogs);
    frm.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frm));
    // A long error list: the list scrolls, the window does not grow.
    std::string errors;
    for (int line = 1; line <= 255; ++line)
        errors += "No.（" + std::to_string(line) + "） LED時間が入力されていません。\n";

    std::vector<SoundEntry> playRows(1);
    playRows[0].fileName = "LONG.WAV";
    playRows[0].sourcePath = "/nonexistent/LONG.WAV";
    output.pollsToPlay["LONG.WAV"] = 1'000'000;  // plays for as long as the test looks

    test::FakeVolumeService noCard;
    noCard.running = true;  // and no card: the card part says so on an extra line

    using Make = std::function<std::unique_ptr<QWidget>()>;
    const std::pair<const char*, Make> windows[] = {
        {"FrmSound", [&] { return std::make_unique<FrmSound>(document, dialogs, &frm, &output); }},
        {"FrmPlay", [&] { return std::make_unique<FrmPlay>(playRows, PlayRequest{PlayMode::One, 1}, output, &frm); }},
        {"FrmTools", [&] { return std::make_unique<FrmTools>(dialogs, &frm); }},
        {"FrmSeting", [&] { return std::make_unique<FrmSeting>(document, paths, dialogs, FrmSeting::MainWindowCalls{}, &frm); }},
        {"FrmCopy", [&] { return std::make_unique<FrmCopy>(document, 0, dialogs, &frm); }},
        {"FrmCardMake", [&] { return std::make_unique<FrmCardMake>(document, paths, dialogs, &frm); }},
        {"FrmCardMake with its card part", [&] {
             auto w = std::make_unique<FrmCardMake>(document, paths, dialogs, &frm, &noCard);
             w->cardPanel()->showFor("/nonexistent/cards/SHOP");  // as after a completed creation
             return w;
         }},
        {"FrmPrint", [&] { return std::make_unique<FrmPrint>(document, paths, dialogs, &frm); }},
        {"FrmProgress", [&] { return std::make_unique<FrmProgress>(&frm); }},
        {"FrmDisp2", [&] { return std::make_unique<FrmDisp2>(paths.releaseNotes, &frm); }},
        {"FrmChkMsg", [&] { return std::make_unique<FrmChkMsg>(errors, dialogs, &frm); }},
        {"FmtAttention", [&] { return std::make_unique<FmtAttention>(&frm); }},
        {"FrmWeek", [&] { return std::make_unique<FrmWeek>(document, 1, &frm); }},
    };
    for (const auto& [name, make] : windows) {
        SCOPED_TRACE(name);
        std::unique_ptr<QWidget> w = make();
        EXPECT_EQ(w->parentWidget(), &frm);
        w->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
        QTest::qWait(20);  // the placement once shown
        const QMargins frame(w->geometry().left() - w->frameGeometry().left(),
                             w->geometry().top() - w->frameGeometry().top(), 0, 0);
        ASSERT_GT(frame.top(), 0) << "this screen draws a frame";
        EXPECT_TRUE(available.contains(w->frameGeometry()))
            << w->frameGeometry().x() << "," << w->frameGeometry().y() << " " << w->frameGeometry().width() << "x"
            << w->frameGeometry().height();
        // Nothing the window asks for can push its frame off the screen.
        const QSize least = w->minimumSize().expandedTo(w->minimumSizeHint());
        EXPECT_LE(least.height() + w->frameGeometry().height() - w->height(), available.height());
        EXPECT_LE(least.width() + w->frameGeometry().width() - w->width(), available.width());

        // Moved by the user near the corner, it stays there; grown there (as
        // a caption line or a progress bar appears), it comes back inside.
        w->move(available.width() - w->frameGeometry().width(), available.height() - w->frameGeometry().height());
        QTest::qWait(20);
        EXPECT_TRUE(available.contains(w->frameGeometry()));
        const QPoint moved = w->pos();
        w->resize(w->width() + 40, w->height() + 40);
        QTRY_VERIFY(available.contains(w->frameGeometry()));
        EXPECT_NE(w->pos(), moved);
        w->hide();
    }
}

TEST(ScreenFit, TheSoundRegistrationWindowShowsAsManyRowsAsTheScreenAllows) {
    const QRect available = QApplication::primaryScreen()->availableGeometry();
    test::ScriptedDialogs dialogs;
    test::ScriptedAudioOutput output;
    Document document(configuration(true));
    FrmMain frm(ProgramPaths::forFolder(test::programFolder()), document, &dialogs);
    frm.show();
    FrmSound window(document, dialogs, &frm, &output);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTest::qWait(20);
    EXPECT_TRUE(available.contains(window.frameGeometry()));
    EXPECT_TRUE(available.contains(onScreen(window.cmdOk())));
    EXPECT_TRUE(available.contains(onScreen(window.cmdCancel())));
    const int rows = window.fgWave()->viewport()->height() / window.fgWave()->verticalHeader()->defaultSectionSize();
    EXPECT_GE(rows, 12);  // the list takes the room there is
}

}  // namespace
}  // namespace vexa::gui
