#include "platform/longwork.h"

#include <QApplication>
#include <QWidget>

namespace kelvarin {

void PaintBeforeLongWork(QWidget* widget) {
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  if (widget != nullptr) widget->window()->repaint();
}

WaitCursor::WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }

WaitCursor::~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }

}  // namespace kelvarin
