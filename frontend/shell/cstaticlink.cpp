#include "frontend/shell/cstaticlink.h"

#include <QDesktopServices>
#include <QMouseEvent>
#include <QUrl>

#include "platform/longwork.h"
#include "platform/messagebox.h"

namespace kelvarin {

const QColor CStaticLink::kUnvisitedColor(0, 0, 255);
const QColor CStaticLink::kVisitedColor(128, 0, 128);

CStaticLink::CStaticLink(const QString& text, const QString& link, QWidget* parent)
    : QLabel(text, parent), m_link(link) {
  QFont underlined = font();
  underlined.setUnderline(true);
  setFont(underlined);
  setCursor(Qt::PointingHandCursor);
  SetColor(kUnvisitedColor);
}

void CStaticLink::SetColor(const QColor& color) {
  m_color = color;
  QPalette colours = palette();
  colours.setColor(QPalette::WindowText, color);
  setPalette(colours);
}

void CStaticLink::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QLabel::mousePressEvent(event);
  const QString address = m_link.isEmpty() ? text() : m_link;
  if (address.isEmpty()) return;
  bool opened = false;
  {
    const WaitCursor waiting;
    opened = QDesktopServices::openUrl(QUrl(address));
  }
  if (opened)
    SetColor(kVisitedColor);
  else
    Beep();
}

}  // namespace kelvarin
