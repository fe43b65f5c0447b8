#include "shell/pixel_operations.h"

#include <array>

namespace {

// i * j div 255 for every pair of bytes.
const std::array<quint8, 256 * 256>& productTable() {
    static const std::array<quint8, 256 * 256> table = [] {
        std::array<quint8, 256 * 256> t{};
        for (int i = 0; i < 256; ++i)
            for (int j = 0; j < 256; ++j)
                t[size_t(i * 256 + j)] = quint8(i * j / 255);
        return t;
    }();
    return table;
}

} // namespace

QImage PremultiplyAlpha(const QImage& picture) {
    if (picture.depth() != 32 || !picture.hasAlphaChannel())
        return {};
    QImage out = picture.convertToFormat(QImage::Format_ARGB32);
    const auto& table = productTable();
    for (int y = 0; y < out.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const int a = qAlpha(line[x]) * 256;
            line[x] = qRgba(table[size_t(a + qRed(line[x]))], table[size_t(a + qGreen(line[x]))],
                            table[size_t(a + qBlue(line[x]))], qAlpha(line[x]));
        }
    }
    // The bytes are premultiplied now; say so without converting them again.
    out.reinterpretAsFormat(QImage::Format_ARGB32_Premultiplied);
    return out;
}

QImage HalveChannels(const QImage& picture) {
    QImage out = picture.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < out.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            line[x] = 0xFF000000u | ((line[x] >> 1) & 0x007F7F7Fu);
    }
    return out;
}
