#include "gif_writer.h"

#include <QFile>
#include <array>
#include <vector>

namespace {

constexpr int TransparentIndex = 0;
constexpr int MaxCodes = 4096;

void putShort(QByteArray& out, int v) {
    out.append(char(v & 0xFF));
    out.append(char((v >> 8) & 0xFF));
}

// Packs variable-width codes least significant bit first, as GIF wants.
class CodeWriter {
public:
    void put(int code, int width) {
        bits_ |= quint32(code) << count_;
        count_ += width;
        while (count_ >= 8) {
            bytes_.append(char(bits_ & 0xFF));
            bits_ >>= 8;
            count_ -= 8;
        }
    }
    QByteArray finish() {
        if (count_ > 0)
            bytes_.append(char(bits_ & 0xFF));
        return bytes_;
    }

private:
    QByteArray bytes_;
    quint32 bits_ = 0;
    int count_ = 0;
};

QByteArray compressLzw(const std::vector<quint8>& pixels) {
    constexpr int minCodeSize = 8;
    constexpr int clearCode = 1 << minCodeSize;
    constexpr int endCode = clearCode + 1;
    std::vector<int> table(MaxCodes * 256, -1); // (prefix code, next byte) -> code
    CodeWriter writer;
    int width = minCodeSize + 1;
    int next = endCode + 1;
    auto reset = [&] {
        std::fill(table.begin(), table.end(), -1);
        width = minCodeSize + 1;
        next = endCode + 1;
    };
    writer.put(clearCode, width);
    int prefix = pixels.empty() ? 0 : pixels[0];
    for (size_t i = 1; i < pixels.size(); ++i) {
        const int key = prefix * 256 + pixels[i];
        if (table[key] >= 0) {
            prefix = table[key];
            continue;
        }
        writer.put(prefix, width);
        table[key] = next++;
        // The reader adds its entries one code later than we do, hence next - 1.
        if (next - 1 == (1 << width) && width < 12)
            ++width;
        if (next == MaxCodes) {
            writer.put(clearCode, width);
            reset();
        }
        prefix = pixels[i];
    }
    if (!pixels.empty())
        writer.put(prefix, width);
    writer.put(endCode, width);
    return writer.finish();
}

void putSubBlocks(QByteArray& out, const QByteArray& data) {
    for (qsizetype at = 0; at < data.size(); at += 255) {
        const qsizetype n = std::min<qsizetype>(255, data.size() - at);
        out.append(char(n));
        out.append(data.mid(at, n));
    }
    out.append(char(0));
}

QRgb mix(const QColor& from, const QColor& to, int step) {
    auto channel = [&](int a, int b) { return (a * (254 - step) + b * step) / 254; };
    return qRgb(channel(from.red(), to.red()), channel(from.green(), to.green()),
                channel(from.blue(), to.blue()));
}

// Index 0 is transparent; 1 + s (s = 0 ... 254) is the matte mixed s/254 of the way to ink.
std::vector<quint8> indexFrame(const QImage& frame) {
    const QImage argb = frame.convertToFormat(QImage::Format_ARGB32);
    std::vector<quint8> out;
    out.reserve(size_t(argb.width()) * size_t(argb.height()));
    for (int y = 0; y < argb.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            const int alpha = qAlpha(line[x]);
            out.push_back(alpha < 16 ? TransparentIndex : quint8(1 + alpha * 254 / 255));
        }
    }
    return out;
}

} // namespace

bool WriteAnimatedGif(const GifAnimation& animation, const QString& path) {
    if (animation.frames.isEmpty())
        return false;
    const QSize size = animation.frames.first().size();
    QByteArray out("GIF89a");
    putShort(out, size.width());
    putShort(out, size.height());
    out.append(char(0xF7)); // global colour table of 256 entries
    out.append(char(TransparentIndex));
    out.append(char(0));
    for (int i = 0; i < 256; ++i) {
        const QRgb c = i == TransparentIndex
                           ? animation.matte.rgb()
                           : mix(animation.matte, animation.ink, qMin(i - 1, 254));
        out.append(char(qRed(c)));
        out.append(char(qGreen(c)));
        out.append(char(qBlue(c)));
    }
    out.append(QByteArray("\x21\xFF\x0BNETSCAPE2.0\x03\x01\x00\x00\x00", 19)); // loop forever
    for (const QImage& frame : animation.frames) {
        out.append(QByteArray("\x21\xF9\x04", 3));
        out.append(char((2 << 2) | 1)); // restore to background, transparent colour present
        putShort(out, animation.delayCentiseconds);
        out.append(char(TransparentIndex));
        out.append(char(0));
        out.append(char(0x2C));
        putShort(out, 0);
        putShort(out, 0);
        putShort(out, size.width());
        putShort(out, size.height());
        out.append(char(0));
        out.append(char(8));
        putSubBlocks(out, compressLzw(indexFrame(frame)));
    }
    out.append(char(0x3B));
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(out) == out.size();
}
