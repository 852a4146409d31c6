// The week window: it follows edits and their undo at once, a click on a bar
// shows that sheet in the main window, and it fits a 1024 × 768 screen.
#include "DocumentEdits.h"
#include "ScriptedDialogs.h"
#include "TestPaths.h"
#include "gui/app/FrmMain.h"
#include "gui/week/FrmWeek.h"
#include "gui/week/WeekChart.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>

#include <gtest/gtest.h>

namespace vexa::gui {
namespace {

struct WeekFixture {
    test::TempDir temp;
    test::ScriptedDialogs dialogs;
    Document document{configuration()};

    static Configuration configuration() {
        Configuration c;
        c.settings.maxLine = 3;
        c.settings.addFunction1 = 1;
        return c;
    }

    // Sheet 3 plays A.WAV on Mondays 09:00–10:00 all year.
    WeekFixture() {
        test::writeBytes(temp / "A.WAV", "a sound, measured as unreadable: the test run plays on");
        Project project;
        project.soundPresent = true;
        project.sounds[0].fileName = "A.WAV";
        project.sounds[0].sourcePath = (temp / "A.WAV").string();
        SheetHeader& header = project.sheets[2].header;
        header.startHour = "09";
        header.startMinute = "00";
        header.endHour = "10";
        header.endMinute = "00";
        header.weekdays[0] = 1;
        header.seasons[0] = 1;
        header.volume = 1;
        project.sheets[2].lines[0].voices[0] = "A.WAV";
        document.replaceProject(project);
    }
};

TEST(FrmWeek, AnEditAndItsUndoShowAtOnce) {
    WeekFixture f;
    FrmWeek week(f.document, 4, nullptr);
    week.show();
    auto legend = [&] { return week.findChild<QLabel*>("LblLegend")->text(); };
    ASSERT_EQ(week.chart()->plan().days[0].size(), 1u);
    EXPECT_FALSE(legend().contains("「朝」"));

    test::renameSheet(f.document, 2, "朝");
    EXPECT_TRUE(legend().contains("シート3「朝」"));

    f.document.undo();
    EXPECT_FALSE(legend().contains("「朝」"));

    week.setMonth(kAllYear);
    EXPECT_EQ(week.chart()->plan().month, kAllYear);
    EXPECT_GT(week.findings()->count(), 0);  // Tuesday … Sunday play nothing
}

TEST(FrmWeek, OpensFromTheToolbarAndAClickOnABarShowsItsSheet) {
    WeekFixture f;
    FrmMain main(ProgramPaths::forFolder("/program"), f.document, &f.dialogs);
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));

    main.toolbarAction(ToolbarKey::Week)->trigger();
    auto* week = main.findChild<FrmWeek*>("FrmWeek");
    ASSERT_NE(week, nullptr);
    EXPECT_EQ(week->parentWidget(), &main);  // owned: kept above the main window
    EXPECT_LE(week->frameGeometry().width(), 1024);
    EXPECT_LE(week->frameGeometry().height(), 768);

    const QRectF bar = week->chart()->barRect(0, week->chart()->plan().days[0].at(0));
    QTest::mouseClick(week->chart(), Qt::LeftButton, {}, bar.center().toPoint());

    EXPECT_EQ(main.findChild<QTabBar*>("TabStrip")->currentIndex(), 2);
}

}  // namespace
}  // namespace vexa::gui
