#include "button_pictures.h"

#include "shell/shell_palette.h"

#include <QFontMetricsF>
#include <QPainterPath>

using namespace ShellPalette;

namespace {

struct Fill {
    QColor top;
    QColor bottom;
    QColor line;
    QColor ink;
};

QColor lighter(const QColor& c, int f) {
    return c.lighter(f);
}

Fill fillFor(ButtonLook look, ButtonState s, const QColor& background) {
    const bool hover = s == ButtonState::Hover;
    const bool pressed = s == ButtonState::Pressed;
    switch (look) {
    case ButtonLook::Primary: {
        const QColor base = pressed ? AccentDark : hover ? AccentLight : Accent;
        return {lighter(base, 108), base, base.darker(118), Qt::white};
    }
    case ButtonLook::Success: {
        const QColor base = pressed ? SuccessDark : hover ? SuccessLight : Success;
        return {lighter(base, 108), base, base.darker(118), Qt::white};
    }
    case ButtonLook::Neutral: {
        const QColor base = pressed ? QColor(0xE4, 0xE8, 0xEF)
                            : hover ? QColor(0xF4, 0xF7, 0xFB)
                                    : Card;
        return {base, base.darker(102),
                pressed ? QColor(0xA9, 0xB3, 0xC2)
                : hover ? Accent
                        : CardLine,
                Text};
    }
    case ButtonLook::Locked:
        return {QColor(0xF1, 0xF3, 0xF6), QColor(0xEA, 0xED, 0xF1), CardLine,
                QColor(0x9A, 0xA3, 0xB1)};
    case ButtonLook::WindowControl: {
        const QColor base = pressed ? Header.darker(125) : hover ? HeaderRaised : Header;
        return {base, base, base, TextOnDark};
    }
    case ButtonLook::WindowClose: {
        const QColor base = pressed ? DangerDark : hover ? Danger : Header;
        return {base, base, base, hover || pressed ? QColor(Qt::white) : TextOnDark};
    }
    case ButtonLook::Tab: {
        const QColor base = pressed ? Header.darker(115)
                            : hover ? HeaderRaised.lighter(115)
                                    : HeaderRaised;
        return {base, base, base, hover ? QColor(Qt::white) : TextOnDark};
    }
    case ButtonLook::TabSelected:
        return {AccentLight, Accent, Accent, Qt::white};
    case ButtonLook::RowIcon:
    case ButtonLook::RowDanger: {
        const QColor plate = pressed ? QColor(0xDD, 0xE3, 0xEC)
                             : hover ? QColor(0xEE, 0xF2, 0xF8)
                                     : background;
        QColor ink = look == ButtonLook::RowDanger && (hover || pressed) ? Danger : TextMuted;
        if (hover && look == ButtonLook::RowIcon)
            ink = Accent;
        return {plate, plate, plate, ink};
    }
    case ButtonLook::Toolbar: {
        const QColor plate = pressed ? QColor(0xD6, 0xE3, 0xFB) : hover ? Card : background;
        const QColor line = pressed ? AccentLight : hover ? CardLine : background;
        return {plate, plate, line, Text};
    }
    }
    return {background, background, background, Text};
}

qreal radiusFor(ButtonLook look, const QSize& size) {
    switch (look) {
    case ButtonLook::WindowControl:
    case ButtonLook::WindowClose:
        return 0;
    case ButtonLook::Toolbar:
        return 3;
    default:
        return qMin<qreal>(6, size.height() / 2.0);
    }
}

QPainterPath shapeFor(ButtonLook look, const QRectF& box, qreal radius) {
    QPainterPath path;
    if (look == ButtonLook::Tab || look == ButtonLook::TabSelected) {
        // Rounded at the top only, so the tab stands on the strip under it.
        path.moveTo(box.bottomLeft());
        path.lineTo(box.left(), box.top() + radius);
        path.quadTo(box.topLeft(), {box.left() + radius, box.top()});
        path.lineTo(box.right() - radius, box.top());
        path.quadTo(box.topRight(), {box.right(), box.top() + radius});
        path.lineTo(box.bottomRight());
        path.closeSubpath();
    } else {
        path.addRoundedRect(box, radius, radius);
    }
    return path;
}

} // namespace

QImage PaintButton(const ButtonDrawing& drawing, ButtonState state) {
    QImage image = OpaqueCanvas(drawing.size.width(), drawing.size.height(), drawing.background);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const Fill fill = fillFor(drawing.look, state, drawing.background);
    const QRectF box = QRectF(QPointF(0, 0), QSizeF(drawing.size)).adjusted(0.5, 0.5, -0.5, -0.5);
    const qreal radius = radiusFor(drawing.look, drawing.size);
    const bool raised = drawing.look == ButtonLook::Primary ||
                        drawing.look == ButtonLook::Success || drawing.look == ButtonLook::Neutral;

    if (raised && state != ButtonState::Pressed) {
        // A one-pixel drop under the button gives it a little lift.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(20, 30, 50, 28));
        p.drawPath(shapeFor(drawing.look, box.adjusted(0, 1, 0, 0), radius));
    }
    const QRectF body = raised ? box.adjusted(0, 0, 0, -1) : box;
    QLinearGradient gradient(body.topLeft(), body.bottomLeft());
    gradient.setColorAt(0, fill.top);
    gradient.setColorAt(1, fill.bottom);
    p.setBrush(gradient);
    p.setPen(fill.line == fill.bottom ? QPen(Qt::NoPen) : QPen(fill.line, 1));
    p.drawPath(shapeFor(drawing.look, body, radius));

    const QColor ink = drawing.iconColour.isValid() ? drawing.iconColour : fill.ink;
    const qreal shift = state == ButtonState::Pressed && raised ? 1 : 0;
    const QRectF content = body.translated(0, shift);
    const int fontSize = drawing.size.height() >= 40 ? 15 : drawing.size.height() >= 30 ? 13 : 11;
    const QFont font = UiFont(fontSize, true);
    const QColor shadow =
        fill.ink == QColor(Qt::white) ? QColor(0, 0, 0, 50) : QColor(Qt::transparent);

    if (drawing.caption.isEmpty() && drawing.icon) {
        const qreal side =
            qMin(content.width(), content.height()) * (drawing.size.height() <= 26 ? 0.62 : 0.5);
        drawing.icon(p, QRectF(content.center() - QPointF(side / 2, side / 2), QSizeF(side, side)),
                     ink);
    } else if (!drawing.caption.isEmpty()) {
        const qreal textWidth = QFontMetricsF(font).horizontalAdvance(drawing.caption);
        const qreal iconSide = drawing.icon ? fontSize + 1 : 0;
        const qreal gap = drawing.icon ? 7 : 0;
        const qreal total = textWidth + gap + iconSide;
        qreal x = content.center().x() - total / 2;
        const QRectF iconBox(0, content.center().y() - iconSide / 2, iconSide, iconSide);
        if (drawing.icon && !drawing.iconAfterCaption) {
            drawing.icon(p, iconBox.translated(x, 0), ink);
            x += iconSide + gap;
        }
        DrawCentredText(p, QRectF(x, content.top(), textWidth, content.height()), drawing.caption,
                        font, ink, shadow);
        if (drawing.icon && drawing.iconAfterCaption)
            drawing.icon(p, iconBox.translated(x + textWidth + gap, 0), ink);
    }
    p.end();
    return image;
}
