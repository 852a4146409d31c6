#include "gui/card/FrmCardMake.h"

#include "core/card/CapacityClass.h"
#include "core/card/CardDate.h"
#include "gui/card/CardCreationRun.h"
#include "gui/card/CardMediaPanel.h"
#include "core/card/CardPreparation.h"
#include "core/card/SheetCheck.h"
#include "core/config/ElementPatternFile.h"
#include "core/config/Messages.h"
#include "core/document/Edits.h"
#include "core/controlfile/UndecodedText.h"
#include "gui/card/FmtAttention.h"
#include "gui/card/FrmChkMsg.h"
#include "gui/card/FrmProgress.h"
#include "core/ui/Refusal.h"
#include "gui/ui/WorkAreaFit.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <filesystem>

namespace vexa::gui {
namespace {

// The text boxes in the order the window shows them, with the Card
// Information value each edits.
struct BoxRow {
    const char* name;
    const char* field;  // as in kCardInformationFields
    const char* label;
    bool required;
    const char* after;  // text right of the box, or nullptr
};

constexpr BoxRow kBoxes[] = {
    {"TxtTitle", "Title", "使用機種", true, nullptr},
    {"TxtCardName", "CardName", "コントロールファイル名", true, ".vxa"},
    {"TxtForder", "Folder", "作成フォルダ名", true, nullptr},
    {"TxtCardType", "CardType", "使用カード型式", false, nullptr},
    {"TxtIn", "In", "IN", false, nullptr},
    {"TxtOut", "Out", "LED", false, nullptr},
    {"TxtVoice", "Voice", "VOICE", false, nullptr},
    {"TxtBuzzer", "Buzzer", "BUZZER", false, nullptr},
    {"TxtEx", "Ex", "EX", false, nullptr},
    {"TxtPrgCorp", "PrgCorp", "作成会社", true, nullptr},
    {"TxtPrgMake", "PrgMake", "作成者", true, nullptr},
    {"TxtPrgDate", "PrgDate", "作成日", true, "（例）2004/07/01"},
    {"TxtMemo1", "Memo1", "コメント①", false, nullptr},
    {"TxtMemo2", "Memo2", "コメント②", false, nullptr},
};

QString qs(const std::string& text) { return QString::fromStdString(text); }

QString labelText(const char* label, bool required) {
    return QString::fromUtf8(required ? "※" : "　") + QString::fromUtf8(label);
}

}  // namespace

FrmCardMake::FrmCardMake(Document& document, const ProgramPaths& paths, UserDialogs& dialogs, QWidget* owner,
                         VolumeService* volumes)
    : QWidget(owner, Qt::Dialog), document_(document), paths_(paths), dialogs_(dialogs), owner_(owner) {
    setObjectName("FrmCardMake");
    setWindowTitle(qs(GetMsg(msg::kCardMakeTitle)));
    buildControls();
    cardPanel_ = new CardMediaPanel(document_, dialogs_, volumes, this);
    cardPanel_->hide();
    static_cast<QVBoxLayout*>(layout())->addWidget(cardPanel_);
    fill();
    KeepInWorkArea(this);
}

FrmCardMake::~FrmCardMake() = default;

void FrmCardMake::buildControls() {
    auto* grid = new QGridLayout;
    int row = 0;
    auto addBox = [&](const BoxRow& r) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(r.name);
        edit->installEventFilter(this);
        grid->addWidget(new QLabel(labelText(r.label, r.required), this), row, 0);
        grid->addWidget(edit, row, 1);
        if (r.after)
            grid->addWidget(new QLabel(QString::fromUtf8(r.after), this), row, 2);
        boxes_.emplace_back(r.name, edit);
        const char* field = r.field;
        connect(edit, &QLineEdit::textChanged, this, [this, field](const QString& text) { onBoxChanged(field, text); });
        ++row;
    };
    for (const BoxRow& r : kBoxes) {
        addBox(r);
        if (std::string_view(r.name) == "TxtForder") {  // the capacity list follows the folder
            cmbCardSize_ = new QComboBox(this);
            cmbCardSize_->setObjectName("CmbCardSize");
            grid->addWidget(new QLabel(labelText("使用カード容量", true), this), row, 0);
            grid->addWidget(cmbCardSize_, row, 1);
            connect(cmbCardSize_, &QComboBox::currentIndexChanged, this,
                    [this](int index) { onBoxChanged("CardSize", QString::number(index)); });
            ++row;
        }
    }
    grid->addWidget(new QLabel(QString::fromUtf8("積算カード容量"), this), row, 0);
    lblUseSize_ = new QLabel(this);
    lblUseSize_->setObjectName("LblUseSize");
    grid->addWidget(lblUseSize_, row, 1);
    ++row;

    auto* note = new QLabel(QString::fromUtf8("※欄は必須入力です。"), this);
    note->setObjectName("LblNote");
    cmdCardMake_ = new QPushButton(QString::fromUtf8("作成(&M)"), this);
    cmdCardMake_->setObjectName("CmdCardMake");
    cmdClose_ = new QPushButton(QString::fromUtf8("閉じる(&C)"), this);
    cmdClose_->setObjectName("CmdClose");
    connect(cmdCardMake_, &QPushButton::clicked, this, &FrmCardMake::create);
    connect(cmdClose_, &QPushButton::clicked, this, &QWidget::close);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(note);
    buttons->addStretch();
    buttons->addWidget(cmdCardMake_);
    buttons->addWidget(cmdClose_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    setMinimumWidth(520);
}

QLineEdit* FrmCardMake::box(const char* name) const {
    for (const auto& [boxName, edit] : boxes_)
        if (std::string_view(boxName) == name)
            return edit;
    return nullptr;
}

FrmProgress* FrmCardMake::progressWindow() const { return progress_; }

bool FrmCardMake::creating() const { return run_ != nullptr; }

// Opening: what the Project holds, the capacity the sounds need, and the
// defaults of an empty capacity and name; none of it is an edit.
void FrmCardMake::fill() {
    filling_ = true;
    const Project& project = document_.project();
    cmbCardSize_->clear();
    for (const std::string& item : ElementPatternFile::load(paths_.elementPatternFile).cardCapacities())
        cmbCardSize_->addItem(qs(item));
    const CardInformation entries = CardEntriesOnOpening(project, document_.configuration().settings);
    for (const BoxRow& r : kBoxes)
        for (const CardInformationField& f : kCardInformationFields)
            if (std::string_view(f.name) == r.field)
                box(r.name)->setText(qs(entries.*f.value));
    cmbCardSize_->setCurrentIndex(entries.cardSize.empty() ? -1 : std::atoi(entries.cardSize.c_str()));
    lblUseSize_->setText(QString::fromUtf8(CapacityOf(TotalSoundBytes(project)).text));
    filling_ = false;
}

void FrmCardMake::onBoxChanged(const char* field, const QString& text) {
    if (filling_)
        return;
    EditCardInformationEntry(document_, field, text.toStdString());
}

void FrmCardMake::onDateLeft() {
    QLineEdit* date = box("TxtPrgDate");
    const QString normal = qs(NormalizeCardDate(date->text().toStdString()));
    if (normal != date->text())
        date->setText(normal);
}

bool FrmCardMake::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && watched == box("TxtPrgDate"))
        onDateLeft();
    if (event->type() == QEvent::FocusIn)
        if (auto* edit = qobject_cast<QLineEdit*>(watched))
            QTimer::singleShot(0, edit, &QLineEdit::selectAll);  // after a click has placed the cursor
    return QWidget::eventFilter(watched, event);
}

CardInformation FrmCardMake::entriesOfControls() const {
    CardInformation entries = document_.project().card;
    for (const BoxRow& r : kBoxes)
        for (const CardInformationField& f : kCardInformationFields)
            if (std::string_view(f.name) == r.field)
                entries.*f.value = box(r.name)->text().toStdString();
    entries.cardSize = std::to_string(cmbCardSize_->currentIndex());
    return entries;
}

void FrmCardMake::focusField(const std::string& field) {
    auto* widget = findChild<QWidget*>(QString::fromStdString(field));
    if (!widget)
        return;
    widget->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        edit->selectAll();
}

void FrmCardMake::create() {
    if (creating() || cardPanel_->running())
        return;
    EditCardInformation(document_, CardInformationToWrite(entriesOfControls()));
    CardCheck check = CheckCardCreation(document_.project(), document_.configuration().settings);
    if (check.outcome == CardCheckOutcome::CardDataFolderMissing) {
        // Asked once; No or a failure leaves the window open and writes nothing.
        if (const CheckResult refusal = OfferCardDataFolder(check.cardDataFolder, dialogs_)) {
            if (!refusal->text.empty())
                ShowRefusal(dialogs_, *refusal);
            return;
        }
        check = CheckCardCreation(document_.project(), document_.configuration().settings);
    }
    switch (check.outcome) {
    case CardCheckOutcome::SheetErrors:
        close();
        showErrorList(ErrorListText(check.sheetErrors));
        return;
    case CardCheckOutcome::EntryRefused:
        ShowRefusal(dialogs_, *check.refusal);
        focusField(check.refusal->field);
        return;
    case CardCheckOutcome::NoCardDataFolder:
    case CardCheckOutcome::CardDataFolderMissing:  // made, then gone again
        ShowRefusal(dialogs_, check.refusal.value_or(Refusal::warning(msg::kNoCardDataFolder)));
        close();
        return;
    case CardCheckOutcome::Ready:
        break;
    }
    if (!ConfirmWritingUndecodedText(document_.project(), dialogs_))
        return;  // nothing touched
    FmtAttention attention(this);
    attention.exec();
    std::error_code error;
    if (std::filesystem::exists(check.job->cardFolder, error) && !AskYesNo(dialogs_, msg::kReplaceCardFolder, ReplacedFolderLine(check.job->cardFolder)))
        return;  // nothing touched
    startCreation(*check.job);
}

void FrmCardMake::showErrorList(const std::string& text) {
    // Shown once this window is gone, over the main window.
    QWidget* owner = owner_;
    UserDialogs& dialogs = dialogs_;
    QTimer::singleShot(0, owner ? static_cast<QObject*>(owner) : qApp, [owner, &dialogs, text] {
        FrmChkMsg list(text, dialogs, owner);
        list.exec();
    });
}

void FrmCardMake::startCreation(const CardJob& job) {
    progress_ = new FrmProgress(this);
    progress_->setWindowModality(Qt::WindowModal);
    progress_->show();  // window-modal: this window takes no input until the end
    QApplication::setOverrideCursor(Qt::WaitCursor);
    run_ = std::make_unique<CardCreationRun>(job);
    connect(run_.get(), &CardCreationRun::valueChanged, progress_, &FrmProgress::setValue);
    connect(run_.get(), &CardCreationRun::captionChanged, progress_, &FrmProgress::setCaption);
    connect(run_.get(), &CardCreationRun::finished, this, &FrmCardMake::onCreationFinished);
    cardPanel_->setEnabled(false);
    run_->start();
}

void FrmCardMake::onCreationFinished() {
    QApplication::restoreOverrideCursor();
    const CardCreationResult result = run_->result();
    const std::filesystem::path cardFolder = run_->job().cardFolder;
    run_.release()->deleteLater();  // it is the sender of this call; its worker has ended
    cardPanel_->setEnabled(true);
    if (FrmProgress* progress = progress_) {
        progress_ = nullptr;
        progress->finish();
        progress->deleteLater();
    }
    if (!result.recovery.empty())
        dialogs_.showMessage({result.recovery, GetMsg(msg::kTitleConfirm), MessageIcon::Information, MessageButtons::Ok});
    if (result.outcome == CardCreationResult::Outcome::Completed) {
        dialogs_.showMessage(CardDoneMessage(cardFolder));
        document_.markWritten();
        cardPanel_->showFor(cardFolder);
    } else if (result.outcome == CardCreationResult::Outcome::Failed) {
        ShowRefusal(dialogs_, CardFailureRefusal(result.problem, result.folderChanged));
    }
    emit creationEnded(result.completed());
}

void FrmCardMake::closeEvent(QCloseEvent* event) {
    if (creating() || cardPanel_->running()) {
        event->ignore();  // the files are being written or read; the bar shows how far
        return;
    }
    event->accept();
    emit closed();
}

}  // namespace vexa::gui
