#include "frontend/shell/menukit.h"

#include <QAction>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QIcon>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <algorithm>

#include "frontend/shell/ctoolbarxp.h"
#include "frontend/shell/flatstyle.h"
#include "platform/compositor.h"

namespace kelvarin {

namespace {

const char* const kKitWindowProperty = "kelvarinMenuKitWindow";
const char* const kOwnerDrawnProperty = "kelvarinOwnerDrawn";
const char* const kShadowProperty = "kelvarinMenuShadow";
const char* const kBackgroundProperty = "kelvarinMenuBackground";

// Takes what the screen shows where a popup with a shadow drawn from the
// screen is about to appear; the shadow darkens it.
void GrabScreenBehind(QWidget* menu) {
  QScreen* screen = menu->screen();
  const QRect area(menu->pos(), menu->size());
  QImage behind;
  if (screen) {
    const QPoint offset = area.topLeft() - screen->geometry().topLeft();
    behind = screen->grabWindow(0, offset.x(), offset.y(), area.width(), area.height()).toImage();
  }
  if (!behind.isNull() && behind.devicePixelRatio() != 1.0) behind = behind.scaled(area.size());
  if (behind.size() != area.size()) behind = QImage();  // off the screen
  menu->setProperty(kBackgroundProperty, behind);
}

// Moves each popup up by one pixel, so that the top row of a drop-down lies
// over the bottom edge of its menu-bar item and the joining line can open
// the item's box into the menu, runs typed mnemonics by the kit's rule, and
// repaints the menu bar when its window is activated or deactivated.
class MenuWindowFilter : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    // The bar's items are drawn grey while its window is inactive.
    if (event->type() == QEvent::WindowActivate || event->type() == QEvent::WindowDeactivate) {
      if (auto* bar = qobject_cast<QMenuBar*>(watched)) bar->update();
      return false;
    }
    auto* menu = qobject_cast<QMenu*>(watched);
    if (!menu || !IsOwnerDrawnMenu(menu)) return false;
    // Show comes before the window is mapped, so the move is never seen and
    // the screen still shows what lies behind the popup.
    if (event->type() == QEvent::Show) {
      menu->move(menu->pos() - QPoint(0, 1));
      if (MenuShadowOf(menu) == MenuShadow::kFromScreen) GrabScreenBehind(menu);
    }
    if (event->type() == QEvent::Hide) menu->setProperty(kBackgroundProperty, QVariant());
    if (event->type() == QEvent::KeyPress) {
      auto* key = static_cast<QKeyEvent*>(event);
      if (key->key() == Qt::Key_Right && EnterHoverOpenedSubmenu(menu)) return true;
      return RunMnemonic(menu, key);
    }
    return false;
  }

 private:
  // A submenu opened under the mouse has no selected item, and the menu
  // passes Right on to the menu bar, which would open the next menu there:
  // Right goes into the submenu instead, to its first item that can be
  // chosen, so that Return then runs an item of this submenu.
  static bool EnterHoverOpenedSubmenu(QMenu* menu) {
    if (menu->activeAction()) return false;
    const QList<QObject*> openers = menu->menuAction()->associatedObjects();
    const bool opened = std::any_of(openers.begin(), openers.end(), [menu](QObject* object) {
      const auto* parent = qobject_cast<QMenu*>(object);
      return parent && parent->isVisible() && parent->activeAction() == menu->menuAction();
    });
    if (!opened) return false;
    for (QAction* action : menu->actions()) {
      if (action->isVisible() && !action->isSeparator() && action->isEnabled()) {
        menu->setActiveAction(action);
        break;
      }
    }
    return true;
  }

  static bool RunMnemonic(QMenu* menu, QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers =
        event->modifiers() & ~(Qt::ShiftModifier | Qt::AltModifier | Qt::KeypadModifier);
    if (modifiers != Qt::NoModifier || event->text().size() != 1 || !event->text()[0].isPrint())
      return false;
    QList<QAction*> items;
    QStringList labels;
    for (QAction* action : menu->actions()) {
      if (!action->isVisible()) continue;
      items.append(action);
      labels.append(action->isSeparator() ? QString() : action->text().section('\t', 0, 0));
    }
    const int index = FindMenuMnemonic(labels, event->text()[0]);
    if (index < 0) return false;
    QAction* action = items[index];
    if (!action->isEnabled()) return true;
    // Run it as Return would: a command runs and the menu closes, a submenu
    // opens.
    menu->setActiveAction(action);
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(menu, &enter);
    return true;
  }
};

struct Kit {
  int useCount = 0;
  MenuWindowFilter* filter = nullptr;
  QList<QPointer<QWidget>> prepared;  // menus and menu bars the kit draws
};

Kit& TheKit() {
  static Kit kit;
  return kit;
}

QRect& BarItemRect() {
  static QRect rect;
  return rect;
}

std::optional<MenuShadow>& ShadowOverride() {
  static std::optional<MenuShadow> kind;
  return kind;
}

// The bars whose images the menus of `window` show, in the frame's order:
// the window's own, else those of the frame it lies in.
QList<CToolBarXP*> ImageBars(QWidget* window) {
  QList<CToolBarXP*> bars = window->findChildren<CToolBarXP*>(Qt::FindDirectChildrenOnly);
  if (bars.isEmpty() && window->window() != window)
    bars = window->window()->findChildren<CToolBarXP*>(Qt::FindDirectChildrenOnly);
  return bars;
}

void Prepare(QWidget* widget) {
  if (IsOwnerDrawnMenu(widget)) return;
  widget->setProperty(kOwnerDrawnProperty, true);
  widget->setStyle(FlatStyle::Instance());
  widget->installEventFilter(TheKit().filter);
  TheKit().prepared.append(widget);
}

// A translucent window can only be asked for before the menu's window first
// exists: menus reached from a kit frame's bar get their shadow when the bar
// is prepared, before they are first opened. A shadow drawn from the screen
// needs only the margin.
void PrepareShadow(QMenu* menu) {
  if (!HasMenuShadow(menu)) {
    MenuShadow kind = MenuShadowKind();
    if (kind == MenuShadow::kComposed && menu->testAttribute(Qt::WA_WState_Created))
      kind = MenuShadow::kNone;
    if (kind == MenuShadow::kNone) return;
    if (kind == MenuShadow::kComposed) menu->setAttribute(Qt::WA_TranslucentBackground);
    menu->setProperty(kShadowProperty, static_cast<int>(kind));
  }
  menu->setContentsMargins(0, 0, kMenuShadow, kMenuShadow);
}

// The menu or bar goes back to the platform's drawing.
void Unprepare(QWidget* widget) {
  widget->removeEventFilter(TheKit().filter);
  widget->setProperty(kOwnerDrawnProperty, QVariant());
  widget->setProperty(kBackgroundProperty, QVariant());
  widget->setStyle(nullptr);
  if (HasMenuShadow(widget)) widget->setContentsMargins(0, 0, 0, 0);
}

void PrepareShadows(const QList<QAction*>& actions) {
  for (QAction* action : actions) {
    if (QMenu* popup = action->menu()) {
      PrepareShadow(popup);
      PrepareShadows(popup->actions());
    }
  }
}

// Band along the right edge, 4 pixels wide, darkest on its inside.
void AppendRightBand(std::vector<ShadowPixel>& pixels, int right, int top, int height) {
  for (int d = 0; d < kMenuShadow; ++d)
    for (int q = std::max(2 - d, 0); q < height - d - (d == 0 ? 2 : 1); ++q) {
      const int k = q == 0 ? 0 : q == 1 ? (d > 1 ? 1 : 0) : q == 2 ? std::min(d, 2) : d;
      pixels.push_back({right - 1 - d, top + 4 + q, 93 - 5 * k});
    }
}

}  // namespace

void InstallMenuHook() {
  Kit& kit = TheKit();
  if (kit.useCount++ == 0) kit.filter = new MenuWindowFilter;
}

void RemoveMenuHook() {
  Kit& kit = TheKit();
  if (kit.useCount == 0 || --kit.useCount != 0) return;
  for (const QPointer<QWidget>& widget : kit.prepared)
    if (widget) Unprepare(widget);
  kit.prepared.clear();
  delete kit.filter;
  kit.filter = nullptr;
}

bool IsMenuHookInstalled() { return TheKit().useCount > 0; }

void SetMenuKitWindow(QWidget* window, bool on) {
  window->setProperty(kKitWindowProperty, on ? QVariant(true) : QVariant());
}

bool IsMenuKitWindow(const QWidget* window) {
  return window && window->property(kKitWindowProperty).toBool();
}

bool IsOwnerDrawnMenu(const QWidget* menu) {
  return menu && menu->property(kOwnerDrawnProperty).toBool();
}

void UpdateMenu(QWidget* window, QMenu* menu, bool enabled) {
  if (!enabled || !IsMenuHookInstalled()) return;
  PrepareShadow(menu);
  Prepare(menu);
  const QList<CToolBarXP*> bars = ImageBars(window);
  for (QAction* action : menu->actions()) {
    if (action->isSeparator() || action->menu() || !action->icon().isNull()) continue;
    const int command = action->data().toInt();
    for (const CToolBarXP* bar : bars) {
      const QPixmap image = bar->CommandImage(command);
      if (image.isNull()) continue;
      action->setIcon(QIcon(image));
      break;
    }
  }
}

void ReleaseMenu(QMenu* menu) {
  if (!IsOwnerDrawnMenu(menu)) return;
  Unprepare(menu);
  TheKit().prepared.removeAll(menu);
}

void UpdateMenuBar(QMainWindow* window) {
  if (!IsMenuKitWindow(window) || !IsMenuHookInstalled()) return;
  Prepare(window->menuBar());
  PrepareShadows(window->menuBar()->actions());
}

int MenuItemHeight(const QFontMetrics& metrics) {
  const int height = metrics.height();
  return (height > 16 ? height + 2 : 16) + 4;
}

int MenuSeparatorHeight(const QFontMetrics& metrics) { return metrics.height() / 2 + 2; }

int PlatformItemPadding(const QFontMetrics& metrics) { return 2 * metrics.averageCharWidth(); }

int FindMenuMnemonic(const QStringList& labels, QChar key) {
  const QChar wanted = key.toUpper();
  for (int i = 0; i < labels.size(); ++i) {
    const QString label = labels[i].toUpper();
    for (qsizetype k = label.size() - 2; k >= 0; --k) {
      if (label[k] == '&' && label[k + 1] == wanted && (k == 0 || label[k - 1] != '&')) return i;
    }
  }
  return -1;
}

std::vector<ShadowPixel> MenuShadowPixels(int width, int height) {
  std::vector<ShadowPixel> pixels;
  const int w = width;
  const int h = height;
  for (int p = 0; p <= w - 2; ++p) {
    const int dmin = p <= 1 ? 2 - p : p > w - 7 ? p - (w - 7) : 0;
    const int dmax = p <= w - 8 ? kMenuShadow : w - p - 4;
    for (int d = dmin; d < dmax; ++d) {
      const int k = p == 0 ? 0 : p == 1 ? (d > 1 ? 1 : 0) : p == 2 ? std::min(d, 2) : d;
      pixels.push_back({4 + p, h - 1 - d, 93 - 5 * k});
    }
  }
  AppendRightBand(pixels, w, 0, h - 4);
  return pixels;
}

std::vector<ShadowPixel> BarItemShadowPixels(int right, int top, int height) {
  std::vector<ShadowPixel> pixels;
  AppendRightBand(pixels, right, top, height);
  return pixels;
}

MenuShadow MenuShadowKind() {
  if (ShadowOverride()) return *ShadowOverride();
  if (WindowSystemComposesWindows()) return MenuShadow::kComposed;
  return WindowSystemScreenCanBeGrabbed() ? MenuShadow::kFromScreen : MenuShadow::kNone;
}

void SetMenuShadowOverride(std::optional<MenuShadow> kind) { ShadowOverride() = kind; }

MenuShadow MenuShadowOf(const QWidget* menu) {
  return menu ? static_cast<MenuShadow>(menu->property(kShadowProperty).toInt())
              : MenuShadow::kNone;
}

bool HasMenuShadow(const QWidget* menu) { return MenuShadowOf(menu) != MenuShadow::kNone; }

QImage MenuShadowBackground(const QWidget* menu) {
  return menu ? menu->property(kBackgroundProperty).value<QImage>() : QImage();
}

QRect MenuBarItemRect() { return BarItemRect(); }

void SetMenuBarItemRect(const QRect& rect) { BarItemRect() = rect; }

}  // namespace kelvarin
