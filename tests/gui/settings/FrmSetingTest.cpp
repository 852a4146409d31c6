// The real settings window, offscreen: what it shows when it opens, the
// boxes, the previews and their timer across tab changes, Cancel with and
// without edits, a refused OK and an OK that writes vexacontrol.ini.
#include "gui/settings/FrmSeting.h"

#include "core/app/EditorProject.h"
#include "core/config/ConfigurationFile.h"
#include "core/config/Messages.h"
#include "gui/settings/FrmDisp2.h"

#include "ScriptedDialogs.h"
#include "SettingsWindowFixture.h"
#include "TestPaths.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QUrl>

#include <gtest/gtest.h>

#include <filesystem>

namespace vexa::gui {
namespace {
namespace fs = std::filesystem;

// Takes the place of the desktop's browser for file addresses.
class UrlRecorder : public QObject {
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void open(const QUrl& url) { opened << url; }
};

Project projectOf(const Configuration& c) {
    Project p = StartingProject(c);
    p.patterns.led[1].on = "3.0";  // the Project's times, not the defaults, fill the boxes
    return p;
}

struct Window {
    test::SettingsFolder folder;
    test::ScriptedDialogs dialogs;
    Document document;
    int newDataMakes = 0;
    int refreshes = 0;
    FrmSeting frm;

    explicit Window(std::string_view models = test::kModels, int maxLine = 95)
        : folder(models), document(configurationWith(folder, maxLine), projectOf(configurationWith(folder, maxLine))),
          frm(document, folder.paths, dialogs,
              {[this] {
                   ++newDataMakes;
                   NewDataMake(document);
               },
               [this] { ++refreshes; }}) {
        frm.show();
        frm.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&frm));
    }

    static Configuration configurationWith(const test::SettingsFolder& f, int maxLine) {
        Configuration c = ReadConfiguration(f.paths.configurationFile);
        c.settings.maxLine = static_cast<std::int16_t>(maxLine);
        return c;
    }

    QLineEdit* box(const char* name) {
        QLineEdit* found = frm.box(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    void showTab(SettingsTab tab) { frm.tabStrip()->setCurrentIndex(TabIndex(tab)); }
};

TEST(FrmSeting, OpensOnTheFirstTabWithTheSettingsTheProjectsTimesAndTheVersion) {
    Window w;
    EXPECT_EQ(w.frm.windowTitle(), "詳細設定");
    ASSERT_EQ(w.frm.tabStrip()->count(), 7);
    QStringList tabs;
    for (int i = 0; i < 7; ++i)
        tabs << w.frm.tabStrip()->widget(i)->objectName() + "=" + w.frm.tabStrip()->tabText(i);
    EXPECT_EQ(tabs, (QStringList{"SEIGYO=制御-点数", "DATA=ﾃﾞｰﾀ保存先", "LED=LED設定", "BUZZER=BUZZER設定",
                                 "HOJYO=補助機能", "USER=ﾕｰｻﾞｰ情報", "VERSION=ﾊﾞｰｼﾞｮﾝ情報"}));
    EXPECT_EQ(w.frm.tabStrip()->currentIndex(), 0);
    EXPECT_FALSE(w.frm.previewTimer()->isActive());

    // The last model of the Line Count.
    EXPECT_EQ(w.frm.cmbModel()->count(), 4);
    EXPECT_EQ(w.frm.cmbModel()->currentText(), "VX-95S（95点）");
    EXPECT_FALSE(w.frm.lblNoModel()->isVisible());

    QStringList times;
    for (const PatternBox& entry : kPatternBoxes) {
        times << w.box(entry.name)->text();
        EXPECT_EQ(w.box(entry.name)->maxLength(), entry.maxLength) << entry.name;
    }
    EXPECT_EQ(times, (QStringList{"0.5", "0.5", "3.0", "1.0", "0.2", "0.8", "0.3", "0.7", "1.0", "1.0", "0.1", "0.2"}));
    EXPECT_EQ(w.box("TxtLedOn0")->maxLength(), 4);
    EXPECT_EQ(w.box("TxtLedOff0")->maxLength(), 5);
    EXPECT_EQ(w.box("TxtBuzzerOff2")->maxLength(), 4);
    EXPECT_EQ(w.box("TxtCardPath")->text().toStdString(), w.folder.dir.path().string());

    EXPECT_TRUE(w.frm.optAddFunction(0)->isChecked());
    EXPECT_TRUE(w.frm.optAddFunction(2)->isChecked());
    EXPECT_EQ(w.frm.findChild<QLabel*>("LblCompany")->text(), "株式会社サンプル");
    EXPECT_EQ(w.frm.findChild<QLabel*>("LblInsDate")->text(), "2024/04/01");
    EXPECT_TRUE(w.frm.findChild<QLabel*>("LblTel")->text().isEmpty());
    EXPECT_EQ(w.frm.lblVer()->text(),
              QStringLiteral("%1.%2.%3").arg(VEXA_VERSION_MAJOR).arg(VEXA_VERSION_MINOR).arg(VEXA_VERSION_PATCH));
    EXPECT_TRUE(QRegularExpression("^\\d+\\.\\d+\\.\\d+$").match(w.frm.lblVer()->text()).hasMatch());
    EXPECT_FALSE(w.frm.changed());
}

TEST(FrmSeting, ALineCountOfNoModelShowsTheFirstAndOkAsksToClear) {
    Window w(test::kModels, 120);
    EXPECT_EQ(w.frm.cmbModel()->currentText(), "VX-30（30点）");
    EXPECT_FALSE(w.frm.changed());
    w.dialogs.answers = {MessageAnswer::No};
    QTest::mouseClick(w.frm.cmdOk(), Qt::LeftButton);
    EXPECT_EQ(w.dialogs.texts(), (std::vector<std::string>{GetMsg(msg::kClearContentsQuestion)}));
    EXPECT_TRUE(w.frm.isVisible());
    EXPECT_EQ(w.document.configuration().settings.maxLine, 120);
}

TEST(FrmSeting, WithoutAModelListItSaysSoAndOkKeepsTheLineCount) {
    Window w("");
    EXPECT_EQ(w.frm.cmbModel()->count(), 0);
    EXPECT_FALSE(w.frm.cmbModel()->isEnabled());
    EXPECT_TRUE(w.frm.lblNoModel()->isVisible());
    EXPECT_TRUE(w.frm.lblNoModel()->text().contains("95")) << w.frm.lblNoModel()->text().toStdString();
    QTest::mouseClick(w.frm.cmdOk(), Qt::LeftButton);
    EXPECT_TRUE(w.dialogs.shown.empty());
    EXPECT_EQ(w.frm.result(), QDialog::Accepted);
    EXPECT_EQ(w.document.configuration().settings.maxLine, 95);
    EXPECT_EQ(w.newDataMakes, 0);
}

TEST(FrmSeting, BoxesSelectOnEntryNormaliseOnLeavingAndStepWithTheArrows) {
    Window w;
    w.showTab(SettingsTab::Led);
    QLineEdit* on = w.box("TxtLedOn1");
    QLineEdit* off = w.box("TxtLedOff1");
    on->setFocus(Qt::MouseFocusReason);
    EXPECT_TRUE(QTest::qWaitFor([&] { return on->selectedText() == "3.0"; }, 1000));

    const struct {
        const char* typed;
        const char* shown;
    } cases[] = {{"", "0.0"}, {"150", "99.9"}, {"-2", "0.0"}, {"7", "7.0"}, {"abc", "abc"}, {"123456", "99.9"}};
    for (const auto& c : cases) {
        on->setFocus(Qt::TabFocusReason);
        on->clear();
        QTest::keyClicks(on, c.typed);
        QTest::keyClick(on, Qt::Key_Tab);  // to the next box
        EXPECT_EQ(on->text(), c.shown) << c.typed;
    }
    EXPECT_TRUE(w.frm.changed());

    auto* upDown = w.frm.findChild<QWidget*>("UdLedOff1");
    ASSERT_NE(upDown, nullptr);
    off->setText("0.1");
    QTest::mouseClick(upDown->findChild<QToolButton*>("Down"), Qt::LeftButton);
    EXPECT_EQ(off->text(), "0.0");
    QTest::mouseClick(upDown->findChild<QToolButton*>("Up"), Qt::LeftButton);
    QTest::mouseClick(upDown->findChild<QToolButton*>("Up"), Qt::LeftButton);
    EXPECT_EQ(off->text(), "0.2");
    off->clear();
    QTest::mouseClick(upDown->findChild<QToolButton*>("Up"), Qt::LeftButton);
    EXPECT_EQ(off->text(), "0.0");
}

TEST(FrmSeting, ThePreviewBlinksAtItsRealRhythmOnThePatternTabs) {
    Window w;
    w.box("TxtLedOn0")->setText("0.1");
    w.box("TxtLedOff0")->setText("0.1");
    w.frm.previewCheck(PatternOutput::Led, 0)->setChecked(true);
    w.showTab(SettingsTab::Led);
    EXPECT_TRUE(w.frm.previewTimer()->isActive());
    EXPECT_EQ(w.frm.previewTimer()->interval(), 50);
    // Lit for 0.1 + 0.1 s, then off for 0.1 s, then lit again.
    for (const PreviewIcon icon : {PreviewIcon::On, PreviewIcon::Off, PreviewIcon::On})
        EXPECT_TRUE(QTest::qWaitFor([&] { return w.frm.previewIcon(PatternOutput::Led, 0) == icon; }, 2000));
    EXPECT_EQ(w.frm.previewIcon(PatternOutput::Led, 1), PreviewIcon::Off);  // not ticked
}

TEST(FrmSeting, TabChangesStopAndResumeTheTimerAndTheStatesCarryOn) {
    Window w;
    for (const char* name : {"TxtLedOn0", "TxtLedOff0", "TxtBuzzerOn0", "TxtBuzzerOff0"})
        w.box(name)->setText("0.5");  // 10 ticks each: lit for ticks 1 to 19, off at tick 20
    w.frm.previewCheck(PatternOutput::Led, 0)->setChecked(true);
    w.frm.previewCheck(PatternOutput::Buzzer, 0)->setChecked(true);

    w.showTab(SettingsTab::Led);
    ASSERT_TRUE(w.frm.previewTimer()->isActive());
    w.frm.previewTimer()->stop();  // the test ticks by hand
    for (int i = 0; i < 15; ++i)
        w.frm.tickPreviews();
    // The BUZZER previews run while the LED tab is shown.
    EXPECT_EQ(w.frm.previewIcon(PatternOutput::Buzzer, 0), PreviewIcon::On);

    for (const SettingsTab other : {SettingsTab::Seigyo, SettingsTab::Data, SettingsTab::Hojyo, SettingsTab::User,
                                    SettingsTab::Version}) {
        w.showTab(other);
        EXPECT_FALSE(w.frm.previewTimer()->isActive()) << TabIndex(other);
    }
    w.showTab(SettingsTab::Buzzer);
    EXPECT_TRUE(w.frm.previewTimer()->isActive());
    w.frm.previewTimer()->stop();
    for (int i = 0; i < 4; ++i)
        w.frm.tickPreviews();
    EXPECT_EQ(w.frm.previewIcon(PatternOutput::Led, 0), PreviewIcon::On);
    w.frm.tickPreviews();  // tick 20 of the same run, not tick 5 of a new one
    EXPECT_EQ(w.frm.previewIcon(PatternOutput::Led, 0), PreviewIcon::Off);
    EXPECT_EQ(w.frm.previewIcon(PatternOutput::Buzzer, 0), PreviewIcon::Off);

    // An empty box stops its pattern; a number starts it afresh.
    w.box("TxtBuzzerOff0")->clear();
    w.frm.tickPreviews();
    EXPECT_EQ(w.frm.previewIcon(PatternOutput::Buzzer, 0), PreviewIcon::Off);
    w.box("TxtBuzzerOff0")->setText("0.5");
    w.frm.tickPreviews();
    EXPECT_EQ(w.frm.previewIcon(PatternOutput::Buzzer, 0), PreviewIcon::On);
    // Unticking stops it too.
    w.frm.previewCheck(PatternOutput::Led, 0)->setChecked(false);
    w.frm.tickPreviews();
    EXPECT_EQ(w.frm.previewIcon(PatternOutput::Led, 0), PreviewIcon::Off);
}

TEST(FrmSeting, CancelWithoutAnEditAsksNothingAndAfterOneAsks2067) {
    {
        Window w;
        w.showTab(SettingsTab::Hojyo);  // looking is not editing
        QTest::mouseClick(w.frm.cmdCancel(), Qt::LeftButton);
        EXPECT_TRUE(w.dialogs.shown.empty());
        EXPECT_FALSE(w.frm.isVisible());
        EXPECT_EQ(w.frm.result(), QDialog::Rejected);
    }
    for (const char* edit : {"option", "model", "path", "time"}) {
        Window w;
        const std::string before = test::readBytes(w.folder.paths.configurationFile);
        const std::string what = edit;
        if (what == "option") {
            w.showTab(SettingsTab::Hojyo);
            QTest::mouseClick(w.frm.optAddFunction(3), Qt::LeftButton);
        } else if (what == "model") {
            w.frm.cmbModel()->setFocus();
            QTest::keyClick(w.frm.cmbModel(), Qt::Key_Up);
        } else if (what == "path") {
            w.box("TxtCardPath")->setText("/elsewhere");
        } else {
            w.box("TxtBuzzerOn0")->setText("0.4");
        }
        EXPECT_TRUE(w.frm.changed()) << edit;
        w.dialogs.answers = {MessageAnswer::No, MessageAnswer::Yes};
        QTest::mouseClick(w.frm.cmdCancel(), Qt::LeftButton);
        EXPECT_TRUE(w.frm.isVisible()) << edit;
        w.frm.close();  // the close box asks the same
        EXPECT_FALSE(w.frm.isVisible()) << edit;
        EXPECT_EQ(w.dialogs.texts(), (std::vector<std::string>(2, GetMsg(msg::kDiscardDetailsQuestion)))) << edit;
        EXPECT_EQ(test::readBytes(w.folder.paths.configurationFile), before) << edit;
        EXPECT_EQ(w.document.project().patterns.buzzer[0].on, "0.3") << edit;
    }
}

TEST(FrmSeting, ARefusedOkShowsTheTabAndTheBoxThenTheMessage) {
    Window w;
    w.box("TxtBuzzerOff1")->setText("0");
    w.box("TxtLedOff2")->setText("x");  // LED first
    w.showTab(SettingsTab::Hojyo);
    QTest::mouseClick(w.frm.cmdOk(), Qt::LeftButton);
    EXPECT_EQ(w.dialogs.texts(), (std::vector<std::string>{GetMsg(msg::kEnterNumber)}));
    EXPECT_EQ(w.frm.tabStrip()->currentIndex(), TabIndex(SettingsTab::Led));
    EXPECT_EQ(QApplication::focusWidget(), w.box("TxtLedOff2"));
    EXPECT_EQ(w.box("TxtLedOff2")->selectedText(), "x");
    EXPECT_TRUE(w.frm.isVisible());
    EXPECT_TRUE(w.frm.previewTimer()->isActive());  // back on a pattern tab

    w.box("TxtLedOff2")->setText("0.8");
    QTest::mouseClick(w.frm.cmdOk(), Qt::LeftButton);
    EXPECT_EQ(w.dialogs.texts().back(), GetMsg(msg::kBuzzerPatternRange));
    EXPECT_EQ(w.frm.tabStrip()->currentIndex(), TabIndex(SettingsTab::Buzzer));
    EXPECT_EQ(QApplication::focusWidget(), w.box("TxtBuzzerOff1"));

    w.box("TxtBuzzerOff1")->setText("1.0");
    w.box("TxtCardPath")->setText("  ");
    QTest::mouseClick(w.frm.cmdOk(), Qt::LeftButton);
    EXPECT_EQ(w.dialogs.texts().back(), GetMsg(msg::kCardPathMissing));
    EXPECT_EQ(w.frm.tabStrip()->currentIndex(), TabIndex(SettingsTab::Data));
    EXPECT_EQ(QApplication::focusWidget(), w.box("TxtCardPath"));
    EXPECT_FALSE(w.frm.previewTimer()->isActive());
    EXPECT_EQ(w.document.project().patterns.buzzer[1].off, "1.0");  // nothing applied
    EXPECT_FALSE(w.document.modified());
}

TEST(FrmSeting, OkWritesTheConfigurationFileAndTheRunTakesTheSettings) {
    Window w;
    const fs::path cards = w.folder.dir / "カード" / "新規";
    w.frm.cmbModel()->setCurrentIndex(0);  // VX-30
    w.box("TxtCardPath")->setText(QString::fromStdString(cards.string()));
    w.frm.optAddFunction(3)->setChecked(true);
    w.box("TxtLedOn0")->setText("2.0");
    w.dialogs.answers = {MessageAnswer::Yes, MessageAnswer::Yes};  // create the folder; clear the contents
    QTest::mouseClick(w.frm.cmdOk(), Qt::LeftButton);

    EXPECT_EQ(w.dialogs.texts(), (std::vector<std::string>{GetMsg(msg::kFolderNotFound) + "\n" +
                                                               GetMsg(msg::kCreateFolderQuestion),
                                                           GetMsg(msg::kClearContentsQuestion)}));
    EXPECT_EQ(w.frm.result(), QDialog::Accepted);
    EXPECT_FALSE(w.frm.isVisible());
    EXPECT_TRUE(fs::is_directory(cards));
    EXPECT_EQ(w.newDataMakes, 1);
    EXPECT_EQ(w.refreshes, 1);
    // The contents were cleared: the defaults stand, and the Project counts as modified.
    EXPECT_EQ(w.document.project().patterns.led[0].on, "0.5");
    EXPECT_TRUE(w.document.modified());

    const std::string expectedFile = test::cp932Lines(
        "[System]\nWaveRef=/wave\nCardPath=" + cards.string() +
        "\nCardName=PROG\nMaxLine=30\nAddFunction1=0\nAddFunction2=1\nPrtSheet=1,1,1,1,1\n"
        "[LedSeting]\nPattern1=0.5,0.5\nPattern2=1.0,1.0\nPattern3=0.2,0.8\n"
        "[BuzzerSeting]\nPattern1=0.3,0.7\nPattern2=1.0,1.0\nPattern3=0.1,0.2\n"
        "[UserData]\nCompany=株式会社サンプル\nInstall=2024/04/01\n"
        "Attribute=\nName=\nPostNum=\nAddress=\nTel=\nFax=\nBusiness=\nMail=\nUrl=\n");
    EXPECT_EQ(test::readBytes(w.folder.paths.configurationFile), expectedFile);
    const Settings& s = w.document.configuration().settings;
    EXPECT_EQ(s, ReadConfiguration(w.folder.paths.configurationFile).settings);
    EXPECT_EQ(s.maxLine, 30);
    EXPECT_TRUE(s.stereoAllowed());
}

TEST(FrmSeting, ThePatternTimesAloneBecomeOneUndoableStep) {
    Window w;
    w.box("TxtBuzzerOn2")->setText("0.6");
    QTest::mouseClick(w.frm.cmdOk(), Qt::LeftButton);
    EXPECT_TRUE(w.dialogs.shown.empty());
    EXPECT_EQ(w.newDataMakes, 0);
    EXPECT_EQ(w.document.project().patterns.buzzer[2].on, "0.6");
    EXPECT_TRUE(w.document.modified());
    w.document.undo();
    EXPECT_EQ(w.document.project().patterns.buzzer[2].on, "0.1");
    EXPECT_FALSE(w.document.modified());
}

TEST(FrmSeting, TheFolderChooserFillsThePathAndCancellingChangesNothing) {
    Window w;
    w.showTab(SettingsTab::Data);
    w.dialogs.folderAnswers = {"/chosen/folder", ""};
    QTest::mouseClick(w.frm.cmdCardPath(), Qt::LeftButton);
    EXPECT_EQ(w.box("TxtCardPath")->text(), "/chosen/folder");
    QTest::mouseClick(w.frm.cmdCardPath(), Qt::LeftButton);
    EXPECT_EQ(w.box("TxtCardPath")->text(), "/chosen/folder");
    // Both open on the configured card data folder.
    EXPECT_EQ(w.dialogs.folderRequests, (std::vector<std::string>(2, w.folder.dir.path().string())));
}

TEST(FrmSeting, ReleaseNotesAndTheUserGuideOpenFromTheVersionTab) {
    Window w;
    test::writeBytes(w.folder.paths.releaseNotes, test::cp932Lines("一行目\n二行目\n"));
    w.showTab(SettingsTab::Version);
    QString notes;
    QTimer::singleShot(0, [&] {
        auto* window = qobject_cast<FrmDisp2*>(QApplication::activeModalWidget());
        if (!window)
            return;
        notes = window->txtDisp()->toPlainText();
        QTest::mouseClick(window->cmdOk(), Qt::LeftButton);
    });
    QTest::mouseClick(w.frm.cmdHistory(), Qt::LeftButton);
    EXPECT_EQ(notes, "一行目\n二行目");

    // The link points at the user guide shipped beside the program.
    EXPECT_TRUE(fs::exists(test::programFolder() / "UserGuide.html"));
    const QString label = w.frm.lblVersionUrl()->text();
    const QRegularExpressionMatch href = QRegularExpression("href=\"([^\"]+)\"").match(label);
    ASSERT_TRUE(href.hasMatch()) << label.toStdString();
    EXPECT_EQ(QUrl(href.captured(1)).toLocalFile().toStdString(), w.folder.paths.userGuide.string());

    UrlRecorder opener;
    QDesktopServices::setUrlHandler("file", &opener, "open");
    test::writeBytes(w.folder.paths.userGuide, "<html></html>");
    emit w.frm.lblVersionUrl()->linkActivated(href.captured(1));
    fs::remove(w.folder.paths.userGuide);
    emit w.frm.lblVersionUrl()->linkActivated(href.captured(1));  // missing: said, not opened
    QDesktopServices::unsetUrlHandler("file");
    ASSERT_EQ(opener.opened.size(), 1);
    EXPECT_EQ(opener.opened[0].toLocalFile().toStdString(), w.folder.paths.userGuide.string());
    ASSERT_EQ(w.dialogs.shown.size(), 1u);
    EXPECT_NE(w.dialogs.shown[0].text.find(w.folder.paths.userGuide.string()), std::string::npos);
}

}  // namespace
}  // namespace vexa::gui

#include "FrmSetingTest.moc"
