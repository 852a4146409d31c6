#pragma once
// The sheet header frame (object name "FrmSetting"): volume, start and end
// time, weekday and season boxes. It shows a SheetHeaderControls record and
// keeps it in step with what the user picks; the memo grid holds the name and
// memo.
#include "core/editor/SheetHeaderControls.h"

#include <QFrame>

#include <array>

class QCheckBox;
class QComboBox;

namespace vexa::gui {

class SheetHeaderFrame : public QFrame {
    Q_OBJECT

public:
    explicit SheetHeaderFrame(QWidget* parent = nullptr);

    // The header part of the record (name and memo are the memo grid's).
    void showHeader(const SheetHeaderControls& controls);
    SheetHeaderControls controls() const { return controls_; }
    // Every list back to its first entry, every box unchecked.
    void clear();

    QComboBox* cmbVolume() const { return cmbVolume_; }
    QComboBox* cmbHourSt() const { return cmbHourSt_; }
    QComboBox* cmbMinuteSt() const { return cmbMinuteSt_; }
    QComboBox* cmbHourEd() const { return cmbHourEd_; }
    QComboBox* cmbMinuteEd() const { return cmbMinuteEd_; }
    QCheckBox* chkWeek(int i) const { return chkWeek_.at(static_cast<std::size_t>(i)); }
    QCheckBox* chkSeason(int i) const { return chkSeason_.at(static_cast<std::size_t>(i)); }

signals:
    // The user picked a list entry or clicked a box; controls() holds it.
    void edited();

private:
    QComboBox* makeTimeList(const std::vector<std::string>& entries, std::string SheetHeaderControls::*field);
    void showTime(QComboBox* list, const std::string& text);

    SheetHeaderControls controls_;
    QComboBox* cmbVolume_ = nullptr;
    QComboBox* cmbHourSt_ = nullptr;
    QComboBox* cmbMinuteSt_ = nullptr;
    QComboBox* cmbHourEd_ = nullptr;
    QComboBox* cmbMinuteEd_ = nullptr;
    std::array<QCheckBox*, kWeekdayBoxes> chkWeek_{};
    std::array<QCheckBox*, kSeasonBoxes> chkSeason_{};
};

}  // namespace vexa::gui
