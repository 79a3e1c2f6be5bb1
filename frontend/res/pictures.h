// The front-end's icons and bitmaps, drawn in code in the colours and
// shapes of the tool-bar buttons, so that they look the same on every
// desktop and at every size.
#pragma once

#include <QPixmap>
#include <QSize>

namespace kelvarin {

// Icon `id` (frontend/res/imageids.h) at `size` x `size` pixels on a
// transparent background; at 16 pixels the drawing is simplified so that it
// stays legible. An unknown id gives an empty pixmap.
QPixmap IconPicture(int id, int size, qreal devicePixelRatio = 1.0);

// Bitmap `id` drawn as large as fits `size` with its own proportions, at the
// top of a transparent pixmap of that size; an unknown id gives an empty
// pixmap.
QPixmap BitmapPicture(int id, QSize size, qreal devicePixelRatio = 1.0);

}  // namespace kelvarin
