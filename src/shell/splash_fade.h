#pragma once

#include <QList>

// The splash fades in from transparent: each step closes 1/32 of the remaining distance to
// full opacity, and at least one level, so the fade always ends at exactly 255.
int NextSplashOpacity(int opacity);

// Every opacity the fade shows, in order: 8, 16, 24, 32, 39, ... 254, 255 (85 steps).
QList<int> SplashOpacitySequence();
