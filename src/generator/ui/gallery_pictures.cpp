#include "generator/ui/gallery_pictures.h"

#include <QPainter>
#include <QPainterPath>

namespace {

const QColor TickGreen{0x1F, 0x9D, 0x6B};
const QColor BarText{0x2F, 0x6F, 0xED};

QPixmap Transparent(int w, int h) {
    QPixmap pixmap(w, h);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

} // namespace

QPixmap GalleryTickPicture() {
    QPixmap pixmap = Transparent(50, 50);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::white, 3));
    p.setBrush(TickGreen);
    p.drawEllipse(QRectF(2.5, 2.5, 45, 45));
    QPainterPath tick;
    tick.moveTo(14, 26);
    tick.lineTo(22, 34);
    tick.lineTo(37, 17);
    p.setPen(QPen(Qt::white, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(tick);
    return pixmap;
}

QPixmap PreviewBackArrowPicture() {
    QPixmap pixmap = Transparent(22, 18);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(BarText, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(4, 9), QPointF(19, 9));
    p.drawLine(QPointF(4, 9), QPointF(10, 3));
    p.drawLine(QPointF(4, 9), QPointF(10, 15));
    return pixmap;
}
