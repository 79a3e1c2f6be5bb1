// The flat look of the front-end's menus, menu bar, tool bar and status bar,
// over the platform's own style for everything else. It is set on the widgets
// it draws (the menu kit's menus and bar, CToolBarXP and its buttons,
// CStatusBarXP), never on the whole application.
#pragma once

#include <QProxyStyle>

namespace kelvarin {

class FlatStyle : public QProxyStyle {
  Q_OBJECT

 public:
  // The one instance, owned by the application object.
  static FlatStyle* Instance();

  int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr) const override;
  QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                         const QWidget* widget) const override;
  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget = nullptr) const override;
  void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                          QPainter* painter, const QWidget* widget = nullptr) const override;

 private:
  FlatStyle();

  void DrawMenuPanel(const QStyleOption* option, QPainter* painter, const QWidget* menu) const;
  void DrawMenuItem(const QStyleOption* option, QPainter* painter) const;
  void DrawMenuBarItem(const QStyleOption* option, QPainter* painter, const QWidget* bar) const;
  void DrawToolButton(const QStyleOptionComplex* option, QPainter* painter,
                      const QWidget* button) const;
};

}  // namespace kelvarin
