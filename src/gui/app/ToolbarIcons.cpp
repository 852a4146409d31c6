#include "gui/app/ToolbarIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <cmath>
#include <functional>
#include <numbers>

namespace vexa::gui {
namespace {

constexpr int kSize = 32;
const QColor kOutline(50, 60, 80);

QIcon drawn(const std::function<void(QPainter&)>& draw) {
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kOutline, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    draw(p);
    return QIcon(pixmap);
}

void page(QPainter& p, QRectF r, QColor fill = Qt::white) {
    QPainterPath path;
    path.moveTo(r.topLeft());
    path.lineTo(r.right() - 6, r.top());
    path.lineTo(r.right(), r.top() + 6);
    path.lineTo(r.bottomRight());
    path.lineTo(r.bottomLeft());
    path.closeSubpath();
    p.setBrush(fill);
    p.drawPath(path);
    p.drawLine(QPointF(r.right() - 6, r.top()), QPointF(r.right() - 6, r.top() + 6));
    p.drawLine(QPointF(r.right() - 6, r.top() + 6), QPointF(r.right(), r.top() + 6));
}

void drawLoad(QPainter& p) {
    p.setBrush(QColor(240, 190, 70));
    p.drawRect(QRectF(3, 9, 26, 19));
    p.drawRect(QRectF(3, 6, 10, 4));
    p.setBrush(QColor(250, 215, 110));
    QPolygonF front;
    front << QPointF(6, 14) << QPointF(31, 14) << QPointF(28, 28) << QPointF(3, 28);
    p.drawPolygon(front);
}

void drawNew(QPainter& p) {
    page(p, QRectF(7, 3, 19, 26));
    p.setPen(QPen(QColor(230, 160, 20), 2));
    for (int i = 0; i < 4; ++i) {
        const double a = i * std::numbers::pi / 4;
        const QPointF c(22, 22);
        p.drawLine(c + QPointF(6 * std::cos(a), 6 * std::sin(a)), c - QPointF(6 * std::cos(a), 6 * std::sin(a)));
    }
}

void drawCopy(QPainter& p) {
    page(p, QRectF(4, 3, 16, 21), QColor(225, 235, 250));
    page(p, QRectF(12, 9, 16, 21));
    p.setPen(QPen(QColor(120, 140, 170), 1.2));
    for (int y = 16; y <= 25; y += 3)
        p.drawLine(QPointF(15, y), QPointF(25, y));
}

void drawSound(QPainter& p) {
    QPolygonF speaker;
    speaker << QPointF(3, 12) << QPointF(9, 12) << QPointF(16, 5) << QPointF(16, 27) << QPointF(9, 20)
            << QPointF(3, 20);
    p.setBrush(QColor(90, 110, 140));
    p.drawPolygon(speaker);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(40, 120, 200), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(12, 10, 10, 12), -50 * 16, 100 * 16);
    p.drawArc(QRectF(10, 5, 18, 22), -50 * 16, 100 * 16);
    p.drawArc(QRectF(8, 1, 24, 30), -50 * 16, 100 * 16);
}

void drawSetting(QPainter& p) {
    const QPointF c(16, 16);
    QPainterPath gear;
    const int teeth = 8;
    for (int i = 0; i < teeth * 2; ++i) {
        const double a = i * std::numbers::pi / teeth;
        const double r = i % 2 == 0 ? 14 : 10.5;
        const QPointF pt = c + QPointF(r * std::cos(a), r * std::sin(a));
        if (i == 0)
            gear.moveTo(pt);
        else
            gear.lineTo(pt);
    }
    gear.closeSubpath();
    gear.addEllipse(c, 4.5, 4.5);
    p.setBrush(QColor(150, 160, 175));
    p.drawPath(gear);
}

void drawPlay(QPainter& p) {
    QPolygonF triangle;
    triangle << QPointF(9, 5) << QPointF(27, 16) << QPointF(9, 27);
    p.setBrush(QColor(40, 170, 80));
    p.drawPolygon(triangle);
}

void drawStop(QPainter& p) {
    p.setBrush(QColor(210, 50, 40));
    p.drawRoundedRect(QRectF(7, 7, 18, 18), 2, 2);
}

void drawCard(QPainter& p) {
    QPolygonF card;
    card << QPointF(8, 3) << QPointF(20, 3) << QPointF(26, 9) << QPointF(26, 29) << QPointF(8, 29);
    p.setBrush(QColor(60, 90, 150));
    p.drawPolygon(card);
    p.setPen(QPen(QColor(240, 200, 80), 2));
    for (int x = 11; x <= 20; x += 3)
        p.drawLine(QPointF(x, 6), QPointF(x, 11));
    p.setPen(QPen(Qt::white, 1.5));
    p.drawLine(QPointF(11, 18), QPointF(23, 18));
    p.drawLine(QPointF(11, 22), QPointF(23, 22));
    p.drawLine(QPointF(11, 26), QPointF(19, 26));
}

void drawPrint(QPainter& p) {
    p.setBrush(Qt::white);
    p.drawRect(QRectF(9, 3, 14, 10));
    p.setBrush(QColor(150, 160, 175));
    p.drawRoundedRect(QRectF(3, 11, 26, 13), 2, 2);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(9, 19, 14, 10));
    p.setPen(QPen(QColor(120, 140, 170), 1.2));
    p.drawLine(QPointF(11, 23), QPointF(21, 23));
    p.drawLine(QPointF(11, 26), QPointF(19, 26));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 200, 90));
    p.drawEllipse(QPointF(25, 15), 1.5, 1.5);
}

// A week: a sheet of seven rows with two coloured bars.
void drawWeek(QPainter& p) {
    p.setBrush(Qt::white);
    p.setPen(QPen(QColor(60, 60, 60), 1.5));
    p.drawRect(QRectF(4, 5, 24, 22));
    p.setPen(QPen(QColor(170, 170, 170), 1));
    for (int row = 1; row < 7; ++row)
        p.drawLine(QPointF(4, 5 + row * 22.0 / 7), QPointF(28, 5 + row * 22.0 / 7));
    p.fillRect(QRectF(8, 8.5, 10, 2.5), QColor(66, 133, 244));
    p.fillRect(QRectF(14, 18, 11, 2.5), QColor(251, 140, 0));
}

void drawExit(QPainter& p) {
    p.setBrush(QColor(200, 60, 50));
    p.drawEllipse(QPointF(16, 16), 13, 13);
    p.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(11, 11), QPointF(21, 21));
    p.drawLine(QPointF(21, 11), QPointF(11, 21));
}

}  // namespace

QIcon toolbarIcon(ToolbarKey key) {
    switch (key) {
    case ToolbarKey::Load:
        return drawn(drawLoad);
    case ToolbarKey::New:
        return drawn(drawNew);
    case ToolbarKey::Copy:
        return drawn(drawCopy);
    case ToolbarKey::Sound:
        return drawn(drawSound);
    case ToolbarKey::Seting:
        return drawn(drawSetting);
    case ToolbarKey::Sim:
        return drawn(drawPlay);
    case ToolbarKey::Card:
        return drawn(drawCard);
    case ToolbarKey::Print:
        return drawn(drawPrint);
    case ToolbarKey::Append:
        return drawn(drawExit);
    case ToolbarKey::Week:
        return drawn(drawWeek);
    case ToolbarKey::Others1:
    case ToolbarKey::Others2:
        break;
    }
    return drawn([](QPainter&) {});
}

QIcon stopTestIcon() { return drawn(drawStop); }

}  // namespace vexa::gui
