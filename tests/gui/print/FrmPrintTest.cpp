// The print selection window: the boxes from PrtSheet and back, the refusal
// when nothing is chosen, printing through the printer dialog (to a PDF
// printer here), saving a PDF, and the main window's PRINT key.
#include "ScriptedDialogs.h"
#include "TestPaths.h"
#include "gui/app/FrmMain.h"
#include "core/config/ConfigurationFile.h"
#include "core/config/Messages.h"
#include "gui/print/FrmPrint.h"
#include "core/print/PdfTarget.h"

#include <QAction>
#include <QCheckBox>
#include <QApplication>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QScreen>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace vexa::gui {
namespace {

namespace fs = std::filesystem;

struct PrintWindow {
    test::TempDir temp;
    test::ScriptedDialogs dialogs;
    Document document{configuration()};
    ProgramPaths paths = pathsIn(temp.path());

    static Configuration configuration() {
        Configuration c;
        c.settings.maxLine = 40;
        return c;
    }

    static ProgramPaths pathsIn(const fs::path& folder) {
        ProgramPaths p = ProgramPaths::forFolder(test::programFolder());
        p.configurationFile = folder / "vexacontrol.ini";
        return p;
    }

    void writePrtSheet(const char* value) {
        test::writeBytes(paths.configurationFile, std::string("[System]\r\nMaxLine=40\r\nPrtSheet=") + value + "\r\n");
    }
    std::string prtSheet() const { return ReadConfigurationValue(paths.configurationFile, "System", "PrtSheet"); }
};

std::vector<bool> checked(const FrmPrint& w) {
    std::vector<bool> states;
    for (int k = 0; k < print::kReportCount; ++k)
        states.push_back(w.chkBox(k)->isChecked());
    return states;
}

bool isPdf(const fs::path& file) { return fs::exists(file) && test::readBytes(file).starts_with("%PDF-"); }

TEST(FrmPrint, OpensWithTheSavedBoxesInScreenOrder) {
    PrintWindow p;
    {
        FrmPrint w(p.document, p.paths, p.dialogs);  // no file, no PrtSheet
        EXPECT_EQ(w.windowTitle().toStdString(), GetMsg(msg::kPrintCaption));
        EXPECT_EQ(checked(w), std::vector<bool>(6, false));
    }
    p.writePrtSheet("1,0,0,0,1");
    FrmPrint w(p.document, p.paths, p.dialogs);
    w.show();
    EXPECT_EQ(checked(w), (std::vector<bool>{true, false, false, false, true, false}));
    EXPECT_EQ(w.chkBox(0)->text().toStdString(), "エディタ情報");
    EXPECT_EQ(w.chkBox(4)->text().toStdString(), "ユーザー情報");
    // ユーザー情報 first, then the others in index order.
    for (int k : {0, 1, 2, 3})
        EXPECT_LT(w.chkBox(k == 0 ? 4 : k - 1)->y(), w.chkBox(k)->y()) << k;
    EXPECT_EQ(w.cmdClose()->text().toStdString(), "閉じる(&C)");
}

TEST(FrmPrint, NothingCheckedIsRefusedWith2079ByEveryWayOfPrinting) {
    PrintWindow p;
    p.writePrtSheet("0,0,0,0,0,");
    FrmPrint w(p.document, p.paths, p.dialogs);
    bool printerAsked = false;
    w.setPrinterChooser([&](QPrinter&, QWidget*) { return printerAsked = true; });
    w.show();
    for (QPushButton* button : {w.cmdPrint(), w.cmdPreview(), w.cmdPdf()}) {
        p.dialogs.shown.clear();
        button->click();
        ASSERT_EQ(p.dialogs.shown.size(), 1u) << button->objectName().toStdString();
        EXPECT_EQ(p.dialogs.shown[0].text, GetMsg(msg::kNothingToPrint));
        EXPECT_EQ(p.dialogs.shown[0].title, GetMsg(msg::kTitleConfirm));
        EXPECT_EQ(p.dialogs.shown[0].icon, MessageIcon::Warning);
    }
    EXPECT_FALSE(printerAsked);
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(p.prtSheet(), "0,0,0,0,0,");  // nothing written
    EXPECT_TRUE(p.dialogs.fileRequests.empty());
}

TEST(FrmPrint, CloseSavesTheBoxesAndTheCloseBoxDoesNot) {
    PrintWindow p;
    p.writePrtSheet("1,0,0,0,1");
    {
        FrmPrint w(p.document, p.paths, p.dialogs);
        QSignalSpy closed(&w, &FrmPrint::closed);
        w.show();
        w.chkBox(3)->setChecked(true);
        w.close();  // the window's close box
        EXPECT_EQ(closed.count(), 1);
        EXPECT_EQ(p.prtSheet(), "1,0,0,0,1");
    }
    FrmPrint w(p.document, p.paths, p.dialogs);
    QSignalSpy closed(&w, &FrmPrint::closed);
    w.show();
    w.chkBox(0)->setChecked(false);
    w.chkBox(2)->setChecked(true);
    w.cmdClose()->click();
    EXPECT_EQ(closed.count(), 1);
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(p.prtSheet(), "0,0,1,0,1");
}

TEST(FrmPrint, PrintSendsTheChosenReportsAsOneJobAndCloses) {
    PrintWindow p;
    p.writePrtSheet("");
    const fs::path out = p.temp / "printed.pdf";
    FrmPrint w(p.document, p.paths, p.dialogs);
    QString docName;
    w.setPrinterChooser([&](QPrinter& printer, QWidget*) {
        docName = printer.docName();
        printer.setOutputFormat(QPrinter::PdfFormat);  // the printer of this test
        printer.setOutputFileName(QString::fromStdString(out.string()));
        return true;
    });
    QSignalSpy ended(&w, &FrmPrint::runEnded);
    QSignalSpy closed(&w, &FrmPrint::closed);
    w.show();
    w.chkBox(0)->setChecked(true);
    w.chkBox(3)->setChecked(true);
    w.cmdPrint()->click();
    EXPECT_EQ(p.prtSheet(), "1,0,0,1,0");  // saved before the dialog
    EXPECT_EQ(docName.toStdString(), GetMsg(msg::kAppTitle));
    EXPECT_FALSE(w.isVisible());  // hidden while the pages are made
    ASSERT_TRUE(ended.wait(30000));
    EXPECT_TRUE(ended.at(0).at(0).toBool());
    EXPECT_EQ(closed.count(), 1);
    EXPECT_TRUE(isPdf(out));
    EXPECT_TRUE(p.dialogs.shown.empty());
}

TEST(FrmPrint, ACancelledPrinterDialogKeepsTheWindowOpen) {
    PrintWindow p;
    FrmPrint w(p.document, p.paths, p.dialogs);
    w.setPrinterChooser([](QPrinter&, QWidget*) { return false; });
    QSignalSpy closed(&w, &FrmPrint::closed);
    w.show();
    w.chkBox(4)->setChecked(true);
    w.cmdPrint()->click();
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(closed.count(), 0);
    EXPECT_EQ(p.prtSheet(), "0,0,0,0,1");  // the choices were saved all the same
}

TEST(FrmPrint, APrinterErrorSays2084AndTheWindowComesBack) {
    PrintWindow p;
    FrmPrint w(p.document, p.paths, p.dialogs);
    w.setPrinterChooser([&](QPrinter& printer, QWidget*) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString((p.temp / "no-such-folder" / "x.pdf").string()));
        return true;
    });
    QSignalSpy ended(&w, &FrmPrint::runEnded);
    w.show();
    w.chkBox(1)->setChecked(true);
    w.cmdPrint()->click();
    ASSERT_TRUE(ended.wait(30000));
    EXPECT_FALSE(ended.at(0).at(0).toBool());
    ASSERT_EQ(p.dialogs.shown.size(), 1u);
    // The printer cannot open its output: its state is the printer error.
    EXPECT_EQ(p.dialogs.shown[0].text, GetMsg(msg::kPrinterError));
    EXPECT_EQ(p.dialogs.shown[0].title, GetMsg(msg::kTitleError));
    EXPECT_EQ(p.dialogs.shown[0].icon, MessageIcon::Warning);
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(w.isEnabled());
}

TEST(FrmPrint, PdfSaveWritesTheSamePagesToTheChosenFile) {
    PrintWindow p;
    FrmPrint w(p.document, p.paths, p.dialogs);
    QSignalSpy ended(&w, &FrmPrint::runEnded);
    w.show();
    w.chkBox(2)->setChecked(true);
    p.dialogs.fileAnswers.push_back({(p.temp / "patterns").string()});  // ".pdf" is added
    w.cmdPdf()->click();
    ASSERT_TRUE(ended.wait(30000));
    EXPECT_TRUE(ended.at(0).at(0).toBool());
    EXPECT_TRUE(isPdf(p.temp / "patterns.pdf"));
    EXPECT_TRUE(w.isVisible());  // the window stays for more
    ASSERT_EQ(p.dialogs.fileRequests.size(), 1u);
    EXPECT_TRUE(p.dialogs.fileRequests[0].save);  // a save chooser: 保存, new names
    // The user is told where the file went.
    ASSERT_EQ(p.dialogs.shown.size(), 1u);
    EXPECT_EQ(p.dialogs.shown[0], print::PdfSavedMessage(p.temp / "patterns.pdf", 1));
    EXPECT_NE(p.dialogs.shown[0].text.find((p.temp / "patterns.pdf").string()), std::string::npos);
    EXPECT_EQ(p.dialogs.shown[0].icon, MessageIcon::Information);
    p.dialogs.shown.clear();

    // An existing file is replaced only after Yes.
    test::writeBytes(p.temp / "old.pdf", "old");
    p.dialogs.fileAnswers.push_back({(p.temp / "old.pdf").string()});
    p.dialogs.answers.push_back(MessageAnswer::No);
    w.cmdPdf()->click();
    ASSERT_EQ(p.dialogs.shown.size(), 1u);
    EXPECT_EQ(p.dialogs.shown[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(test::readBytes(p.temp / "old.pdf"), "old");
    EXPECT_EQ(ended.count(), 1);
}

TEST(FrmPrint, ThePreviewHasItsOwnTitleFillsTheScreenAndShowsWholePageWidths) {
    PrintWindow p;
    FrmPrint w(p.document, p.paths, p.dialogs);
    w.show();
    w.chkBox(0)->setChecked(true);
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* preview = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(preview, nullptr);
        seen = true;
        EXPECT_EQ(preview->windowTitle(), "印刷プレビュー");
        EXPECT_NE(preview->windowTitle(), w.windowTitle());
        const QRect area = preview->screen()->availableGeometry();
        EXPECT_TRUE(area.contains(preview->frameGeometry())) << preview->frameGeometry().width() << "x"
                                                             << preview->frameGeometry().height();
        EXPECT_GE(preview->width(), std::min(area.width() - 40, 900));  // not Qt's 640 × 480
        EXPECT_GE(preview->height(), std::min(area.height() - 80, 640));
        auto* pages = preview->findChild<QPrintPreviewWidget*>();
        ASSERT_NE(pages, nullptr);
        EXPECT_EQ(pages->zoomMode(), QPrintPreviewWidget::FitToWidth);
        // Every button of the toolbar is on it, none behind "»".
        for (auto* bar : preview->findChildren<QToolBar*>())
            for (auto* more : bar->findChildren<QToolButton*>("qt_toolbar_ext_button"))
                EXPECT_FALSE(more->isVisible());
        preview->reject();
    });
    w.cmdPreview()->click();
    EXPECT_TRUE(seen);
}

TEST(FrmPrint, APdfThatCannotBeWrittenSaysWhyAndLeavesNoFile) {
    PrintWindow p;
    FrmPrint w(p.document, p.paths, p.dialogs);
    QSignalSpy ended(&w, &FrmPrint::runEnded);
    w.show();
    w.chkBox(4)->setChecked(true);
    const fs::path target = p.temp / "missing" / "user.pdf";
    p.dialogs.fileAnswers.push_back({target.string()});
    w.cmdPdf()->click();
    ASSERT_TRUE(ended.wait(30000));
    EXPECT_FALSE(ended.at(0).at(0).toBool());
    ASSERT_EQ(p.dialogs.shown.size(), 1u);
    EXPECT_NE(p.dialogs.shown[0].text.find(target.string()), std::string::npos) << p.dialogs.shown[0].text;
    EXPECT_FALSE(fs::exists(target));
}

TEST(FrmPrint, ThePrintKeyOpensItWithTheMainWindowDisabledUntilItCloses) {
    PrintWindow p;
    FrmMain frm(p.paths, p.document, &p.dialogs);
    frm.show();
    ASSERT_TRUE(frm.toolbarAction(ToolbarKey::Print)->isEnabled());
    frm.toolbarAction(ToolbarKey::Print)->trigger();
    FrmPrint* w = frm.printWindow();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(w->isEnabled());
    EXPECT_FALSE(frm.isEnabled());
    w->cmdClose()->click();
    EXPECT_TRUE(frm.isEnabled());
    QTRY_COMPARE(frm.printWindow(), nullptr);
}

}  // namespace
}  // namespace vexa::gui
