#include "platform/dialogunits.h"

#include <QFontMetrics>
#include <QWidget>

namespace kelvarin {

QRect DialogRect(const QWidget* widget, int x, int y, int width, int height) {
  const QFontMetrics metrics(widget->font());
  const QString alphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
  const int baseX = (metrics.horizontalAdvance(alphabet) / 26 + 1) / 2;
  const int baseY = metrics.height();
  auto across = [baseX](int units) { return units * baseX / 4; };
  auto down = [baseY](int units) { return units * baseY / 8; };
  return QRect(across(x), down(y), across(width), down(height));
}

}  // namespace kelvarin
