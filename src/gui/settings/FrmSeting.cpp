#include "gui/settings/FrmSeting.h"

#include "gui/app/ToolbarIcons.h"
#include "core/config/Messages.h"
#include "gui/editor/GridPictures.h"
#include "core/settings/NumberBoxes.h"
#include "core/settings/SettingsChecks.h"
#include "core/settings/SettingsOk.h"
#include "gui/ui/UpDown.h"
#include "core/text/TextRules.h"
#include "core/ui/FileChoosers.h"
#include "gui/settings/FrmDisp2.h"
#include "core/ui/Refusal.h"
#include "gui/ui/WorkAreaFit.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

#include <filesystem>

namespace vexa::gui {
namespace {

constexpr int kPreviewPictureSize = 24;

QString qs(const std::string& text) { return QString::fromStdString(text); }
QString qs(const char* text) { return QString::fromUtf8(text); }

struct UserRow {
    const char* label;  // the label's name
    const char* caption;
};

// In the order of the User Information (kUserInformationKeys).
constexpr std::array<UserRow, 11> kUserRows = {{
    {"LblCompany", "会社名　　："},
    {"LblAttribute", "所属部署　："},
    {"LblName", "氏　名　　："},
    {"LblYubin", "郵便番号　："},
    {"LblAddress", "住　所　　："},
    {"LblTel", "電話番号　："},
    {"LblFax", "FAX番号　 ："},
    {"LblBusiness", "業務内容　："},
    {"LblMail", "e-mail　　："},
    {"LblUrl", "URL　　　 ："},
    {"LblInsDate", "導入日付　："},
}};

struct PatternTabTexts {
    const char* frame;
    const char* patternPrefix;  // + "A" / "B" / "C"
    const char* onColumn;
    const char* offColumn;
    const char* checkName;      // + pattern index
    const char* pictureName;
    const char* note;
};

const PatternTabTexts& textsOf(PatternOutput output) {
    static const PatternTabTexts led{"LED点滅パターンの時間を設定します", "点滅パターン", "点灯", "消灯",
                                     "CkLed", "ImgLed", "（注）LED出力機能を有する機種以外は本設定は無効です"};
    static const PatternTabTexts buzzer{"BUZZER鳴動パターンの時間を設定します", "鳴動パターン", "ON", "OFF",
                                        "CkBuz", "ImgBuz",
                                        "（注）BUZZER出力機能を有する機種以外は本設定は無効です"};
    return output == PatternOutput::Led ? led : buzzer;
}

// The on icon of the output (lit lamp, sounding buzzer) or the idle one.
QPixmap previewPixmap(PatternOutput output, PreviewIcon icon) {
    const StatePicture picture = icon == PreviewIcon::Off     ? StatePicture::Idle
                                 : output == PatternOutput::Led ? StatePicture::Led
                                                                : StatePicture::Buzzer;
    return gridPicture(picture).scaled(kPreviewPictureSize, kPreviewPictureSize, Qt::KeepAspectRatio,
                                       Qt::SmoothTransformation);
}

QGroupBox* frame(const char* caption, QWidget* parent) { return new QGroupBox(qs(caption), parent); }

// A tab page holding one frame at the top.
QWidget* page(QWidget* content) {
    auto* widget = new QWidget;
    auto* layout = new QVBoxLayout(widget);
    layout->addWidget(content);
    layout->addStretch(1);
    content->setParent(widget);
    return widget;
}

}  // namespace

FrmSeting::FrmSeting(Document& document, const ProgramPaths& paths, UserDialogs& dialogs, MainWindowCalls calls,
                     QWidget* parent)
    : QDialog(parent), document_(document), paths_(paths), dialogs_(dialogs), calls_(std::move(calls)) {
    setObjectName("FrmSeting");
    setWindowTitle(qs(GetMsg(msg::kSettingsCaption)));
    tabStrip_ = new QTabWidget(this);
    tabStrip_->setObjectName("TabStrip1");
    tabStrip_->setUsesScrollButtons(false);  // the window is as wide as the seven tabs
    for (const SettingsTabInfo& tab : kSettingsTabs) {
        QWidget* content = nullptr;
        switch (tab.tab) {
        case SettingsTab::Seigyo: content = buildModelTab(); break;
        case SettingsTab::Data: content = buildDataTab(); break;
        case SettingsTab::Led: content = buildPatternTab(PatternOutput::Led); break;
        case SettingsTab::Buzzer: content = buildPatternTab(PatternOutput::Buzzer); break;
        case SettingsTab::Hojyo: content = buildAuxiliaryTab(); break;
        case SettingsTab::User: content = buildUserTab(); break;
        case SettingsTab::Version: content = buildVersionTab(); break;
        }
        QWidget* tabPage = page(content);
        tabPage->setObjectName(qs(tab.key));
        tabStrip_->addTab(tabPage, qs(tab.caption));
    }

    cmdOk_ = new QPushButton("OK", this);
    cmdOk_->setObjectName("CmdOk");
    cmdOk_->setDefault(true);
    cmdCancel_ = new QPushButton(qs("ｷｬﾝｾﾙ"), this);
    cmdCancel_->setObjectName("CmdCancel");
    connect(cmdOk_, &QPushButton::clicked, this, &FrmSeting::ok);
    connect(cmdCancel_, &QPushButton::clicked, this, &FrmSeting::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOk_);
    buttons->addWidget(cmdCancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabStrip_);
    layout->addLayout(buttons);

    tmrSim_ = new QTimer(this);
    tmrSim_->setObjectName("TmrSim");
    tmrSim_->setInterval(PatternPreview::kTickMilliseconds);
    connect(tmrSim_, &QTimer::timeout, this, &FrmSeting::tickPreviews);

    fill();
    tabStrip_->setCurrentIndex(TabIndex(SettingsTab::Seigyo));
    connect(tabStrip_, &QTabWidget::currentChanged, this, &FrmSeting::onTabChanged);
    KeepInWorkArea(this);
}

QWidget* FrmSeting::buildModelTab() {
    QGroupBox* box = frame("使用する製品の制御-点数を選んでください", this);
    cmbModel_ = new QComboBox(box);
    cmbModel_->setObjectName(kModelField);
    cmbModel_->setMinimumWidth(240);
    connect(cmbModel_, &QComboBox::activated, this, [this] { markChanged(); });
    lblNoModel_ = new QLabel(box);
    lblNoModel_->setObjectName("LblNoModel");
    lblNoModel_->setWordWrap(true);
    lblNoModel_->hide();
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(cmbModel_, 0, Qt::AlignLeft);
    layout->addWidget(lblNoModel_);
    return box;
}

QWidget* FrmSeting::buildDataTab() {
    QGroupBox* box = frame("コントロールデータ格納フォルダ", this);
    auto* path = new QLineEdit(box);
    path->setObjectName(kCardPathField);
    path->setMinimumWidth(360);
    path->installEventFilter(this);
    boxes_.emplace_back(kCardPathField, path);
    connect(path, &QLineEdit::textChanged, this, [this] {
        if (!filling_)
            markChanged();
    });
    cmdCardPath_ = new QPushButton("...", box);
    cmdCardPath_->setObjectName("CmdCardPath");
    connect(cmdCardPath_, &QPushButton::clicked, this, &FrmSeting::browseCardPath);
    auto* layout = new QHBoxLayout(box);
    layout->addWidget(path, 1);
    layout->addWidget(cmdCardPath_);
    return box;
}

QWidget* FrmSeting::buildPatternTab(PatternOutput output) {
    const PatternTabTexts& texts = textsOf(output);
    auto* outer = new QWidget(this);
    QGroupBox* box = frame(texts.frame, outer);
    auto* grid = new QGridLayout(box);
    grid->addWidget(new QLabel(qs(texts.onColumn), box), 0, 1, Qt::AlignCenter);
    grid->addWidget(new QLabel(qs(texts.offColumn), box), 0, 4, Qt::AlignCenter);
    grid->addWidget(new QLabel(qs("プレビュー"), box), 0, 7, 1, 2, Qt::AlignCenter);
    const QString seconds = qs(GetMsg(msg::kSecondsUnit));
    for (int pattern = 0; pattern < 3; ++pattern) {
        const int row = pattern + 1;
        grid->addWidget(new QLabel(qs(texts.patternPrefix) + QChar(u'A' + pattern), box), row, 0);
        for (const PatternBox& entry : kPatternBoxes) {
            if (entry.output != output || entry.pattern != pattern)
                continue;
            const int column = entry.on ? 1 : 4;
            auto* edit = new QLineEdit(box);
            edit->setObjectName(entry.name);
            edit->setMaxLength(entry.maxLength);
            edit->setFixedWidth(56);
            edit->setAlignment(Qt::AlignRight);
            edit->installEventFilter(this);
            boxes_.emplace_back(entry.name, edit);
            connect(edit, &QLineEdit::textChanged, this, [this] {
                if (filling_)
                    return;
                changed_ = true;
                patternChanged_ = true;
            });
            auto* upDown = new UpDown(box);
            upDown->setObjectName(QString::fromLatin1(entry.name).replace(0, 3, "Ud"));
            connect(upDown, &UpDown::stepped, edit,
                    [edit](bool up) { edit->setText(qs(StepPatternTimeBox(edit->text().toStdString(), up))); });
            grid->addWidget(edit, row, column);
            grid->addWidget(new QLabel(seconds, box), row, column + 1);
            grid->addWidget(upDown, row, column + 2);
        }
        const int slot = previewSlot(output, pattern);
        auto* check = new QCheckBox(box);
        check->setObjectName(QString::fromLatin1(texts.checkName) + QString::number(pattern));
        auto* picture = new QLabel(box);
        picture->setObjectName(QString::fromLatin1(texts.pictureName) + QString::number(pattern));
        picture->setFixedSize(kPreviewPictureSize, kPreviewPictureSize);
        picture->setPixmap(previewPixmap(output, PreviewIcon::Off));
        previewChecks_[static_cast<std::size_t>(slot)] = check;
        previewPictures_[static_cast<std::size_t>(slot)] = picture;
        grid->addWidget(check, row, 7);
        grid->addWidget(picture, row, 8);
    }
    auto* note = new QLabel(qs(texts.note), outer);
    auto* layout = new QVBoxLayout(outer);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(box);
    layout->addWidget(note);
    return outer;
}

QWidget* FrmSeting::buildAuxiliaryTab() {
    auto* outer = new QWidget(this);
    const std::array<const char*, 4> captions = {"画面A", "画面B", "M", "M/S"};
    auto* layout = new QVBoxLayout(outer);
    layout->setContentsMargins(0, 0, 0, 0);
    for (int function = 0; function < 2; ++function) {
        QGroupBox* box = frame(function == 0 ? "補助機能1" : "補助機能2", outer);
        auto* row = new QHBoxLayout(box);
        for (int i = function * 2; i < function * 2 + 2; ++i) {
            auto* option = new QRadioButton(qs(captions[static_cast<std::size_t>(i)]), box);
            option->setObjectName(QStringLiteral("OptAddFunction%1").arg(i));
            connect(option, &QRadioButton::clicked, this, [this] { markChanged(); });
            options_[static_cast<std::size_t>(i)] = option;
            row->addWidget(option);
        }
        row->addStretch();
        layout->addWidget(box);
    }
    return outer;
}

QWidget* FrmSeting::buildUserTab() {
    QGroupBox* box = frame("ユーザー情報", this);
    auto* grid = new QGridLayout(box);
    for (std::size_t i = 0; i < kUserRows.size(); ++i) {
        auto* label = new QLabel(box);
        label->setObjectName(kUserRows[i].label);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        userLabels_[i] = label;
        grid->addWidget(new QLabel(qs(kUserRows[i].caption), box), static_cast<int>(i), 0);
        grid->addWidget(label, static_cast<int>(i), 1);
    }
    grid->setColumnStretch(1, 1);
    return box;
}

QWidget* FrmSeting::buildVersionTab() {
    auto* box = new QWidget(this);
    auto* picture = new QLabel(box);
    picture->setObjectName("ImgVersion");
    picture->setPixmap(toolbarIcon(ToolbarKey::Seting).pixmap(48, 48));
    auto* product = new QLabel("Vexa Editor", box);
    product->setObjectName("LblProduct");
    QFont big = product->font();
    big.setPointSizeF(big.pointSizeF() * 1.5);
    big.setBold(true);
    product->setFont(big);
    lblVer_ = new QLabel(box);
    lblVer_->setObjectName("LblVer");
    lblVersionUrl_ = new QLabel(box);
    lblVersionUrl_->setObjectName("LblVersionUrl");
    lblVersionUrl_->setTextFormat(Qt::RichText);
    lblVersionUrl_->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    lblVersionUrl_->setText(QStringLiteral("<a href=\"%1\">%2</a>")
                                .arg(QUrl::fromLocalFile(QString::fromStdString(paths_.userGuide.string()))
                                         .toString(QUrl::FullyEncoded),
                                     qs("Vexa Editor ユーザーガイド")));
    connect(lblVersionUrl_, &QLabel::linkActivated, this, &FrmSeting::openUserGuide);
    cmdHistory_ = new QPushButton(qs("更新履歴"), box);
    cmdHistory_->setObjectName("CmdHistory");
    connect(cmdHistory_, &QPushButton::clicked, this, &FrmSeting::showReleaseNotes);

    auto* version = new QHBoxLayout;
    version->addWidget(new QLabel(qs("ﾊﾞｰｼﾞｮﾝ ："), box));
    version->addWidget(lblVer_);
    version->addStretch();
    auto* texts = new QVBoxLayout;
    texts->addWidget(product);
    texts->addLayout(version);
    texts->addWidget(lblVersionUrl_);
    texts->addWidget(cmdHistory_, 0, Qt::AlignLeft);
    auto* layout = new QHBoxLayout(box);
    layout->addWidget(picture, 0, Qt::AlignTop);
    layout->addLayout(texts, 1);
    return box;
}

// Opening: the settings and the Project's Pattern Times; none of it is an edit.
void FrmSeting::fill() {
    filling_ = true;
    opening_ = SettingsDraftOnOpening(document_.configuration(), document_.project());
    models_ = ElementPatternFile::load(paths_.elementPatternFile).models();
    for (const ModelEntry& model : models_)
        cmbModel_->addItem(qs(model.label));
    cmbModel_->setCurrentIndex(ModelIndexFor(models_, opening_.lineCount.value_or(0)));
    if (models_.empty()) {
        cmbModel_->setEnabled(false);
        lblNoModel_->setText(qs("機種の一覧（" + paths_.elementPatternFile.filename().string() +
                                " の MaxLine）がないため、機種を選べません。OK を押しても制御-点数は変わりません（現在 " +
                                std::to_string(opening_.lineCount.value_or(0)) + " 点）。"));
        lblNoModel_->show();
    }
    for (const PatternBox& entry : kPatternBoxes)
        box(entry.name)->setText(qs(PatternText(opening_.patterns, entry)));
    box(kCardPathField)->setText(qs(opening_.cardPath));
    const UserInformation& user = document_.configuration().user;
    for (std::size_t i = 0; i < userLabels_.size(); ++i)
        userLabels_[i]->setText(qs(user.values[i]));
    options_[opening_.addFunction1 == 0 ? 0 : 1]->setChecked(true);
    options_[opening_.addFunction2 == 0 ? 2 : 3]->setChecked(true);
    lblVer_->setText(QStringLiteral("%1.%2.%3").arg(VEXA_VERSION_MAJOR).arg(VEXA_VERSION_MINOR).arg(VEXA_VERSION_PATCH));
    changed_ = false;
    patternChanged_ = false;
    filling_ = false;
}

QLineEdit* FrmSeting::box(std::string_view name) const {
    for (const auto& [boxName, edit] : boxes_)
        if (boxName == name)
            return edit;
    return nullptr;
}

QRadioButton* FrmSeting::optAddFunction(int index) const {
    return index >= 0 && index < 4 ? options_[static_cast<std::size_t>(index)] : nullptr;
}

int FrmSeting::previewSlot(PatternOutput output, int pattern) const {
    return (output == PatternOutput::Led ? 0 : 3) + pattern;
}

QCheckBox* FrmSeting::previewCheck(PatternOutput output, int pattern) const {
    return previewChecks_[static_cast<std::size_t>(previewSlot(output, pattern))];
}

QLabel* FrmSeting::previewPicture(PatternOutput output, int pattern) const {
    return previewPictures_[static_cast<std::size_t>(previewSlot(output, pattern))];
}

PreviewIcon FrmSeting::previewIcon(PatternOutput output, int pattern) const {
    return previews_[static_cast<std::size_t>(previewSlot(output, pattern))].icon();
}

SettingsDraft FrmSeting::draft() const {
    SettingsDraft d;
    const int model = cmbModel_->currentIndex();
    if (model >= 0 && model < static_cast<int>(models_.size()))
        d.lineCount = ModelLineCount(models_[static_cast<std::size_t>(model)]);
    d.cardPath = box(kCardPathField)->text().toStdString();
    for (const PatternBox& entry : kPatternBoxes)
        PatternText(d.patterns, entry) = box(entry.name)->text().toStdString();
    d.addFunction1 = options_[0]->isChecked() ? 0 : 1;
    d.addFunction2 = options_[2]->isChecked() ? 0 : 1;
    return d;
}

void FrmSeting::onTabChanged(int index) {
    const bool patternTab = index == TabIndex(SettingsTab::Led) || index == TabIndex(SettingsTab::Buzzer);
    if (patternTab)
        tmrSim_->start();
    else
        tmrSim_->stop();
}

void FrmSeting::tickPreviews() {
    // LED A, B, C, then BUZZER A, B, C: each reads its own boxes.
    for (const PatternOutput output : {PatternOutput::Led, PatternOutput::Buzzer}) {
        for (int pattern = 0; pattern < 3; ++pattern) {
            const auto slot = static_cast<std::size_t>(previewSlot(output, pattern));
            std::string on;
            std::string off;
            for (const PatternBox& entry : kPatternBoxes)
                if (entry.output == output && entry.pattern == pattern)
                    (entry.on ? on : off) = box(entry.name)->text().toStdString();
            const PreviewIcon before = previews_[slot].icon();
            const PreviewIcon now = previews_[slot].tick(previewChecks_[slot]->isChecked(), on, off);
            if (now != before)
                previewPictures_[slot]->setPixmap(previewPixmap(output, now));
        }
    }
}

void FrmSeting::showField(const std::string& field) {
    tabStrip_->setCurrentIndex(TabIndex(TabOfField(field)));
    auto* widget = findChild<QWidget*>(qs(field));
    if (!widget)
        return;
    widget->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        edit->selectAll();
}

bool FrmSeting::eventFilter(QObject* watched, QEvent* event) {
    auto* edit = qobject_cast<QLineEdit*>(watched);
    if (edit && event->type() == QEvent::FocusIn)
        QTimer::singleShot(0, edit, &QLineEdit::selectAll);  // after a click has placed the cursor
    if (edit && event->type() == QEvent::FocusOut && edit->objectName() != QLatin1String(kCardPathField)) {
        // Leaving the box, not the window: a message box or another program
        // taking the focus leaves the text as typed.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            const QString normal = qs(NormalizePatternTimeBox(edit->text().toStdString()));
            if (normal != edit->text())
                edit->setText(normal);
        }
    }
    return QDialog::eventFilter(watched, event);
}

void FrmSeting::browseCardPath() {
    const std::string folder = BrowseFolder(dialogs_, document_.configuration().settings.cardPath);
    if (!folder.empty())
        box(kCardPathField)->setText(qs(CutAtNul(folder)));
}

void FrmSeting::openUserGuide(const QString& link) {
    const QUrl url(link);
    std::error_code error;
    const bool missing = url.isLocalFile() && !std::filesystem::exists(url.toLocalFile().toStdString(), error);
    if (missing || !QDesktopServices::openUrl(url)) {
        const std::string where = url.isLocalFile() ? url.toLocalFile().toStdString() : link.toStdString();
        ShowRefusal(dialogs_, {"「" + where + "」を開けません。", msg::kTitleError, MessageIcon::Error, {}, -1, -1});
    }
}

void FrmSeting::showReleaseNotes() {
    FrmDisp2 notes(paths_.releaseNotes, this);
    notes.exec();
}

void FrmSeting::ok() {
    tmrSim_->stop();
    SettingsOkCalls calls;
    calls.showField = [this](const std::string& field) { showField(field); };
    calls.busy = [](bool on) {
        if (on)
            QApplication::setOverrideCursor(Qt::WaitCursor);
        else
            QApplication::restoreOverrideCursor();
    };
    calls.newDataMake = calls_.newDataMake;
    calls.refreshVoiceCell = calls_.refreshVoiceCell;
    const SettingsOkResult result =
        RunSettingsOk(document_, paths_.configurationFile, opening_, draft(), patternChanged_, dialogs_, calls);
    if (result.outcome == SettingsOkOutcome::Saved) {
        changed_ = false;
        accept();
        return;
    }
    if (const CheckResult& refusal = result.refusal) {
        if (!refusal->field.empty())
            showField(refusal->field);
        if (!refusal->text.empty())
            ShowRefusal(dialogs_, *refusal);
    }
    onTabChanged(tabStrip_->currentIndex());  // the previews go on where they ran
}

void FrmSeting::reject() {
    if (!ConfirmCloseSettings(dialogs_, changed_))
        return;
    tmrSim_->stop();
    QDialog::reject();
}

}  // namespace vexa::gui
