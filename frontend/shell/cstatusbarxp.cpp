#include "frontend/shell/cstatusbarxp.h"

#include <QLabel>
#include <QPainter>

#include "frontend/shell/flatstyle.h"

namespace kelvarin {

namespace {
constexpr int kMinimumHeight = 20;
// The message pane starts here and keeps this gap to the first indicator.
constexpr int kMessageLeft = 2;
constexpr int kPaneGap = 2;
}  // namespace

CStatusBarXP::CStatusBarXP(QWidget* parent) : QStatusBar(parent) {
  setStyle(FlatStyle::Instance());
  setMinimumHeight(kMinimumHeight);
}

void CStatusBarXP::SetIndicators(const int* ids, const char* const* texts, int count) {
  for (int i = 0; i < count; ++i) {
    auto* pane = new QLabel(this);
    pane->setObjectName(QStringLiteral("indicator%1").arg(ids[i]));
    pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(QString::fromLatin1(texts[i])) + 8);
    pane->setAlignment(Qt::AlignCenter);
    addPermanentWidget(pane);
    m_panes.append(pane);
  }
}

QLabel* CStatusBarXP::Indicator(int id) const {
  for (QLabel* pane : m_panes)
    if (pane->objectName() == QStringLiteral("indicator%1").arg(id)) return pane;
  return nullptr;
}

QList<QRect> CStatusBarXP::PaneRects() const {
  QList<QRect> rects;
  for (QLabel* pane : m_panes) rects.append(pane->geometry().adjusted(-1, -1, 1, 1));
  const int top = rects.isEmpty() ? 1 : rects.first().top();
  const int bottom = rects.isEmpty() ? height() - 2 : rects.first().bottom();
  const int right = rects.isEmpty() ? width() - 1 : rects.first().left() - kPaneGap - 1;
  rects.prepend(QRect(QPoint(kMessageLeft, top), QPoint(right, bottom)));
  return rects;
}

void CStatusBarXP::paintEvent(QPaintEvent* event) {
  QStatusBar::paintEvent(event);
  QPainter painter(this);
  painter.setPen(QPen(palette().color(QPalette::Dark), 0));
  painter.setBrush(Qt::NoBrush);
  for (const QRect& pane : PaneRects()) painter.drawRect(pane.adjusted(0, 0, -1, -1));
}

}  // namespace kelvarin
