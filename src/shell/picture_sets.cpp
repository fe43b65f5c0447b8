#include "shell/picture_sets.h"

#include <QImage>

namespace {

bool loadOpaque(QPixmap& into, const QString& path) {
    const QImage picture(path);
    if (picture.isNull())
        return false;
    into = QPixmap::fromImage(picture.convertToFormat(QImage::Format_RGB32));
    return true;
}

} // namespace

bool LoadPictureSets(PictureSets& sets, const QString& appDataDir) {
    for (int n = 1; n <= PictureSetCount; ++n) {
        const QString stem = appDataDir + QString::number(n);
        if (!loadOpaque(sets.NormalPictures[n], stem + QStringLiteral("a.png")) ||
            !loadOpaque(sets.HoverPictures[n], stem + QStringLiteral("b.png")) ||
            !loadOpaque(sets.PressedPictures[n], stem + QStringLiteral("c.png")))
            return false;
    }
    return true;
}
