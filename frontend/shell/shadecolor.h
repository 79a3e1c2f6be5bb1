// Lighter, darker, paler or stronger variants of a system colour, as the flat
// menus and bars use them: the colour is taken to hue, lightness and
// saturation bytes, lightness and saturation move by a percentage towards
// 255 (positive) or towards 0 (negative), and the result goes back to RGB.
#pragma once

#include <QColor>

namespace kelvarin {

QColor ShadeColor(const QColor& colour, int lightnessPercent, int saturationPercent);

}  // namespace kelvarin
