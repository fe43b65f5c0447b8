#include "shell/splash_fade.h"

#include <algorithm>

int NextSplashOpacity(int opacity) {
    return std::min(255, opacity + (255 - opacity) / 32 + 1);
}

QList<int> SplashOpacitySequence() {
    QList<int> steps;
    for (int opacity = 0; opacity < 255;) {
        opacity = NextSplashOpacity(opacity);
        steps << opacity;
    }
    return steps;
}
