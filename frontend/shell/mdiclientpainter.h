// The MDI workspace: filled with the workspace colour, with the program's
// name in large embossed letters at the lower right.
#pragma once

#include <QFont>
#include <QMdiArea>
#include <QRect>
#include <QSize>
#include <array>

namespace kelvarin {

class MDIClientPainter : public QMdiArea {
  Q_OBJECT

 public:
  explicit MDIClientPainter(QWidget* parent = nullptr);

  const QFont& NameFont() const { return m_font; }
  const QString& NameText() const { return m_text; }

  // The three rectangles the name is centred in (black, white, button face)
  // for a client rectangle, the height and average character width of the
  // widget's own font and the size of the name in the name's font.
  static std::array<QRect, 3> EmbossRects(const QRect& client, int fontHeight, int averageCharWidth,
                                          const QSize& textSize);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QFont m_font;
  QString m_text;
};

}  // namespace kelvarin
