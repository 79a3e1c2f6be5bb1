#include "frontend/shell/shadecolor.h"

#include <algorithm>

namespace kelvarin {
namespace {

struct Hls {
  int h, l, s;  // each 0..255
};

// Hue, lightness and saturation as bytes, each the exact value truncated:
// worked out in whole numbers, so that a value that is a whole number is not
// lost to rounding (lightness 192 stays 192, not 191).
Hls RgbToHls(int r, int g, int b) {
  const int max = std::max({r, g, b});
  const int min = std::min({r, g, b});
  Hls hls{0, (max + min) * 255 / 510, 0};
  if (max == min) return hls;
  const int d = max - min;
  hls.s = max + min <= 255 ? d * 255 / (max + min) : d * 255 / (510 - max - min);
  // Hue in sixths of the circle times d: blue, then green, then red.
  int sixths;
  if (b == max)
    sixths = 4 * d + r - g;
  else if (g == max)
    sixths = 2 * d + b - r;
  else
    sixths = 6 * d + g - b;
  if (sixths > 6 * d) sixths -= 6 * d;  // above 360 degrees
  hls.h = sixths * 255 / (6 * d);
  return hls;
}

int Shift(int value, int percent) {
  if (percent > 0) return value + (255 - value) * percent / 100;
  if (percent < 0) return value * (100 + percent) / 100;
  return value;
}

double HueToRgb(double m1, double m2, double hue) {
  if (hue < 0) hue += 360;
  if (hue > 360) hue -= 360;
  if (hue < 60) return m1 + (m2 - m1) * hue / 60;
  if (hue < 180) return m2;
  if (hue < 240) return m1 + (m2 - m1) * (240 - hue) / 60;
  return m1;
}

QColor HlsToRgb(const Hls& hls) {
  if (hls.s == 0) return QColor(hls.l, hls.l, hls.l);
  const double l = hls.l / 255.0;
  const double s = hls.s / 255.0;
  const double m2 = l <= 0.5 ? l * (1 + s) : l + s - l * s;
  const double m1 = 2 * l - m2;
  const double hue = hls.h * 360.0 / 255;
  const auto channel = [&](double h) { return static_cast<int>(HueToRgb(m1, m2, h) * 255); };
  return QColor(channel(hue + 120), channel(hue), channel(hue - 120));
}

}  // namespace

QColor ShadeColor(const QColor& colour, int lightnessPercent, int saturationPercent) {
  Hls hls = RgbToHls(colour.red(), colour.green(), colour.blue());
  hls.l = Shift(hls.l, lightnessPercent);
  hls.s = Shift(hls.s, saturationPercent);
  return HlsToRgb(hls);
}

}  // namespace kelvarin
