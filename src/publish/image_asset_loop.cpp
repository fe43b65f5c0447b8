#include "publish/image_asset_loop.h"

#include "site/text_utils.h"

#include <QFileInfo>

void ImageAssetLoop(const QString& text, const QString& workDir,
                    const std::function<void(const QString& imageName)>& action) {
    for (int n = 1; n <= ImageAssetLimit; ++n) {
        const QString name = QStringLiteral("tavo_img%1.jpg").arg(n);
        if (PosFrom(name, text, 2) == 0 || !QFileInfo::exists(workDir + name))
            return;
        action(name);
    }
}
