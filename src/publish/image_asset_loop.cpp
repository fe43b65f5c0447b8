#include "publish/image_asset_loop.h"

#include "site/text_utils.h"

#include <QFileInfo>

namespace {

const QString DefaultPicture = QStringLiteral("img.jpg");

// "img.jpg" as a file name of its own, not the tail of a longer one such as "hero-img.jpg".
bool RefersToDefaultPicture(const QString& text) {
    for (qsizetype at = text.indexOf(DefaultPicture); at >= 0;
         at = text.indexOf(DefaultPicture, at + 1)) {
        const QChar before = at > 0 ? text.at(at - 1) : QChar();
        if (!before.isLetterOrNumber() && before != QLatin1Char('_') && before != QLatin1Char('-'))
            return true;
    }
    return false;
}

} // namespace

void ImageAssetLoop(const QString& text, const QString& workDir,
                    const std::function<void(const QString& imageName)>& action) {
    // Without it every page still showing the design's sample picture would be published
    // with a broken image.
    if (RefersToDefaultPicture(text) && QFileInfo::exists(workDir + DefaultPicture))
        action(DefaultPicture);
    for (int n = 1; n <= ImageAssetLimit; ++n) {
        const QString name = QStringLiteral("tavo_img%1.jpg").arg(n);
        if (PosFrom(name, text, 2) == 0 || !QFileInfo::exists(workDir + name))
            return;
        action(name);
    }
}
