#include "gui/editor/SheetHeaderFrame.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace vexa::gui {
namespace {

// Items a loaded file brought in that are no list entry are marked with this
// role, so that they go again when the controls are cleared.
constexpr int kForeignItemRole = Qt::UserRole + 1;

QLabel* heading(const char* text, QWidget* parent) { return new QLabel(QString::fromUtf8(text), parent); }

void fill(QComboBox* list, const std::vector<std::string>& entries) {
    for (const auto& e : entries)
        list->addItem(QString::fromStdString(e));
}

void removeForeignItems(QComboBox* list) {
    for (int i = list->count() - 1; i >= 0; --i)
        if (list->itemData(i, kForeignItemRole).toBool())
            list->removeItem(i);
}

}  // namespace

SheetHeaderFrame::SheetHeaderFrame(QWidget* parent) : QFrame(parent) {
    setObjectName("FrmSetting");
    setFrameShape(QFrame::StyledPanel);

    cmbVolume_ = new QComboBox(this);
    cmbVolume_->setObjectName("cmbVolume");
    fill(cmbVolume_, VolumeEntries());
    connect(cmbVolume_, &QComboBox::activated, this, [this](int index) {
        controls_.volume = static_cast<std::int16_t>(index);
        emit edited();
    });

    cmbHourSt_ = makeTimeList(HourEntries(), &SheetHeaderControls::startHour);
    cmbMinuteSt_ = makeTimeList(MinuteEntries(), &SheetHeaderControls::startMinute);
    cmbHourEd_ = makeTimeList(HourEntries(), &SheetHeaderControls::endHour);
    cmbMinuteEd_ = makeTimeList(MinuteEntries(), &SheetHeaderControls::endMinute);
    cmbHourSt_->setObjectName("cmbHourSt");
    cmbMinuteSt_->setObjectName("cmbMinuteSt");
    cmbHourEd_->setObjectName("cmbHourEd");
    cmbMinuteEd_->setObjectName("cmbMinuteEd");

    static const char* const weekdays[kWeekdayBoxes] = {"月", "火", "水", "木", "金", "土", "日"};
    for (int i = 0; i < kWeekdayBoxes; ++i) {
        auto* box = new QCheckBox(QString::fromUtf8(weekdays[i]), this);
        box->setObjectName(QString("chkWeek%1").arg(i));
        connect(box, &QCheckBox::clicked, this, [this, i](bool checked) {
            controls_.weekdays[static_cast<std::size_t>(i)] = checked;
            emit edited();
        });
        chkWeek_[static_cast<std::size_t>(i)] = box;
    }
    for (int i = 0; i < kSeasonBoxes; ++i) {
        const QString caption = i == 0 ? QString::fromUtf8("通年") : QString::fromUtf8("%1月").arg(i);
        auto* box = new QCheckBox(caption, this);
        box->setObjectName(QString("chkSeason%1").arg(i));
        connect(box, &QCheckBox::clicked, this, [this, i](bool checked) {
            controls_.seasons[static_cast<std::size_t>(i)] = checked;
            emit edited();
        });
        chkSeason_[static_cast<std::size_t>(i)] = box;
    }

    auto* volumeRow = new QHBoxLayout;
    volumeRow->addWidget(heading("〔音量レベル〕", this));
    volumeRow->addWidget(cmbVolume_);
    volumeRow->addWidget(heading("[ 0-放送停止　1-大　2-中　3-小 ］", this));
    volumeRow->addSpacing(16);
    volumeRow->addWidget(heading("〔時間帯〕", this));
    volumeRow->addWidget(heading("開始", this));
    volumeRow->addWidget(cmbHourSt_);
    volumeRow->addWidget(heading("時", this));
    volumeRow->addWidget(cmbMinuteSt_);
    volumeRow->addWidget(heading("分", this));
    volumeRow->addWidget(heading("～　終了", this));
    volumeRow->addWidget(cmbHourEd_);
    volumeRow->addWidget(heading("時", this));
    volumeRow->addWidget(cmbMinuteEd_);
    volumeRow->addWidget(heading("分", this));
    volumeRow->addStretch();

    // Weekdays and seasons on rows of their own, so that the frame fits a
    // 1024-pixel screen.
    auto* weekRow = new QHBoxLayout;
    weekRow->addWidget(heading("〔曜日〕", this));
    for (auto* box : chkWeek_)
        weekRow->addWidget(box);
    weekRow->addStretch();

    auto* seasonRow = new QHBoxLayout;
    seasonRow->addWidget(heading("〔シーズン管理〕", this));
    for (auto* box : chkSeason_)
        seasonRow->addWidget(box);
    seasonRow->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 2, 6, 2);
    layout->setSpacing(0);
    layout->addLayout(volumeRow);
    layout->addLayout(weekRow);
    layout->addLayout(seasonRow);
}

QComboBox* SheetHeaderFrame::makeTimeList(const std::vector<std::string>& entries,
                                    std::string SheetHeaderControls::*field) {
    auto* list = new QComboBox(this);
    fill(list, entries);
    list->setMinimumContentsLength(2);
    connect(list, &QComboBox::activated, this, [this, list, field](int index) {
        controls_.*field = list->itemText(index).toStdString();
        emit edited();
    });
    return list;
}

void SheetHeaderFrame::showTime(QComboBox* list, const std::string& text) {
    const QString value = QString::fromStdString(text);
    int index = list->findText(value, Qt::MatchExactly);
    if (index < 0) {  // a text only a loaded file holds: shown as it stands
        list->addItem(value);
        index = list->count() - 1;
        list->setItemData(index, true, kForeignItemRole);
    }
    list->setCurrentIndex(index);
}

void SheetHeaderFrame::showHeader(const SheetHeaderControls& controls) {
    clear();
    controls_ = controls;
    const bool listed = controls.volume >= 0 && controls.volume < cmbVolume_->count();
    cmbVolume_->setCurrentIndex(listed ? controls.volume : -1);
    showTime(cmbHourSt_, controls.startHour);
    showTime(cmbMinuteSt_, controls.startMinute);
    showTime(cmbHourEd_, controls.endHour);
    showTime(cmbMinuteEd_, controls.endMinute);
    for (std::size_t i = 0; i < chkWeek_.size(); ++i)
        chkWeek_[i]->setChecked(controls.weekdays[i]);
    for (std::size_t i = 0; i < chkSeason_.size(); ++i)
        chkSeason_[i]->setChecked(controls.seasons[i]);
}

void SheetHeaderFrame::clear() {
    controls_ = SheetHeaderControls{};
    cmbVolume_->setCurrentIndex(0);
    for (auto* list : {cmbHourSt_, cmbMinuteSt_, cmbHourEd_, cmbMinuteEd_}) {
        removeForeignItems(list);
        list->setCurrentIndex(0);
    }
    for (auto* box : chkWeek_)
        box->setChecked(false);
    for (auto* box : chkSeason_)
        box->setChecked(false);
}

}  // namespace vexa::gui
