#pragma once

#include <QImage>

// Per-pixel alpha pictures are shown premultiplied: blue, green and red become
// value * alpha div 255 (alpha unchanged). The result is in Format_ARGB32_Premultiplied.
// Fails (returns a null picture) unless the picture has 32 bits per pixel with alpha.
QImage PremultiplyAlpha(const QImage& picture);

// The overlay's backdrop: every colour channel of every pixel halved (c shr 1), as a 24-bit
// picture.
QImage HalveChannels(const QImage& picture);
