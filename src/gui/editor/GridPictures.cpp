#include "gui/editor/GridPictures.h"

#include <QPainter>
#include <QPainterPath>

#include <array>

namespace vexa::gui {
namespace {

QPixmap draw(StatePicture picture) {
    const int s = kGridPictureSize;
    QPixmap pixmap(s, s);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF box(1.5, 1.5, s - 3, s - 3);
    switch (picture) {
    case StatePicture::None:
        return {};
    case StatePicture::Idle:  // a hollow ring: nothing plays
        p.setPen(QPen(QColor(150, 150, 150), 1.2));
        p.drawEllipse(box);
        break;
    case StatePicture::Voice: {  // a green play triangle
        QPainterPath path;
        path.moveTo(box.left() + 1, box.top());
        path.lineTo(box.right(), box.center().y());
        path.lineTo(box.left() + 1, box.bottom());
        path.closeSubpath();
        p.setPen(QPen(QColor(0, 110, 0), 1));
        p.setBrush(QColor(40, 190, 40));
        p.drawPath(path);
        break;
    }
    case StatePicture::Led:  // a lit red lamp
        p.setPen(QPen(QColor(150, 0, 0), 1));
        p.setBrush(QColor(255, 40, 40));
        p.drawEllipse(box);
        break;
    case StatePicture::Buzzer:  // an orange diamond
        p.setPen(QPen(QColor(150, 80, 0), 1));
        p.setBrush(QColor(255, 160, 0));
        p.drawPolygon(QPolygonF({QPointF(box.center().x(), box.top()), QPointF(box.right(), box.center().y()),
                                 QPointF(box.center().x(), box.bottom()), QPointF(box.left(), box.center().y())}));
        break;
    }
    return pixmap;
}

}  // namespace

const QPixmap& gridPicture(StatePicture picture) {
    static const std::array<QPixmap, 5> pictures = {draw(StatePicture::None), draw(StatePicture::Idle),
                                                    draw(StatePicture::Voice), draw(StatePicture::Led),
                                                    draw(StatePicture::Buzzer)};
    return pictures[static_cast<std::size_t>(picture)];
}

}  // namespace vexa::gui
