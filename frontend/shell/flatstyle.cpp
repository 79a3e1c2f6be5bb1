#include "frontend/shell/flatstyle.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPointer>
#include <QStyleOption>
#include <QToolButton>

#include "frontend/res/toolbars.h"
#include "frontend/shell/ctoolbarxp.h"
#include "frontend/shell/menukit.h"
#include "frontend/shell/shadecolor.h"

namespace kelvarin {

namespace {

// Width of the icon column of a popup, where its labels start, and how far
// the shortcuts keep from the right edge.
constexpr int kIconColumn = 22;
constexpr int kLabelLeft = 30;
constexpr int kShortcutRightGap = 12;
// Image offsets: resting, lifted, and the shadow under a lifted image.
constexpr int kImageOffset = 3;
constexpr int kLiftedOffset = 2;
constexpr int kShadowOffset = 4;
// A menu's grey image is drawn 16 x 16 at most.
constexpr int kMonoImageSize = 16;
// Tool-bar buttons are their image and this much more each way.
constexpr int kButtonExtra = 7;
constexpr int kToolBarSeparatorWidth = 8;

QColor ButtonFace(const QPalette& palette) { return palette.color(QPalette::Button); }
QColor Highlight(const QPalette& palette) { return palette.color(QPalette::Highlight); }
QColor DarkShadow(const QPalette& palette) { return palette.color(QPalette::Shadow); }
QColor ButtonShadow(const QPalette& palette) { return palette.color(QPalette::Dark); }
QColor MenuText(const QPalette& palette) { return palette.color(QPalette::WindowText); }

// Draws pixel-exact (no antialiasing) until it goes, then puts the painter's
// state back.
class PixelPainting {
 public:
  explicit PixelPainting(QPainter* painter) : m_painter(painter) {
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
  }
  ~PixelPainting() { m_painter->restore(); }

 private:
  QPainter* m_painter;
};

// The edges of a rectangle as the drawing rules count them: right and bottom
// lie just outside it.
struct Edges {
  explicit Edges(const QRect& r)
      : left(r.left()), top(r.top()), right(r.left() + r.width()), bottom(r.top() + r.height()) {}
  int left, top, right, bottom;
};

// A rectangle given by its edges, right and bottom outside it: a 1-pixel
// outline in `pen`, filled with `brush` unless that is invalid.
void Rectangle(QPainter* painter, int left, int top, int right, int bottom, const QColor& pen,
               const QColor& brush) {
  if (right - left < 1 || bottom - top < 1) return;
  painter->setPen(QPen(pen, 0));
  painter->setBrush(brush.isValid() ? QBrush(brush) : QBrush(Qt::NoBrush));
  painter->drawRect(QRect(left, top, right - left - 1, bottom - top - 1));
}

// The box around a selected menu item or a hot menu-bar item.
void HighlightBox(QPainter* painter, int left, int top, int right, int bottom,
                  const QPalette& palette, bool grayed) {
  Rectangle(
      painter, left, top, right, bottom, Highlight(palette),
      grayed ? ShadeColor(ButtonFace(palette), 73, 0) : ShadeColor(Highlight(palette), 70, -57));
}

// A line from one point up to (not including) the other.
void Line(QPainter* painter, int x1, int y1, int x2, int y2, const QColor& colour) {
  painter->setPen(QPen(colour, 0));
  if (y1 == y2 && x2 != x1)
    painter->drawLine(x1, y1, x2 > x1 ? x2 - 1 : x2 + 1, y2);
  else if (x1 == x2 && y2 != y1)
    painter->drawLine(x1, y1, x2, y2 > y1 ? y2 - 1 : y2 + 1);
}

// The image in one colour wherever it is not transparent.
QPixmap Silhouette(const QPixmap& image, const QColor& colour) {
  QPixmap mono(image.size());
  mono.fill(Qt::transparent);
  QPainter painter(&mono);
  painter.drawPixmap(0, 0, image);
  painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
  painter.fillRect(mono.rect(), colour);
  return mono;
}

QColor Darkened(const QColor& under, int percent) {
  return QColor(under.red() * percent / 100, under.green() * percent / 100,
                under.blue() * percent / 100);
}

void DarkenPixels(QPainter* painter, const std::vector<ShadowPixel>& pixels, const QColor& under) {
  for (const ShadowPixel& pixel : pixels)
    painter->fillRect(pixel.x, pixel.y, 1, 1, Darkened(under, pixel.percent));
}

// The shadow margin of a popup as the screen showed it behind the popup,
// darkened along the band (`behind` is the popup's size).
void DarkenBackground(QPainter* painter, const QRect& panel, const QRect& full,
                      const QImage& behind) {
  const QRect right(panel.right() + 1, full.top(), kMenuShadow, full.height());
  const QRect bottom(full.left(), panel.bottom() + 1, panel.width(), kMenuShadow);
  for (const QRect& strip : {right, bottom}) painter->drawImage(strip, behind, strip);
  for (const ShadowPixel& pixel : MenuShadowPixels(full.width(), full.height()))
    painter->fillRect(pixel.x, pixel.y, 1, 1,
                      Darkened(behind.pixelColor(pixel.x, pixel.y), pixel.percent));
}

// Black at the opacity that leaves `percent` of what lies behind.
void ShadowPixels(QPainter* painter, const std::vector<ShadowPixel>& pixels) {
  for (const ShadowPixel& pixel : pixels)
    painter->fillRect(pixel.x, pixel.y, 1, 1, QColor(0, 0, 0, (100 - pixel.percent) * 255 / 100));
}

// The menu check mark, 7 x 7 pixels, centred in `box`.
void CheckMark(QPainter* painter, const QRect& box, const QColor& colour) {
  static const char* const kRows[] = {"......#", ".....##", "#...###", "##.###.",
                                      "#####..", ".###...", "..#...."};
  const int left = box.left() + (box.width() - 7) / 2;
  const int top = box.top() + (box.height() - 7) / 2;
  for (int y = 0; y < 7; ++y)
    for (int x = 0; x < 7; ++x)
      if (kRows[y][x] == '#') painter->fillRect(left + x, top + y, 1, 1, colour);
}

// The default item's label stands in bold.
QFont LabelFont(const QStyleOptionMenuItem& item) {
  QFont font = item.font;
  if (item.menuItemType == QStyleOptionMenuItem::DefaultItem) font.setWeight(QFont::Bold);
  return font;
}

int TextFlags(const QStyle* style, const QStyleOption* option, const QWidget* widget) {
  return Qt::TextSingleLine |
         (style->styleHint(QStyle::SH_UnderlineShortcut, option, widget) ? Qt::TextShowMnemonic
                                                                         : Qt::TextHideMnemonic);
}

const CToolBarXP* FlatBarOf(const QWidget* widget) {
  return widget ? qobject_cast<const CToolBarXP*>(widget->parentWidget()) : nullptr;
}

}  // namespace

FlatStyle::FlatStyle() : QProxyStyle() {}

FlatStyle* FlatStyle::Instance() {
  static QPointer<FlatStyle> instance;
  if (!instance) {
    instance = new FlatStyle;
    instance->setParent(qApp);
  }
  return instance;
}

int FlatStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                           const QWidget* widget) const {
  switch (metric) {
    case PM_MenuPanelWidth:
      return kMenuBorder;
    case PM_MenuHMargin:
    case PM_MenuVMargin:
    case PM_MenuBarPanelWidth:
    case PM_MenuBarItemSpacing:
    case PM_ToolBarItemSpacing:
    case PM_ToolBarItemMargin:
    case PM_ToolBarFrameWidth:
      return 0;
    case PM_ToolBarSeparatorExtent:
      return kToolBarSeparatorWidth;
    default:
      return QProxyStyle::pixelMetric(metric, option, widget);
  }
}

QSize FlatStyle::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                                  const QWidget* widget) const {
  if (type == CT_MenuItem && widget) {
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (item && item->menuItemType == QStyleOptionMenuItem::Separator)
      return QSize(size.width(), MenuSeparatorHeight(widget->fontMetrics()));
    // The menu adds the width of the widest shortcut itself, and measures
    // the label in the menu's font: a bold label needs the difference.
    const QFontMetrics metrics = widget->fontMetrics();
    int width = size.width() + kPopupItemExtraWidth + PlatformItemPadding(metrics);
    if (item && item->menuItemType == QStyleOptionMenuItem::DefaultItem) {
      const QString label = item->text.section('\t', 0, 0);
      const int flags = Qt::TextSingleLine | Qt::TextShowMnemonic;
      width += QFontMetrics(LabelFont(*item)).boundingRect(QRect(), flags, label).width() -
               QFontMetrics(item->font).boundingRect(QRect(), flags, label).width();
    }
    return QSize(width, MenuItemHeight(metrics));
  }
  if (type == CT_MenuBarItem && widget) {
    // The bar's own height; the width as measured.
    const QSize base = QProxyStyle::sizeFromContents(type, option, size, widget);
    return QSize(size.width() + kBarItemExtraWidth + PlatformItemPadding(widget->fontMetrics()),
                 base.height());
  }
  if (type == CT_ToolButton && FlatBarOf(widget)) {
    const auto* button = qstyleoption_cast<const QStyleOptionToolButton*>(option);
    if (button) return button->iconSize + QSize(kButtonExtra, kButtonExtra);
  }
  return QProxyStyle::sizeFromContents(type, option, size, widget);
}

void FlatStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                              QPainter* painter, const QWidget* widget) const {
  switch (element) {
    case PE_PanelMenu:
      DrawMenuPanel(option, painter, widget);
      return;
    case PE_FrameMenu:           // drawn with the panel
    case PE_FrameStatusBarItem:  // the status bar frames its panes itself
      return;
    case PE_IndicatorToolBarSeparator: {
      const QRect& r = option->rect;
      const QColor colour = ShadeColor(ButtonFace(option->palette), -15, 0);
      if (option->state & State_Horizontal) {
        const int x = (r.left() + r.right() + 1) / 2 - 1;
        Line(painter, x, r.top() + 2, x, r.bottom() + 1 - 2, colour);
      } else {
        const int y = (r.top() + r.bottom() + 1) / 2 - 1;
        Line(painter, r.left() + 2, y, r.right() + 1 - 2, y, colour);
      }
      return;
    }
    default:
      QProxyStyle::drawPrimitive(element, option, painter, widget);
  }
}

void FlatStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                            const QWidget* widget) const {
  switch (element) {
    case CE_MenuItem:
      DrawMenuItem(option, painter);
      return;
    case CE_MenuEmptyArea:  // the panel is filled already
      return;
    case CE_MenuBarItem:
      DrawMenuBarItem(option, painter, widget);
      return;
    case CE_MenuBarEmptyArea:
      painter->fillRect(option->rect, ButtonFace(option->palette));
      return;
    case CE_ToolBar:
      painter->fillRect(option->rect, ShadeColor(ButtonFace(option->palette), 20, 0));
      return;
    default:
      QProxyStyle::drawControl(element, option, painter, widget);
  }
}

void FlatStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                   QPainter* painter, const QWidget* widget) const {
  if (control == CC_ToolButton && FlatBarOf(widget)) {
    DrawToolButton(option, painter, widget);
    return;
  }
  QProxyStyle::drawComplexControl(control, option, painter, widget);
}

void FlatStyle::DrawMenuPanel(const QStyleOption* option, QPainter* painter,
                              const QWidget* menu) const {
  const PixelPainting pixels(painter);
  const QPalette& palette = option->palette;
  const bool shadow = HasMenuShadow(menu);
  const QRect full = option->rect;
  const QRect panel = shadow ? full.adjusted(0, 0, -kMenuShadow, -kMenuShadow) : full;
  const QColor textArea = ShadeColor(ButtonFace(palette), 75, 0);
  painter->fillRect(panel, textArea);
  auto [left, top, right, bottom] = Edges(panel);
  Rectangle(painter, left, top, right, bottom, DarkShadow(palette), QColor());
  for (int ring = 0; ring < 2; ++ring)
    Rectangle(painter, ++left, ++top, --right, --bottom, textArea, QColor());
  // A drop-down hanging from its bar item: the item's box opens into it.
  const QRect bar = MenuBarItemRect();
  if (menu && !bar.isEmpty()) {
    const QPoint origin = menu->mapToGlobal(QPoint(0, 0));
    if (bar.top() + bar.height() == origin.y() + 1)
      Line(painter, bar.left() + 1 - origin.x(), 0, bar.left() + bar.width() - 1 - origin.x(), 0,
           ShadeColor(ButtonFace(palette), 20, 0));
  }
  switch (MenuShadowOf(menu)) {
    case MenuShadow::kComposed:
      ShadowPixels(painter, MenuShadowPixels(full.width(), full.height()));
      break;
    case MenuShadow::kFromScreen: {
      QImage behind = MenuShadowBackground(menu);
      if (behind.isNull()) {  // not grabbed: as if the popup stood on a plain window
        behind = QImage(full.size(), QImage::Format_RGB32);
        behind.fill(palette.color(QPalette::Window));
      }
      DarkenBackground(painter, panel, full, behind);
      break;
    }
    case MenuShadow::kNone:
      break;
  }
}

void FlatStyle::DrawMenuItem(const QStyleOption* option, QPainter* painter) const {
  const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
  if (!item) return;
  const PixelPainting pixels(painter);
  const QPalette& palette = item->palette;
  const QColor face = ButtonFace(palette);
  const QRect& r = item->rect;
  const auto [left, top, right, bottom] = Edges(r);
  const bool separator = item->menuItemType == QStyleOptionMenuItem::Separator;
  const bool selected = !separator && (item->state & State_Selected);
  const bool grayed = !(item->state & State_Enabled);
  const bool ticked = item->checkType != QStyleOptionMenuItem::NotCheckable && item->checked;

  if (selected) {
    HighlightBox(painter, left, top, right, bottom, palette, grayed);
  } else {
    painter->fillRect(QRect(left, top, kIconColumn, r.height()), ShadeColor(face, 20, 0));
    painter->fillRect(QRect(left + kIconColumn, top, r.width() - kIconColumn, r.height()),
                      ShadeColor(face, 75, 0));
  }

  if (separator) {
    const int mid = (top + bottom) / 2;
    Line(painter, left + kLabelLeft, mid, right - 1, mid, ShadeColor(face, -18, 0));
    return;
  }

  const bool inactive = !(item->state & State_Active);
  const QColor text = inactive ? ButtonShadow(palette)
                      : grayed ? ShadeColor(face, -18, 0)
                               : MenuText(palette);
  const int flags = TextFlags(this, option, nullptr) | Qt::AlignVCenter;
  painter->setFont(LabelFont(*item));
  painter->setPen(text);
  const QString label = item->text.section('\t', 0, 0);
  const QString shortcut = item->text.section('\t', 1);
  if (!label.isEmpty())
    painter->drawText(QRect(left + kLabelLeft, top, right - left - kLabelLeft, r.height()),
                      flags | Qt::AlignLeft, label);
  if (!shortcut.isEmpty())
    painter->drawText(QRect(left, top, right - kShortcutRightGap - left, r.height()),
                      flags | Qt::AlignRight, shortcut);

  const QColor checkBackground = grayed     ? ShadeColor(face, 73, 0)
                                 : selected ? ShadeColor(Highlight(palette), 50, -50)
                                            : ShadeColor(Highlight(palette), 70, -57);
  if (ticked)
    Rectangle(painter, left + 1, top + 1, left + 20, bottom - 1, Highlight(palette),
              checkBackground);

  // An image the platform gave an item (the report window's own menu) is
  // brought down to the size of the images the tool bars lend.
  const QSize imageSize =
      item->icon.availableSizes()
          .value(0, QSize(kMonoImageSize, kMonoImageSize))
          .boundedTo(QSize(MenuImageBar().imageWidth, MenuImageBar().imageHeight));
  const QPixmap image = item->icon.isNull() ? QPixmap() : item->icon.pixmap(imageSize);
  if (!image.isNull()) {
    const bool raised = selected && !grayed;
    if (grayed || (selected && !ticked)) {
      const int offset = raised ? kShadowOffset : kImageOffset;
      const QColor mono =
          raised ? ShadeColor(Highlight(palette), 50, -66) : ShadeColor(face, -27, 0);
      painter->drawPixmap(left + offset, top + offset, Silhouette(image, mono), 0, 0,
                          kMonoImageSize, kMonoImageSize);
    }
    if (!grayed) {
      const int offset = selected && !ticked ? kLiftedOffset : kImageOffset;
      painter->drawPixmap(left + offset, top + offset, image);
    }
  } else if (ticked) {
    const QRect box(QPoint(left + 5, top), QPoint(left + 20 - 1, bottom - 1));
    const QColor mark = grayed ? ShadeColor(face, -27, 0) : MenuText(palette);
    if (item->checkType == QStyleOptionMenuItem::Exclusive) {
      const int cx = (box.left() + box.right() + 1) / 2, cy = (top + bottom) / 2;
      painter->setPen(QPen(mark, 0));
      painter->setBrush(mark);
      painter->drawEllipse(QRect(cx - 4, cy - 3, 6, 6));
      painter->fillRect(cx + 1, cy + 2, 1, 1, checkBackground);
    } else {
      CheckMark(painter, box, mark);
    }
  }

  if (item->menuItemType == QStyleOptionMenuItem::SubMenu) {
    // The arrow of a submenu, as the platform draws it.
    const int cx = right - 8, cy = (top + bottom) / 2;
    painter->setPen(Qt::NoPen);
    painter->setBrush(text);
    painter->drawPolygon(
        QPolygon{QPoint(cx - 2, cy - 4), QPoint(cx + 2, cy), QPoint(cx - 2, cy + 4)});
  }
}

void FlatStyle::DrawMenuBarItem(const QStyleOption* option, QPainter* painter,
                                const QWidget* bar) const {
  const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
  if (!item) return;
  const PixelPainting pixels(painter);
  const QPalette& palette = item->palette;
  const QColor face = ButtonFace(palette);
  const QRect& r = item->rect;
  const auto [left, top, right, bottom] = Edges(r);
  const bool open = (item->state & State_Selected) && (item->state & State_Sunken);
  const bool hot = (item->state & State_Selected) && !open;
  // The bar does not say whether its window is active; the window does. An
  // open menu takes the activation from it, but the window still counts.
  const bool inactive = bar && !bar->isActiveWindow() && !QApplication::activePopupWidget();
  const bool grayed = !(item->state & State_Enabled);

  if (open) {
    Rectangle(painter, left, top, right - 4, bottom, DarkShadow(palette), ShadeColor(face, 20, 0));
    painter->fillRect(QRect(right - 4, top, 4, r.height()), face);
    DarkenPixels(painter, BarItemShadowPixels(right, top, bottom - top), face);
    if (bar) {
      const QPoint origin = bar->mapToGlobal(QPoint(left, top));
      SetMenuBarItemRect(QRect(origin, QSize(r.width() - 4, r.height())));
    }
  } else if (!hot || inactive) {
    painter->fillRect(r, face);
  } else {
    HighlightBox(painter, left, top, right - 4, bottom, palette, grayed);
    painter->fillRect(QRect(right - 4, top, 4, r.height()), face);
  }

  painter->setPen(inactive ? ButtonShadow(palette)
                  : grayed ? ShadeColor(face, -18, 0)
                           : MenuText(palette));
  painter->setFont(item->font);
  painter->drawText(QRect(left, top, r.width() - 4, r.height()),
                    TextFlags(this, option, bar) | Qt::AlignCenter, item->text);
}

void FlatStyle::DrawToolButton(const QStyleOptionComplex* option, QPainter* painter,
                               const QWidget* button) const {
  const auto* tool = qstyleoption_cast<const QStyleOptionToolButton*>(option);
  if (!tool) return;
  const PixelPainting pixels(painter);
  const QPalette& palette = tool->palette;
  const QRect& r = tool->rect;
  const bool enabled = tool->state & State_Enabled;
  const bool hot = enabled && (tool->state & State_MouseOver);
  const bool pressedIn = tool->state & State_On;
  bool pressed = false;
  if (hot || pressedIn) {
    pressed = tool->state & State_Sunken;
    const QColor highlight = Highlight(palette);
    const QColor brush = pressed || (hot && pressedIn) ? ShadeColor(highlight, 50, -50)
                         : hot                         ? ShadeColor(highlight, 70, -57)
                                                       : ShadeColor(highlight, 80, -66);
    const Edges edges(r);
    Rectangle(painter, edges.left, edges.top, edges.right, edges.bottom, highlight, brush);
  }

  QPixmap image;
  const auto* toolButton = qobject_cast<const QToolButton*>(button);
  if (toolButton && toolButton->defaultAction())
    image = FlatBarOf(button)->CommandImage(toolButton->defaultAction()->data().toInt());
  if (image.isNull()) image = tool->icon.pixmap(tool->iconSize);
  if (!image.isNull()) {
    if (!enabled || (hot && !pressed)) {
      const QColor mono =
          hot ? ShadeColor(Highlight(palette), 50, -66) : ShadeColor(ButtonFace(palette), -27, 0);
      const int offset = hot ? kShadowOffset : kImageOffset;
      painter->drawPixmap(r.topLeft() + QPoint(offset, offset), Silhouette(image, mono));
    }
    if (enabled) {
      const int offset = hot && !pressed ? kLiftedOffset : kImageOffset;
      painter->drawPixmap(r.topLeft() + QPoint(offset, offset), image);
    }
  }
}

}  // namespace kelvarin
