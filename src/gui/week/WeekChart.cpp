#include "gui/week/WeekChart.h"

#include <QMouseEvent>
#include <algorithm>
#include <QPainter>

namespace vexa::gui {
namespace {

constexpr int kDayLabelWidth = 28;
constexpr int kHourLabelHeight = 18;
constexpr int kRowHeight = 44;

}  // namespace

QColor SheetColor(int sheet) {
    static const QColor kColors[] = {QColor(66, 133, 244), QColor(52, 168, 83),  QColor(251, 140, 0),
                                     QColor(142, 68, 173), QColor(0, 150, 136),  QColor(233, 30, 99),
                                     QColor(121, 85, 72),  QColor(96, 125, 139)};
    return kColors[static_cast<std::size_t>(sheet) % std::size(kColors)];
}

WeekChart::WeekChart(QWidget* parent) : QWidget(parent) {
    setObjectName("WeekChart");
    setMouseTracking(false);
}

void WeekChart::setPlan(const WeekPlan& plan) {
    plan_ = plan;
    update();
}

QSize WeekChart::sizeHint() const { return {900, kHourLabelHeight + kDaysPerWeek * kRowHeight + 2}; }

QSize WeekChart::minimumSizeHint() const { return {480, kHourLabelHeight + kDaysPerWeek * 28 + 2}; }

QRectF WeekChart::plotArea() const {
    return QRectF(kDayLabelWidth, kHourLabelHeight, width() - kDayLabelWidth - 8, height() - kHourLabelHeight - 2);
}

double WeekChart::xOfMinute(int minute) const {
    const QRectF area = plotArea();
    return area.left() + area.width() * minute / kMinutesPerDay;
}

QRectF WeekChart::barRect(int day, const WeekSpan& span) const {
    const QRectF area = plotArea();
    const double rowHeight = area.height() / kDaysPerWeek;
    const auto& spans = plan_.days[static_cast<std::size_t>(day)];
    // Spans of one day share the row in lanes, one per sheet that plays that day.
    std::vector<int> lanes;
    for (const WeekSpan& s : spans)
        if (std::find(lanes.begin(), lanes.end(), s.sheet) == lanes.end())
            lanes.push_back(s.sheet);
    const auto lane = std::find(lanes.begin(), lanes.end(), span.sheet) - lanes.begin();
    const double laneHeight = (rowHeight - 4) / std::max<std::size_t>(lanes.size(), 1);
    const double top = area.top() + day * rowHeight + 2 + lane * laneHeight;
    return QRectF(xOfMinute(span.start), top, std::max(2.0, xOfMinute(span.end) - xOfMinute(span.start)), laneHeight);
}

int WeekChart::sheetAt(const QPoint& point) const {
    for (int d = 0; d < kDaysPerWeek; ++d)
        for (const WeekSpan& span : plan_.days[static_cast<std::size_t>(d)])
            if (barRect(d, span).contains(point))
                return span.sheet;
    return -1;
}

void WeekChart::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().base());
    const QRectF area = plotArea();
    const double rowHeight = area.height() / kDaysPerWeek;

    p.setPen(palette().color(QPalette::Mid));
    for (int hour = 0; hour <= 24; ++hour) {
        const double x = xOfMinute(hour * 60);
        p.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
        if (hour % 3 == 0 && hour < 24)
            p.drawText(QRectF(x - 12, 0, 24, kHourLabelHeight), Qt::AlignCenter, QString::number(hour));
    }
    for (int d = 0; d <= kDaysPerWeek; ++d)
        p.drawLine(QPointF(area.left(), area.top() + d * rowHeight), QPointF(area.right(), area.top() + d * rowHeight));
    p.setPen(palette().color(QPalette::Text));
    for (int d = 0; d < kDaysPerWeek; ++d)
        p.drawText(QRectF(0, area.top() + d * rowHeight, kDayLabelWidth, rowHeight), Qt::AlignCenter,
                   QString::fromStdString(WeekdayName(d)));

    for (int d = 0; d < kDaysPerWeek; ++d) {
        for (const WeekSpan& span : plan_.days[static_cast<std::size_t>(d)]) {
            const QRectF bar = barRect(d, span);
            const QColor color = span.stopped ? QColor(190, 190, 190) : SheetColor(span.sheet);
            p.setBrush(color);
            p.setPen(QPen(color.darker(140), 1, span.needsCheck ? Qt::DashLine : Qt::SolidLine));
            p.drawRect(bar);
            p.setPen(span.stopped ? Qt::black : Qt::white);
            p.drawText(bar, Qt::AlignCenter, QString::number(span.sheet + 1));
        }
    }
    // Overlaps: red hatching over the whole row height of that time.
    p.setPen(QPen(QColor(220, 0, 0), 1.5));
    for (const WeekOverlap& overlap : plan_.overlaps) {
        const QRectF band(xOfMinute(overlap.start), area.top() + overlap.day * rowHeight,
                          std::max(2.0, xOfMinute(overlap.end) - xOfMinute(overlap.start)), rowHeight);
        p.setBrush(QBrush(QColor(220, 0, 0), Qt::BDiagPattern));
        p.drawRect(band);
    }
}

void WeekChart::mousePressEvent(QMouseEvent* event) {
    const int sheet = sheetAt(event->position().toPoint());
    if (sheet >= 0)
        emit sheetClicked(sheet);
    QWidget::mousePressEvent(event);
}

}  // namespace vexa::gui
