// The page list's row pictures and the region overlay's frame and badges.
#include "button_pictures.h"
#include "picture_writer.h"

#include "shell/shell_palette.h"

#include <QPainterPath>

using namespace ShellPalette;

namespace {

// The row: a white card, 51 high, with a grip on its left for dragging it.
QImage rowBackground() {
    QImage image = OpaqueCanvas(736, 51, Card);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(image.rect(), Card);
    p.setPen(QPen(CardLine, 1));
    p.setBrush(Card);
    p.drawRoundedRect(QRectF(0.5, 0.5, 735, 50), 6, 6);
    p.setPen(Qt::NoPen);
    p.setBrush(Disabled);
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 2; ++col)
            p.drawEllipse(QPointF(15 + 5 * col, 20 + 5.5 * row), 1.4, 1.4);
    return image;
}

QImage rowIcon(IconPainter icon, const QColor& colour) {
    QImage image = TransparentCanvas(32, 51);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    icon(p, QRectF(6, 15, 20, 20), colour);
    return image;
}

QImage disabledDelete() {
    QImage image = OpaqueCanvas(22, 22, Card);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    IconTrash(p, QRectF(4, 4, 14, 14), Disabled);
    return image;
}

QColor withAlpha(QColor c, int alpha) {
    c.setAlpha(alpha);
    return c;
}

QImage filled(int width, int height, const QColor& colour) {
    QImage image = TransparentCanvas(width, height);
    image.fill(colour);
    return image;
}

// A pill with a pencil and a caption, over the middle of the region under the pointer.
QImage badge(int width, int height, const QString& caption, int fontSize) {
    QImage image = TransparentCanvas(width, height);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF pill = QRectF(image.rect()).adjusted(1, 1, -1, -1);
    p.setPen(Qt::NoPen);
    p.setBrush(withAlpha(QColor(10, 20, 40), 40));
    p.drawRoundedRect(pill.translated(0, 1), pill.height() / 2, pill.height() / 2);
    p.setBrush(Accent);
    p.drawRoundedRect(pill.adjusted(0, 0, 0, -1), pill.height() / 2, pill.height() / 2);
    const qreal side = fontSize + 2;
    IconPencil(
        p,
        QRectF(pill.left() + pill.height() / 2 - 2, pill.center().y() - side / 2 - 0.5, side, side),
        Qt::white);
    DrawCentredText(p, pill.adjusted(side + 4, -1, 0, -1), caption, UiFont(fontSize, true),
                    Qt::white);
    return image;
}

} // namespace

void WritePageListPictures(PictureWriter& out) {
    out.save(QStringLiteral("pmbg.png"), rowBackground());
    out.save(QStringLiteral("home.png"), rowIcon(IconHome, Accent));
    out.save(QStringLiteral("page.png"), rowIcon(IconPage, TextMuted));
    out.save(QStringLiteral("ddelete.png"), disabledDelete());
}

void WriteRegionOverlayPictures(PictureWriter& out) {
    // Edges 4 pixels thick; the base is a light tint of the accent, cut to the region's size.
    out.save(QStringLiteral("i1.png"), filled(4, 1600, withAlpha(Accent, 220)));
    out.save(QStringLiteral("i2.png"), filled(1000, 4, withAlpha(Accent, 220)));
    out.save(QStringLiteral("i4.png"), filled(1000, 1600, withAlpha(Accent, 34)));
    out.save(QStringLiteral("i3.png"), badge(150, 36, QStringLiteral("Click to edit"), 13));
    out.save(QStringLiteral("i5.png"), badge(74, 20, QStringLiteral("Edit"), 10));
}
