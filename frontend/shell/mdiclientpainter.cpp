#include "frontend/shell/mdiclientpainter.h"

#include <QPainter>

#include "frontend/res/strings.h"
#include "frontend/shell/shellmessage.h"

namespace kelvarin {

MDIClientPainter::MDIClientPainter(QWidget* parent)
    : QMdiArea(parent), m_text(ResText(kIdsAppTitle)) {
  m_font.setFamily(QStringLiteral("Times New Roman"));
  m_font.setStyleHint(QFont::Serif);
  m_font.setPixelSize(36);
  m_font.setWeight(QFont::Bold);
  m_font.setItalic(true);
}

std::array<QRect, 3> MDIClientPainter::EmbossRects(const QRect& client, int fontHeight,
                                                   int averageCharWidth, const QSize& textSize) {
  // The edges are measured from the client's outer right and bottom edges
  // (one past its last pixel). Integer division rounds toward zero, as the
  // offsets below need.
  const int outerRight = client.left() + client.width();
  const int outerBottom = client.top() + client.height();
  QRect rect;
  rect.setRight(client.right());
  rect.setBottom(client.bottom());
  rect.setLeft(outerRight - textSize.width() - averageCharWidth);
  rect.setTop(outerBottom - fontHeight / 2 - textSize.height());
  std::array<QRect, 3> rects{rect, rect, rect};
  rects[1].setLeft(rect.left() + (averageCharWidth * -3) / 5);
  rects[2].setLeft(rects[1].left() + averageCharWidth / 5);
  return rects;
}

void MDIClientPainter::paintEvent(QPaintEvent* event) {
  QMdiArea::paintEvent(event);
  QPainter painter(viewport());
  const QFontMetrics own(viewport()->font());
  const QFontMetrics name(m_font);
  const QSize textSize(name.horizontalAdvance(m_text), name.height());
  const std::array<QRect, 3> rects =
      EmbossRects(viewport()->rect(), own.height(), own.averageCharWidth(), textSize);
  const QColor colours[3] = {Qt::black, Qt::white, palette().color(QPalette::Button)};
  painter.setFont(m_font);
  for (int i = 0; i < 3; ++i) {
    painter.setPen(colours[i]);
    painter.drawText(rects[i], Qt::AlignCenter | Qt::TextSingleLine, m_text);
  }
}

}  // namespace kelvarin
