#pragma once

#include <QString>
#include <functional>

inline constexpr int ImageAssetLimit = 1000;

// Calls action for the pictures a published copy of the site needs besides its pages: the
// default picture "img.jpg" that new pages show, when text refers to it and it exists in
// workDir; then "tavo_img1.jpg", "tavo_img2.jpg", ... as long as each is referred to by text
// (after its first character) and exists in workDir; the first gap ends the scan.
void ImageAssetLoop(const QString& text, const QString& workDir,
                    const std::function<void(const QString& imageName)>& action);
