#include "platform/programicon.h"

#include <QPainter>
#include <QPixmap>

namespace kelvarin {

// Drawn in code: a dark blue square with a light ribbon, at three sizes.
QIcon ProgramIcon() {
  QIcon icon;
  for (int size : {16, 32, 64}) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(0x1f, 0x3a, 0x68));
    painter.setPen(Qt::NoPen);
    painter.drawRoundedRect(QRectF(0, 0, size, size), size / 6.0, size / 6.0);
    QPen ribbon(QColor(0xf2, 0xc1, 0xd1), size / 8.0, Qt::SolidLine, Qt::RoundCap);
    painter.setPen(ribbon);
    painter.drawLine(QPointF(size * 0.3, size * 0.8), QPointF(size * 0.55, size * 0.25));
    painter.drawLine(QPointF(size * 0.7, size * 0.8), QPointF(size * 0.45, size * 0.25));
    icon.addPixmap(pixmap);
  }
  return icon;
}

}  // namespace kelvarin
