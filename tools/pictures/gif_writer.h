#pragma once

#include <QColor>
#include <QImage>
#include <QList>
#include <QString>

// Writes an animated, looping GIF with one transparent colour. Every frame is drawn over a
// known background (the matte), so each pixel is that background mixed with one ink colour:
// the palette is the 255 steps of that mix plus the transparent entry, and nothing is lost
// to colour quantisation.
struct GifAnimation {
    QList<QImage> frames; // premultiplied ARGB, all one size
    int delayCentiseconds = 8;
    QColor ink;
    QColor matte;
};

bool WriteAnimatedGif(const GifAnimation& animation, const QString& path);
