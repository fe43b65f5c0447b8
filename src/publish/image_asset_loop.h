#pragma once

#include <QString>
#include <functional>

inline constexpr int ImageAssetLimit = 1000;

// Calls action for "tavo_img1.jpg", "tavo_img2.jpg", ... as long as each is referred to by
// text (after its first character) and exists in workDir; the first gap ends the scan.
void ImageAssetLoop(const QString& text, const QString& workDir,
                    const std::function<void(const QString& imageName)>& action);
