#include "frontend/shell/ctoolbarxp.h"

#include <QAction>
#include <QActionEvent>

#include "frontend/res/toolbars.h"
#include "frontend/shell/ccommandtable.h"
#include "frontend/shell/flatstyle.h"
#include "frontend/shell/toolbarimages.h"

namespace kelvarin {

namespace {
// Left, top, right and bottom borders around the buttons.
constexpr QMargins kBorders(1, 3, 6, 4);
}  // namespace

CToolBarXP::CToolBarXP(const QString& title, QWidget* parent) : QToolBar(title, parent) {
  setStyle(FlatStyle::Instance());
  setContentsMargins(kBorders);
}

void CToolBarXP::LoadToolBar(const ToolBarResource& resource, CCommandTable& commands) {
  setObjectName(QStringLiteral("toolbar%1").arg(resource.resourceId));
  const QSize imageSize(resource.imageWidth, resource.imageHeight);
  setIconSize(imageSize);
  for (int i = 0; i < resource.count; ++i) {
    const int id = resource.commands[i];
    if (id == 0) {
      addSeparator();
      continue;
    }
    m_images.emplace_back(id, ToolBarImage(id, imageSize));
    addAction(commands.Action(id));
  }
}

QPixmap CToolBarXP::CommandImage(int command) const {
  for (const auto& [id, image] : m_images)
    if (id == command) return image;
  return QPixmap();
}

void CToolBarXP::actionEvent(QActionEvent* event) {
  QToolBar::actionEvent(event);
  // The buttons and separators the bar makes draw in the bar's style.
  if (event->type() != QEvent::ActionAdded) return;
  if (QWidget* button = widgetForAction(event->action())) button->setStyle(style());
}

}  // namespace kelvarin
