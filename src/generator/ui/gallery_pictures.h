#pragma once

#include <QPixmap>

// The gallery's own small pictures, drawn in the window's colours: the 50 x 50 green tick
// of the hover and the selection, and the back arrow of the preview bar.
QPixmap GalleryTickPicture();
QPixmap PreviewBackArrowPicture();
