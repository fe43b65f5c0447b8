// Draws every installation picture of the window into the given data folder.
#include "picture_writer.h"

#include <QGuiApplication>
#include <cstdio>

void PictureWriter::save(const QString& name, const QImage& image) {
    // Opaque pictures are written as 24-bit PNGs, the others with their alpha channel.
    const QImage out = image.hasAlphaChannel() ? image.convertToFormat(QImage::Format_ARGB32)
                                               : image.convertToFormat(QImage::Format_RGB888);
    if (!out.save(path(name), "PNG", 0))
        failed(name);
}

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: tavo-make-pictures DATA-FOLDER\n");
        return 2;
    }
    PictureWriter out(QString::fromLocal8Bit(argv[1]));
    WriteButtonSets(out);
    WriteWindowPictures(out);
    WritePageListPictures(out);
    WriteRegionOverlayPictures(out);
    WriteAnimations(out);
    for (const QString& name : out.failures())
        std::fprintf(stderr, "could not write %s\n", qPrintable(out.path(name)));
    return out.failures().isEmpty() ? 0 : 1;
}
