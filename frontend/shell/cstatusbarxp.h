// A status bar drawn flat: the panes keep their widths but lose their sunken
// borders for a thin frame, and the bar is at least 20 pixels high.
#pragma once

#include <QList>
#include <QStatusBar>

class QLabel;

namespace kelvarin {

class CStatusBarXP : public QStatusBar {
  Q_OBJECT

 public:
  explicit CStatusBarXP(QWidget* parent = nullptr);

  // The panes after the message pane, one per indicator id, each as wide as
  // its text; `texts` are the texts the panes are measured by.
  void SetIndicators(const int* ids, const char* const* texts, int count);
  // The indicator pane of this id; nullptr when there is none.
  QLabel* Indicator(int id) const;
  // Every pane's rectangle, the message pane first.
  QList<QRect> PaneRects() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QList<QLabel*> m_panes;
};

}  // namespace kelvarin
