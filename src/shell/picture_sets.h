#pragma once

#include <QPixmap>
#include <QString>
#include <array>

inline constexpr int PictureSetCount = 25;

// The three pictures of every button set n = 1 ... 25 (index 0 unused), held without alpha.
// Buttons show these shared pictures, never copies.
struct PictureSets {
    std::array<QPixmap, PictureSetCount + 1> NormalPictures;
    std::array<QPixmap, PictureSetCount + 1> HoverPictures;
    std::array<QPixmap, PictureSetCount + 1> PressedPictures;
};

// Loads n "a.png", n "b.png", n "c.png" for n = 1 ... 25 from the data folder. Stops at the
// first file that is missing or unreadable, leaving that set and the later ones empty, and
// returns false then.
bool LoadPictureSets(PictureSets& sets, const QString& appDataDir);
