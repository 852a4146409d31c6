#pragma once
// "週間表示": the week at a glance for a chosen month — the chart, a legend
// of the sheets and the list of findings. It reads the Project of the
// Document and follows every edit, undo and load at once; a click on a bar
// asks the main window to show that sheet.
#include "core/document/Document.h"
#include "core/week/WeekPlan.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QListWidget;

namespace vexa::gui {

class WeekChart;

class FrmWeek : public QDialog {
    Q_OBJECT

public:
    // `month`: kAllYear or 1 … 12.
    FrmWeek(Document& document, int month, QWidget* owner);
    ~FrmWeek() override;

    int month() const;
    void setMonth(int month);
    WeekChart* chart() const { return chart_; }
    QListWidget* findings() const { return findings_; }

signals:
    void sheetChosen(int sheet);

private:
    void refresh();

    Document& document_;
    int subscription_ = -1;
    QComboBox* months_ = nullptr;
    WeekChart* chart_ = nullptr;
    QLabel* legend_ = nullptr;
    QLabel* notice_ = nullptr;
    QListWidget* findings_ = nullptr;
};

}  // namespace vexa::gui
