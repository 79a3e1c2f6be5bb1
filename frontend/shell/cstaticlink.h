// A static text that behaves as a hyperlink: underlined, blue until its
// address has been opened, then purple, with the hand cursor over it.
#pragma once

#include <QColor>
#include <QLabel>

namespace kelvarin {

class CStaticLink : public QLabel {
  Q_OBJECT

 public:
  static const QColor kUnvisitedColor;
  static const QColor kVisitedColor;

  // `link`: the address to open; empty means the text shown.
  explicit CStaticLink(const QString& text = QString(), const QString& link = QString(),
                       QWidget* parent = nullptr);

  const QString& Link() const { return m_link; }
  const QColor& Color() const { return m_color; }

 protected:
  // A left click opens the address; the desktop refusing it only beeps.
  void mousePressEvent(QMouseEvent* event) override;

 private:
  void SetColor(const QColor& color);

  QString m_link;
  QColor m_color;
};

}  // namespace kelvarin
