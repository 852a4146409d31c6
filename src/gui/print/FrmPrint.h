#pragma once
// The print selection window "印刷の選択": five boxes (the reports), "印刷"
// to a printer through the print dialog as one job, "プレビュー" and
// "PDF保存" of the same pages (a save chooser, then where the file went), and
// "閉じる(&C)", which saves the boxes in
// PrtSheet; the close box saves nothing. The main window stays disabled
// while it is open.
#include "core/app/ProgramPaths.h"
#include "core/document/Document.h"
#include "core/print/PrintChoices.h"
#include "core/print/Report.h"
#include "core/ui/Progress.h"
#include "core/ui/Refusal.h"
#include "core/ui/UserDialogs.h"

#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QCheckBox;
class QPrinter;
class QPushButton;

namespace vexa::gui {

class JobRun;

class FrmPrint : public QWidget {
    Q_OBJECT

public:
    // Shows the printer dialog for `printer`; true when the user accepted it.
    using PrinterChooser = std::function<bool(QPrinter& printer, QWidget* parent)>;

    // A window of its own owned by `owner` (the main window), which the
    // window manager keeps it in front of. `document` and `dialogs` outlive it.
    FrmPrint(const Document& document, const ProgramPaths& paths, UserDialogs& dialogs, QWidget* owner = nullptr);
    ~FrmPrint() override;

    // By box index (kPrintBoxes).
    QCheckBox* chkBox(int index) const { return boxes_[static_cast<std::size_t>(index)]; }
    QPushButton* cmdPrint() const { return cmdPrint_; }
    QPushButton* cmdPreview() const { return cmdPreview_; }
    QPushButton* cmdPdf() const { return cmdPdf_; }
    QPushButton* cmdClose() const { return cmdClose_; }
    bool printing() const;

    // The printer dialog (QPrintDialog unless replaced, e.g. by a test).
    void setPrinterChooser(PrinterChooser chooser) { choosePrinter_ = std::move(chooser); }

    print::PrintChoices choices() const;
    // The reports the boxes choose, as they are now.
    std::vector<print::Report> reports() const;

signals:
    // The window has closed, however it was closed.
    void closed();
    // A print or PDF run has ended (its message, if any, was shown).
    void runEnded(bool completed);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void print();
    void preview();
    void savePdf();
    void closeAndSave();
    void startRun(std::function<bool(Progress&)> work, bool closeWhenDone);
    void onRunFinished();

    const Document& document_;
    ProgramPaths paths_;
    UserDialogs& dialogs_;
    std::array<QCheckBox*, print::kReportCount> boxes_{};
    QPushButton* cmdPrint_ = nullptr;
    QPushButton* cmdPreview_ = nullptr;
    QPushButton* cmdPdf_ = nullptr;
    QPushButton* cmdClose_ = nullptr;
    PrinterChooser choosePrinter_;
    JobRun* run_ = nullptr;
    bool runOk_ = false;
    CheckResult runProblem_;
    std::optional<MessageRequest> runDone_;  // said once a run has completed
    bool closeWhenDone_ = false;
    std::unique_ptr<QPrinter> printer_;
};

}  // namespace vexa::gui
