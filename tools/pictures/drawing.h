#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <functional>

// Small drawing helpers shared by every picture of the installation.

// A transparent picture (premultiplied ARGB) of the given size.
QImage TransparentCanvas(int width, int height);
// An opaque picture filled with one colour.
QImage OpaqueCanvas(int width, int height, const QColor& background);
// The interface font at a pixel size.
QFont UiFont(int pixelSize, bool bold = false);
// Text centred in a rectangle, with an optional one-pixel shadow below it.
void DrawCentredText(QPainter& p, const QRectF& box, const QString& text, const QFont& font,
                     const QColor& colour, const QColor& shadow = Qt::transparent);
// A soft shadow under a rounded rectangle, drawn as stacked translucent outlines.
void DrawSoftShadow(QPainter& p, const QRectF& box, qreal radius, int spread, int strength);
// A white card with a thin line round it, lifted by a soft shadow.
void DrawCard(QPainter& p, const QRectF& box, qreal radius, int shadowSpread, int shadowStrength);

// Icons, drawn in a square box with a pen of the given colour.
using IconPainter = std::function<void(QPainter&, const QRectF&, const QColor&)>;
void IconMinimise(QPainter& p, const QRectF& box, const QColor& c);
void IconMaximise(QPainter& p, const QRectF& box, const QColor& c);
void IconClose(QPainter& p, const QRectF& box, const QColor& c);
void IconArrowRight(QPainter& p, const QRectF& box, const QColor& c);
void IconPlus(QPainter& p, const QRectF& box, const QColor& c);
void IconTick(QPainter& p, const QRectF& box, const QColor& c);
void IconPencil(QPainter& p, const QRectF& box, const QColor& c);
void IconRename(QPainter& p, const QRectF& box, const QColor& c);
void IconTrash(QPainter& p, const QRectF& box, const QColor& c);
void IconLock(QPainter& p, const QRectF& box, const QColor& c);
void IconHome(QPainter& p, const QRectF& box, const QColor& c);
void IconPage(QPainter& p, const QRectF& box, const QColor& c);
void IconExport(QPainter& p, const QRectF& box, const QColor& c);
void IconEye(QPainter& p, const QRectF& box, const QColor& c);
void IconLogo(QPainter& p, const QRectF& box, const QColor& c);
