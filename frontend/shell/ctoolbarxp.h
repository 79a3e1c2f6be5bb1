// A tool bar drawn flat: a light background, a highlight box around the hot
// or pressed-in button, the image lifted over its shadow while the mouse is
// over it, and a grey silhouette for a disabled button (FlatStyle). Its
// images also serve the menus (the menu kit).
#pragma once

#include <QPixmap>
#include <QToolBar>
#include <utility>
#include <vector>

namespace kelvarin {

struct ToolBarResource;
class CCommandTable;

class CToolBarXP : public QToolBar {
  Q_OBJECT

 public:
  explicit CToolBarXP(const QString& title, QWidget* parent = nullptr);

  // One button per command of the resource (the command table's action);
  // the buttons show the bar's own images, not the actions' icons.
  void LoadToolBar(const ToolBarResource& resource, CCommandTable& commands);
  // The image of the first button of a command; null when the bar has none.
  QPixmap CommandImage(int command) const;

 protected:
  void actionEvent(QActionEvent* event) override;

 private:
  std::vector<std::pair<int, QPixmap>> m_images;  // command and image, in button order
};

}  // namespace kelvarin
