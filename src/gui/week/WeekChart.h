#pragma once
// The week drawn: seven rows Monday … Sunday, 24 hours across, each sheet's
// span a coloured bar with its number, overlaps hatched in red, 放送停止
// greyed, 要確認 spans dashed. A click on a bar says which sheet it was.
#include "core/week/WeekPlan.h"

#include <QColor>
#include <QWidget>

namespace vexa::gui {

// The colour of a sheet's bars (also the legend's).
QColor SheetColor(int sheet);

class WeekChart : public QWidget {
    Q_OBJECT

public:
    explicit WeekChart(QWidget* parent = nullptr);

    void setPlan(const WeekPlan& plan);
    const WeekPlan& plan() const { return plan_; }

    // The sheet whose bar lies at `point`, or -1.
    int sheetAt(const QPoint& point) const;
    // Where the bar of `span` on `day` is drawn.
    QRectF barRect(int day, const WeekSpan& span) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void sheetClicked(int sheet);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QRectF plotArea() const;
    double xOfMinute(int minute) const;

    WeekPlan plan_;
};

}  // namespace vexa::gui
