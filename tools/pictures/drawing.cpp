#include "drawing.h"

#include "shell/shell_palette.h"

#include <QPainterPath>

QImage TransparentCanvas(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QImage OpaqueCanvas(int width, int height, const QColor& background) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(background);
    return image;
}

QFont UiFont(int pixelSize, bool bold) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

void DrawCentredText(QPainter& p, const QRectF& box, const QString& text, const QFont& font,
                     const QColor& colour, const QColor& shadow) {
    p.save();
    p.setFont(font);
    if (shadow.alpha() > 0) {
        p.setPen(shadow);
        p.drawText(box.translated(0, 1), Qt::AlignCenter, text);
    }
    p.setPen(colour);
    p.drawText(box, Qt::AlignCenter, text);
    p.restore();
}

void DrawSoftShadow(QPainter& p, const QRectF& box, qreal radius, int spread, int strength) {
    p.save();
    p.setPen(Qt::NoPen);
    for (int i = spread; i > 0; --i) {
        const int alpha = strength * (spread - i + 1) / (spread * spread);
        p.setBrush(QColor(10, 20, 40, alpha));
        p.drawRoundedRect(box.adjusted(-i, -i + 2, i, i + 2), radius + i, radius + i);
    }
    p.restore();
}

void DrawCard(QPainter& p, const QRectF& box, qreal radius, int shadowSpread, int shadowStrength) {
    DrawSoftShadow(p, box, radius, shadowSpread, shadowStrength);
    p.save();
    p.setPen(QPen(ShellPalette::CardLine, 1));
    p.setBrush(ShellPalette::Card);
    p.drawRoundedRect(box, radius, radius);
    p.restore();
}

namespace {

QPen iconPen(const QColor& c, qreal width) {
    QPen pen(c, width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

// Points of an icon are given on a 16 x 16 grid inside its box.
QPointF at(const QRectF& box, qreal x, qreal y) {
    return {box.left() + box.width() * x / 16.0, box.top() + box.height() * y / 16.0};
}

} // namespace

void IconMinimise(QPainter& p, const QRectF& box, const QColor& c) {
    p.setPen(iconPen(c, 1.6));
    p.drawLine(at(box, 3, 11), at(box, 13, 11));
}

void IconMaximise(QPainter& p, const QRectF& box, const QColor& c) {
    p.setPen(iconPen(c, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(at(box, 3.5, 3.5), at(box, 12.5, 12.5)));
}

void IconClose(QPainter& p, const QRectF& box, const QColor& c) {
    p.setPen(iconPen(c, 1.6));
    p.drawLine(at(box, 4, 4), at(box, 12, 12));
    p.drawLine(at(box, 12, 4), at(box, 4, 12));
}

void IconArrowRight(QPainter& p, const QRectF& box, const QColor& c) {
    p.setPen(iconPen(c, 1.8));
    p.drawLine(at(box, 3, 8), at(box, 13, 8));
    p.drawLine(at(box, 9, 4), at(box, 13, 8));
    p.drawLine(at(box, 9, 12), at(box, 13, 8));
}

void IconPlus(QPainter& p, const QRectF& box, const QColor& c) {
    p.setPen(iconPen(c, 1.8));
    p.drawLine(at(box, 8, 3), at(box, 8, 13));
    p.drawLine(at(box, 3, 8), at(box, 13, 8));
}

void IconTick(QPainter& p, const QRectF& box, const QColor& c) {
    p.setPen(iconPen(c, 2.0));
    p.setBrush(Qt::NoBrush);
    QPainterPath path(at(box, 3.5, 8.5));
    path.lineTo(at(box, 6.8, 11.8));
    path.lineTo(at(box, 12.8, 4.5));
    p.drawPath(path);
}

void IconPencil(QPainter& p, const QRectF& box, const QColor& c) {
    p.setPen(iconPen(c, 1.5));
    p.setBrush(Qt::NoBrush);
    QPainterPath path(at(box, 3, 13));
    path.lineTo(at(box, 3.6, 10.2));
    path.lineTo(at(box, 10.8, 3));
    path.lineTo(at(box, 13, 5.2));
    path.lineTo(at(box, 5.8, 12.4));
    path.closeSubpath();
    p.drawPath(path);
    p.drawLine(at(box, 9.4, 4.4), at(box, 11.6, 6.6));
}

void IconRename(QPainter& p, const QRectF& box, const QColor& c) {
    p.setPen(iconPen(c, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(at(box, 1.5, 4.5), at(box, 14.5, 11.5)), 1.5, 1.5);
    p.drawLine(at(box, 9.5, 2.5), at(box, 9.5, 13.5));
    p.drawLine(at(box, 4, 8), at(box, 7, 8));
}

void IconTrash(QPainter& p, const QRectF& box, const QColor& c) {
    p.setPen(iconPen(c, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawLine(at(box, 2.5, 4.5), at(box, 13.5, 4.5));
    p.drawLine(at(box, 6.5, 4.5), at(box, 6.8, 2.5));
    p.drawLine(at(box, 6.8, 2.5), at(box, 9.2, 2.5));
    p.drawLine(at(box, 9.2, 2.5), at(box, 9.5, 4.5));
    QPainterPath bin(at(box, 4, 4.5));
    bin.lineTo(at(box, 4.8, 14));
    bin.lineTo(at(box, 11.2, 14));
    bin.lineTo(at(box, 12, 4.5));
    p.drawPath(bin);
    p.drawLine(at(box, 6.8, 7), at(box, 7, 11.5));
    p.drawLine(at(box, 9.2, 7), at(box, 9, 11.5));
}

void IconLock(QPainter& p, const QRectF& box, const QColor& c) {
    p.setPen(iconPen(c, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(at(box, 3.5, 7.5), at(box, 12.5, 14)), 1.5, 1.5);
    QPainterPath shackle(at(box, 5.5, 7.5));
    shackle.lineTo(at(box, 5.5, 5.5));
    shackle.arcTo(QRectF(at(box, 5.5, 2.5), at(box, 10.5, 8.5)), 180, -180);
    shackle.lineTo(at(box, 10.5, 7.5));
    p.drawPath(shackle);
}

void IconHome(QPainter& p, const QRectF& box, const QColor& c) {
    p.setPen(iconPen(c, 1.5));
    p.setBrush(Qt::NoBrush);
    QPainterPath roof(at(box, 2, 8));
    roof.lineTo(at(box, 8, 2.5));
    roof.lineTo(at(box, 14, 8));
    p.drawPath(roof);
    QPainterPath house(at(box, 4, 6.5));
    house.lineTo(at(box, 4, 14));
    house.lineTo(at(box, 12, 14));
    house.lineTo(at(box, 12, 6.5));
    p.drawPath(house);
    p.drawRect(QRectF(at(box, 6.8, 10), at(box, 9.2, 14)));
}

void IconPage(QPainter& p, const QRectF& box, const QColor& c) {
    p.setPen(iconPen(c, 1.5));
    p.setBrush(Qt::NoBrush);
    QPainterPath sheet(at(box, 3.5, 1.5));
    sheet.lineTo(at(box, 9.5, 1.5));
    sheet.lineTo(at(box, 12.5, 4.5));
    sheet.lineTo(at(box, 12.5, 14.5));
    sheet.lineTo(at(box, 3.5, 14.5));
    sheet.closeSubpath();
    p.drawPath(sheet);
    p.drawLine(at(box, 5.5, 8), at(box, 10.5, 8));
    p.drawLine(at(box, 5.5, 10.5), at(box, 10.5, 10.5));
}

void IconExport(QPainter& p, const QRectF& box, const QColor& c) {
    p.setPen(iconPen(c, 1.6));
    p.drawLine(at(box, 8, 2), at(box, 8, 10));
    p.drawLine(at(box, 5, 5), at(box, 8, 2));
    p.drawLine(at(box, 11, 5), at(box, 8, 2));
    QPainterPath tray(at(box, 3, 9));
    tray.lineTo(at(box, 3, 14));
    tray.lineTo(at(box, 13, 14));
    tray.lineTo(at(box, 13, 9));
    p.setBrush(Qt::NoBrush);
    p.drawPath(tray);
}

void IconEye(QPainter& p, const QRectF& box, const QColor& c) {
    p.setPen(iconPen(c, 1.5));
    p.setBrush(Qt::NoBrush);
    QPainterPath eye(at(box, 1.5, 8));
    eye.quadTo(at(box, 8, 1), at(box, 14.5, 8));
    eye.quadTo(at(box, 8, 15), at(box, 1.5, 8));
    p.drawPath(eye);
    p.drawEllipse(at(box, 8, 8), box.width() * 2.2 / 16, box.height() * 2.2 / 16);
}

void IconLogo(QPainter& p, const QRectF& box, const QColor& c) {
    // Three stacked blocks: a page being put together.
    p.setPen(Qt::NoPen);
    QColor soft = c;
    soft.setAlphaF(0.55);
    p.setBrush(c);
    p.drawRoundedRect(QRectF(at(box, 1, 1), at(box, 15, 5)), 1.2, 1.2);
    p.setBrush(soft);
    p.drawRoundedRect(QRectF(at(box, 1, 6.5), at(box, 7, 15)), 1.2, 1.2);
    p.setBrush(c);
    p.drawRoundedRect(QRectF(at(box, 8.5, 6.5), at(box, 15, 10)), 1.2, 1.2);
    p.setBrush(soft);
    p.drawRoundedRect(QRectF(at(box, 8.5, 11.5), at(box, 15, 15)), 1.2, 1.2);
}
