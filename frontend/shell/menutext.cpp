#include "frontend/shell/menutext.h"

namespace kelvarin {

QString NumberedMenuText(int index, const QString& text) {
  QString escaped = text;
  escaped.replace(QLatin1Char('&'), QLatin1String("&&"));
  const QString number = index < 9    ? QStringLiteral("&%1").arg(index + 1)
                         : index == 9 ? QStringLiteral("1&0")
                                      : QString::number(index + 1);
  return number + QLatin1Char(' ') + escaped;
}

}  // namespace kelvarin
