#include "gui/print/FrmPrint.h"

#include "printlayout/PageSetup.h"
#include "printlayout/PdfExport.h"
#include "printlayout/ReportRenderer.h"
#include "core/config/ElementPatternFile.h"
#include "core/config/Messages.h"
#include "core/print/PdfTarget.h"
#include "core/print/PrintJob.h"
#include "gui/ui/JobRun.h"
#include "core/ui/Refusal.h"
#include "gui/ui/WorkAreaFit.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

namespace vexa::gui {
namespace {

QString qs(const std::string& text) { return QString::fromStdString(text); }

constexpr const char* kPreviewCaption = "印刷プレビュー";
constexpr int kPreviewScreenMargin = 8;
constexpr QSize kPreviewLargest(1400, 1000);  // on large screens, no larger

bool showPrintDialog(QPrinter& printer, QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

Refusal printRefusal(int message) {
    Refusal refusal = Refusal::error(message);
    refusal.icon = MessageIcon::Warning;  // the exclamation mark, under the title "エラー"
    return refusal;
}

}  // namespace

FrmPrint::FrmPrint(const Document& document, const ProgramPaths& paths, UserDialogs& dialogs, QWidget* owner)
    : QWidget(owner, Qt::Dialog), document_(document), paths_(paths), dialogs_(dialogs),
      choosePrinter_(showPrintDialog), run_(new JobRun(this)) {
    setObjectName("FrmPrint");
    setWindowTitle(qs(GetMsg(msg::kPrintCaption)));
    buildControls();
    const print::PrintChoices saved = print::ReadPrintChoices(paths_.configurationFile);
    for (std::size_t k = 0; k < saved.size(); ++k)
        boxes_[k]->setChecked(saved[k]);
    connect(run_, &JobRun::finished, this, &FrmPrint::onRunFinished);
    KeepInWorkArea(this);
}

FrmPrint::~FrmPrint() {
    delete run_;  // waits for a run, which paints on printer_
}

void FrmPrint::buildControls() {
    auto* frame = new QGroupBox(QString::fromUtf8("印刷する情報を選択してください"), this);
    auto* boxLayout = new QVBoxLayout(frame);
    for (int index : print::ScreenOrder()) {
        const print::PrintBox& box = print::kPrintBoxes[static_cast<std::size_t>(index)];
        auto* check = new QCheckBox(QString::fromUtf8(box.caption), frame);
        check->setObjectName(QString("ChkBox%1").arg(index));
        boxes_[static_cast<std::size_t>(index)] = check;
        boxLayout->addWidget(check);
    }

    cmdPrint_ = new QPushButton(QString::fromUtf8("印刷"), this);
    cmdPrint_->setObjectName("CmdPrint0");
    cmdPreview_ = new QPushButton(QString::fromUtf8("プレビュー"), this);
    cmdPreview_->setObjectName("CmdPreview");
    cmdPdf_ = new QPushButton(QString::fromUtf8("PDF保存"), this);
    cmdPdf_->setObjectName("CmdPdf");
    cmdClose_ = new QPushButton(QString::fromUtf8("閉じる(&C)"), this);
    cmdClose_->setObjectName("CmdPrint2");
    connect(cmdPrint_, &QPushButton::clicked, this, &FrmPrint::print);
    connect(cmdPreview_, &QPushButton::clicked, this, &FrmPrint::preview);
    connect(cmdPdf_, &QPushButton::clicked, this, &FrmPrint::savePdf);
    connect(cmdClose_, &QPushButton::clicked, this, &FrmPrint::closeAndSave);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {cmdPrint_, cmdPreview_, cmdPdf_, cmdClose_})
        buttons->addWidget(button);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addLayout(buttons);
}

print::PrintChoices FrmPrint::choices() const {
    print::PrintChoices chosen{};
    for (std::size_t k = 0; k < chosen.size(); ++k)
        chosen[k] = boxes_[k]->isChecked();
    return chosen;
}

std::vector<print::Report> FrmPrint::reports() const {
    const auto elements = ElementPatternFile::load(paths_.elementPatternFile);
    return print::BuildPrintJob(document_.project(), document_.configuration(), elements, choices(),
                                print::PrintTimeNow());
}

bool FrmPrint::printing() const { return run_->running(); }

void FrmPrint::print() {
    const print::PrintChoices chosen = choices();
    if (!Passed(dialogs_, print::CheckPrintChoices(chosen)))
        return;
    print::WritePrintChoices(paths_.configurationFile, chosen);

    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printlayout::ApplyReportPageLayout(*printer_);
    printer_->setDocName(qs(GetMsg(msg::kAppTitle)));
    if (!choosePrinter_(*printer_, this))
        return;
    printer_->setDocName(qs(GetMsg(msg::kAppTitle)));  // one job, whatever the dialog did
    hide();
    startRun(
        [printer = printer_.get(), reports = reports()](Progress& progress) {
            return printlayout::RenderReports(*printer, reports, progress).done();
        },
        true);
}

void FrmPrint::preview() {
    const print::PrintChoices chosen = choices();
    if (!Passed(dialogs_, print::CheckPrintChoices(chosen)))
        return;
    QPrinter printer(QPrinter::HighResolution);
    printlayout::ApplyReportPageLayout(printer);
    printer.setDocName(qs(GetMsg(msg::kAppTitle)));
    QPrintPreviewDialog dialog(&printer, this);
    KeepInWorkArea(&dialog);
    dialog.setObjectName("FrmPreview");
    dialog.setWindowTitle(QString::fromUtf8(kPreviewCaption));
    const std::vector<print::Report> shown = reports();
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this, [&shown](QPrinter* target) {
        NoProgress progress;
        printlayout::RenderReports(*target, shown, progress);
    });
    // As large as the screen allows, frame included, and the pages as wide
    // as the window.
    if (const QScreen* where = screen()) {
        const QRect area = where->availableGeometry();
        const QSize frame = frameGeometry().size() - geometry().size();  // this window's frame, as a guide
        const QSize inner(std::min(area.width() - frame.width() - 2 * kPreviewScreenMargin, kPreviewLargest.width()),
                          std::min(area.height() - frame.height() - 2 * kPreviewScreenMargin, kPreviewLargest.height()));
        dialog.resize(inner);
        dialog.move(area.left() + (area.width() - inner.width() - frame.width()) / 2,
                    area.top() + (area.height() - inner.height() - frame.height()) / 2);
    }
    // Through the dialog's own button, so that it shows as chosen.
    if (auto* fitWidth = dialog.findChild<QAction*>("fitWidthAction"))
        fitWidth->trigger();
    else if (auto* pages = dialog.findChild<QPrintPreviewWidget*>())
        pages->fitToWidth();
    dialog.exec();
}

void FrmPrint::savePdf() {
    const print::PrintChoices chosen = choices();
    if (!Passed(dialogs_, print::CheckPrintChoices(chosen)))
        return;
    const auto files = dialogs_.chooseFiles(print::PdfChooserRequest(document_.configuration().settings.cardPath));
    if (files.empty())
        return;
    const std::filesystem::path target = print::PdfTargetPath(files.front());
    if (!print::ConfirmPdfReplacement(dialogs_, target))
        return;
    startRun(
        [this, target, reports = reports()](Progress& progress) {
            const printlayout::PdfResult result =
                printlayout::WriteReportsPdf(target, reports, GetMsg(msg::kAppTitle), progress);
            if (result.outcome == printlayout::PdfResult::Outcome::Failed)
                runProblem_ = Refusal{result.reason, msg::kTitleError, MessageIcon::Warning, {}, -1, -1};
            if (result.written())
                runDone_ = print::PdfSavedMessage(target, result.pages);
            return result.written();
        },
        false);
}

void FrmPrint::startRun(std::function<bool(Progress&)> work, bool closeWhenDone) {
    runOk_ = false;
    runProblem_.reset();
    runDone_.reset();
    closeWhenDone_ = closeWhenDone;
    setEnabled(false);
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    run_->start([this, work = std::move(work)](Progress& progress) { runOk_ = work(progress); });
}

void FrmPrint::onRunFinished() {
    QGuiApplication::restoreOverrideCursor();
    setEnabled(true);
    const bool completed = runOk_;
    if (!completed) {
        if (!runProblem_) {
            const bool printerError = printer_ && printer_->printerState() == QPrinter::Error;
            runProblem_ = printRefusal(printerError ? msg::kPrinterError : msg::kPrintFailed);
        }
        show();  // the user goes on from the selection window, which owns the message
        ShowRefusal(dialogs_, *runProblem_);
    } else if (runDone_) {
        dialogs_.showMessage(*runDone_);  // where the file went
    }
    printer_.reset();
    emit runEnded(completed);
    if (completed && closeWhenDone_)
        close();
}

void FrmPrint::closeAndSave() {
    print::WritePrintChoices(paths_.configurationFile, choices());
    close();
}

void FrmPrint::closeEvent(QCloseEvent* event) {
    if (printing()) {
        event->ignore();  // the pages are being made; the window closes when they are done
        return;
    }
    event->accept();
    emit closed();
}

}  // namespace vexa::gui
