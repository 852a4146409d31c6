#include "gui/app/FrmFast.h"

#include "core/config/Messages.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QThread>
#include <QWindow>

namespace vexa::gui {
namespace {

constexpr int kWidth = 480;
constexpr int kHeight = 280;

void drawSpeaker(QPainter& p, QPointF at) {
    QPainterPath body;
    body.moveTo(at + QPointF(0, -14));
    body.lineTo(at + QPointF(18, -14));
    body.lineTo(at + QPointF(42, -38));
    body.lineTo(at + QPointF(42, 38));
    body.lineTo(at + QPointF(18, 14));
    body.lineTo(at + QPointF(0, 14));
    body.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 244, 250));
    p.drawPath(body);

    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 3; ++i) {
        const double r = 24 + i * 16;
        p.setPen(QPen(QColor(240, 244, 250, 230 - i * 60), 5, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(at.x() + 42 - r, at.y() - r, 2 * r, 2 * r), -40 * 16, 80 * 16);
    }
}

void drawLeds(QPainter& p, QPointF at) {
    const QColor colours[] = {QColor(255, 70, 60), QColor(255, 190, 40), QColor(70, 220, 110)};
    for (int i = 0; i < 3; ++i) {
        const QPointF centre = at + QPointF(i * 30.0, 0);
        QRadialGradient glow(centre, 14);
        glow.setColorAt(0, colours[i].lighter(150));
        glow.setColorAt(0.6, colours[i]);
        glow.setColorAt(1, colours[i].darker(180));
        p.setPen(QPen(QColor(20, 30, 50), 2));
        p.setBrush(glow);
        p.drawEllipse(centre, 10, 10);
    }
}

}  // namespace

FrmFast::FrmFast(QWidget* parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName("FrmFast");
    setFixedSize(kWidth, kHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void FrmFast::showBlocking(int milliseconds) {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    show();
    // The window system has to map the window before a paint shows; only
    // non-input events are let through while waiting for that.
    const QDeadlineTimer mapping(500);
    while (!(windowHandle() && windowHandle()->isExposed()) && !mapping.hasExpired())
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 20);
    repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    QThread::msleep(static_cast<unsigned long>(milliseconds));
    close();
}

void FrmFast::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(0, 0, 0, height());
    sky.setColorAt(0, QColor(22, 60, 120));
    sky.setColorAt(1, QColor(8, 22, 52));
    p.fillRect(rect(), sky);
    p.setPen(QPen(QColor(120, 160, 220), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(rect().adjusted(1, 1, -2, -2));

    drawSpeaker(p, QPointF(48, 110));
    drawLeds(p, QPointF(60, 196));

    QFont title = font();
    title.setPixelSize(34);
    title.setBold(true);
    p.setFont(title);
    p.setPen(QColor(250, 250, 255));
    p.drawText(QRectF(170, 70, 300, 80), Qt::AlignLeft | Qt::AlignVCenter,
               QString::fromStdString(GetMsg(msg::kAppTitle)));
    p.setPen(QPen(QColor(120, 160, 220), 2));
    p.drawLine(QPointF(172, 150), QPointF(450, 150));

    const QString version = QCoreApplication::applicationVersion();
    if (!version.isEmpty()) {
        QFont small = font();
        small.setPixelSize(14);
        p.setFont(small);
        p.setPen(QColor(170, 195, 235));
        p.drawText(QRectF(172, 158, 280, 24), Qt::AlignLeft | Qt::AlignVCenter, "Version " + version);
    }
}

}  // namespace vexa::gui
