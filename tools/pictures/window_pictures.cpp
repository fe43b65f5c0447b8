// The fixed pictures of the window itself: logo, step indicator, start banners, frame corners,
// bottom bar, busy card and the splash.
#include "drawing.h"
#include "picture_writer.h"

#include "shell/shell_palette.h"

#include <QFontMetricsF>
#include <QPainterPath>

using namespace ShellPalette;

namespace {

QImage logo() {
    QImage image = TransparentCanvas(300, 44);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    IconLogo(p, QRectF(2, 6, 32, 32), AccentLight);
    p.setFont(UiFont(21, true));
    p.setPen(Qt::white);
    p.drawText(QRectF(46, 0, 254, 44), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("Tavo"));
    const qreal tavoWidth =
        QFontMetricsF(UiFont(21, true)).horizontalAdvance(QStringLiteral("Tavo "));
    p.setFont(UiFont(21));
    p.setPen(TextOnDark);
    p.drawText(QRectF(46 + tavoWidth, 0, 254, 44), Qt::AlignVCenter | Qt::AlignLeft,
               QStringLiteral("Website Builder"));
    return image;
}

// Step n of Welcome, Build, Publish: done steps ticked, the current one in the accent.
QImage stepPicture(int current) {
    const QStringList names = {QStringLiteral("Welcome"), QStringLiteral("Build"),
                               QStringLiteral("Publish")};
    QImage image = TransparentCanvas(240, 44);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal pitch = 80;
    for (int i = 0; i < 3; ++i) {
        const QPointF centre(pitch * i + 40, 14);
        if (i < 2) {
            p.setPen(QPen(i + 1 < current ? AccentLight : HeaderRaised.lighter(130), 2));
            p.drawLine(centre + QPointF(13, 0), centre + QPointF(pitch - 13, 0));
        }
        const bool done = i + 1 < current;
        const bool now = i + 1 == current;
        p.setPen(Qt::NoPen);
        p.setBrush(now || done ? Accent : HeaderRaised);
        if (now) {
            p.setBrush(QColor(Accent.red(), Accent.green(), Accent.blue(), 70));
            p.drawEllipse(centre, 13, 13);
            p.setBrush(Accent);
        }
        p.drawEllipse(centre, 10, 10);
        const QRectF dot(centre - QPointF(10, 10), QSizeF(20, 20));
        if (done)
            IconTick(p, dot.adjusted(4, 4, -4, -4), Qt::white);
        else
            DrawCentredText(p, dot, QString::number(i + 1), UiFont(11, true),
                            now ? QColor(Qt::white) : TextOnDark);
        DrawCentredText(p, QRectF(centre.x() - 40, 27, 80, 16), names[i], UiFont(11, now),
                        now ? QColor(Qt::white) : QColor(0x9A, 0xA6, 0xC0));
    }
    return image;
}

QImage banner(int width, int height, const QString& title, int titleSize, const QString& subtitle) {
    QImage image = TransparentCanvas(width, height);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal titleHeight = subtitle.isEmpty() ? height : height * 0.58;
    DrawCentredText(p, QRectF(0, 0, width, titleHeight), title, UiFont(titleSize, true), Text);
    if (!subtitle.isEmpty())
        DrawCentredText(p, QRectF(0, titleHeight, width, height - titleHeight), subtitle,
                        UiFont(14), TextMuted);
    return image;
}

// A small sketch of a site being built, for the empty left side of the start card.
QImage startArt() {
    QImage image = TransparentCanvas(210, 180);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF window(10, 14, 190, 150);
    DrawCard(p, window, 8, 6, 60);
    p.setPen(Qt::NoPen);
    p.setBrush(Workspace);
    QPainterPath bar;
    bar.addRoundedRect(QRectF(window.left(), window.top(), window.width(), 22), 8, 8);
    p.drawPath(bar);
    p.drawRect(QRectF(window.left(), window.top() + 12, window.width(), 10));
    const QColor dots[3] = {Danger, QColor(0xF2, 0xB1, 0x3A), Success};
    for (int i = 0; i < 3; ++i) {
        p.setBrush(dots[i]);
        p.drawEllipse(QPointF(window.left() + 14 + 11 * i, window.top() + 11), 3.5, 3.5);
    }
    p.setBrush(Accent);
    p.drawRoundedRect(QRectF(26, 48, 158, 40), 4, 4);
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawRoundedRect(QRectF(38, 60, 80, 7), 3, 3);
    p.drawRoundedRect(QRectF(38, 72, 54, 5), 2.5, 2.5);
    p.setBrush(Workspace.darker(104));
    for (int i = 0; i < 3; ++i)
        p.drawRoundedRect(QRectF(26 + 55 * i, 98, 48, 34), 3, 3);
    p.setBrush(CardLine);
    p.drawRoundedRect(QRectF(26, 140, 110, 5), 2.5, 2.5);
    p.drawRoundedRect(QRectF(26, 150, 80, 5), 2.5, 2.5);
    // The pencil that is editing it.
    p.save();
    p.translate(170, 128);
    p.rotate(40);
    p.setBrush(Success);
    p.drawRoundedRect(QRectF(-6, -30, 12, 40), 2, 2);
    p.setBrush(QColor(0xF2, 0xC9, 0x8A));
    QPainterPath tip(QPointF(-6, 10));
    tip.lineTo(6, 10);
    tip.lineTo(0, 22);
    tip.closeSubpath();
    p.drawPath(tip);
    p.restore();
    return image;
}

// A quarter circle of the window's 10 x 10 corner: outside transparent, the border line,
// then the colour of the window inside.
QImage corner(bool right, bool bottom, const QColor& inside) {
    QImage image = TransparentCanvas(6, 6);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF circle(right ? -5.5 : 0.5, bottom ? -5.5 : 0.5, 10, 10);
    p.setPen(QPen(HeaderLine, 1));
    p.setBrush(inside);
    p.drawEllipse(circle);
    return image;
}

// A faint glow of the accent over the right of the title area, where the tabs end: an
// ellipse that fades out before the picture's edges.
QImage titleGlow() {
    QImage image = TransparentCanvas(390, 36);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(195, 36);
    p.scale(195.0 / 36.0, 1.0);
    QRadialGradient glow(QPointF(0, 0), 36);
    glow.setColorAt(0, QColor(Accent.red(), Accent.green(), Accent.blue(), 70));
    glow.setColorAt(1, QColor(Accent.red(), Accent.green(), Accent.blue(), 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(QPointF(0, 0), 36, 36);
    return image;
}

QImage bottomBar() {
    QImage image = OpaqueCanvas(180, 10, Card);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(CardLine);
    for (int i = 0; i < 3; ++i)
        p.drawEllipse(QPointF(82 + 8 * i, 4), 1.6, 1.6);
    p.setPen(CardLine);
    p.drawLine(0, 9, 180, 9);
    return image;
}

// The resize grip in the bottom right corner: a triangle of dots.
QImage grip() {
    QImage image = TransparentCanvas(12, 12);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x9A, 0xA3, 0xB1));
    for (int row = 0; row < 3; ++row)
        for (int col = 2 - row; col < 3; ++col)
            p.drawEllipse(QPointF(2 + 4 * col, 2 + 4 * row), 1.2, 1.2);
    return image;
}

QImage busyCard() {
    QImage image = TransparentCanvas(300, 124);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    DrawCard(p, QRectF(12, 10, 276, 100), 10, 10, 140);
    return image;
}

QImage splash() {
    QImage image = TransparentCanvas(460, 290);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF card(20, 16, 420, 250);
    DrawSoftShadow(p, card, 16, 16, 170);
    QLinearGradient gradient(card.topLeft(), card.bottomRight());
    gradient.setColorAt(0, Header.lighter(135));
    gradient.setColorAt(1, Header);
    p.setPen(Qt::NoPen);
    p.setBrush(gradient);
    p.drawRoundedRect(card, 16, 16);
    // A soft glow of the accent behind the mark.
    QRadialGradient glow(QPointF(230, 104), 120);
    glow.setColorAt(0, QColor(Accent.red(), Accent.green(), Accent.blue(), 90));
    glow.setColorAt(1, QColor(Accent.red(), Accent.green(), Accent.blue(), 0));
    p.setBrush(glow);
    p.drawRoundedRect(card, 16, 16);
    IconLogo(p, QRectF(198, 58, 64, 64), AccentLight);
    DrawCentredText(p, QRectF(card.left(), 140, card.width(), 36),
                    QStringLiteral("Tavo Website Builder"), UiFont(26, true), Qt::white,
                    QColor(0, 0, 0, 60));
    DrawCentredText(p, QRectF(card.left(), 178, card.width(), 24),
                    QStringLiteral("Pick a design. Write your pages. Publish."), UiFont(14),
                    QColor(0xB8, 0xC4, 0xDC));
    p.setBrush(QColor(255, 255, 255, 40));
    p.drawRoundedRect(QRectF(170, 222, 120, 4), 2, 2);
    p.setBrush(AccentLight);
    p.drawRoundedRect(QRectF(170, 222, 48, 4), 2, 2);
    return image;
}

} // namespace

void WriteWindowPictures(PictureWriter& out) {
    out.save(QStringLiteral("logo.png"), logo());
    for (int n = 1; n <= 3; ++n)
        out.save(QStringLiteral("step%1.png").arg(n), stepPicture(n));
    out.save(
        QStringLiteral("banner1.png"),
        banner(760, 84, QStringLiteral("Build your own website"), 30,
               QStringLiteral("Choose a design, fill in your pages and put them on the web.")));
    out.save(QStringLiteral("banner2.png"),
             banner(620, 30, QStringLiteral("Start a new site, or open the one you already have"),
                    16, {}));
    out.save(QStringLiteral("start_art.png"), startArt());
    out.save(QStringLiteral("corner_tl.png"), corner(false, false, Header));
    out.save(QStringLiteral("corner_tr.png"), corner(true, false, Header));
    out.save(QStringLiteral("corner_bl.png"), corner(false, true, Workspace));
    out.save(QStringLiteral("corner_br.png"), corner(true, true, Workspace));
    out.save(QStringLiteral("bottom_bar.png"), bottomBar());
    out.save(QStringLiteral("title.png"), titleGlow());
    out.save(QStringLiteral("busy_card.png"), busyCard());
    out.save(QStringLiteral("grip.png"), grip());
    out.save(QStringLiteral("publish_heading.png"),
             banner(600, 64, QStringLiteral("Publish your site"), 24,
                    QStringLiteral("Put your pages on your own web server.")));
    out.save(QStringLiteral("splash.png"), splash());
}
