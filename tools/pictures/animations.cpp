// The two busy animations: a ring of fading segments turning clockwise.
#include "drawing.h"
#include "gif_writer.h"
#include "picture_writer.h"

#include "shell/shell_palette.h"

#include <QtMath>

using namespace ShellPalette;

namespace {

GifAnimation spinner(int side, int segments, qreal thickness, const QColor& ink) {
    GifAnimation animation;
    animation.ink = ink;
    animation.matte = Card;
    animation.delayCentiseconds = 8;
    const QPointF centre(side / 2.0, side / 2.0);
    const qreal outer = side / 2.0 - 1;
    const qreal inner = outer - thickness * 2.2;
    for (int frame = 0; frame < segments; ++frame) {
        QImage image = TransparentCanvas(side, side);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        for (int s = 0; s < segments; ++s) {
            // The head of the ring is the brightest; the tail fades out behind it.
            const int age = (frame - s + segments) % segments;
            QColor c = ink;
            c.setAlphaF(qMax(0.12, 1.0 - age / qreal(segments)));
            QPen pen(c, thickness);
            pen.setCapStyle(Qt::RoundCap);
            p.setPen(pen);
            const qreal angle = 2 * M_PI * s / segments - M_PI / 2;
            const QPointF dir(qCos(angle), qSin(angle));
            p.drawLine(centre + dir * inner, centre + dir * (outer - thickness / 2));
        }
        p.end();
        animation.frames << image;
    }
    return animation;
}

} // namespace

void WriteAnimations(PictureWriter& out) {
    if (!WriteAnimatedGif(spinner(48, 12, 4.2, Accent),
                          out.path(QStringLiteral("large_loading.gif"))))
        out.failed(QStringLiteral("large_loading.gif"));
    if (!WriteAnimatedGif(spinner(18, 8, 2.0, Danger), out.path(QStringLiteral("loading_red.gif"))))
        out.failed(QStringLiteral("loading_red.gif"));
}
