// Page "Font size" of the text-properties sheet: a size in points, 8 to 24,
// typed or stepped with the up-down buttons and the arrow keys.
#pragma once

#include <optional>

#include "frontend/shell/textpage.h"

class QLineEdit;
class QToolButton;

namespace kelvarin {

// CPage4: page 4 of the text-properties sheet, the font size.
class CPage4 : public CTextPage {
  Q_OBJECT

 public:
  static constexpr int kIdSize = 1007;
  static constexpr int kIdUpDown = 1008;
  static constexpr int kMinSize = 8;
  static constexpr int kMaxSize = 24;

  explicit CPage4(QWidget* parent = nullptr);

  void LoadData() override;
  bool SaveData() override;

  // A dialog integer: blanks around an optionally signed run of digits.
  static std::optional<int> ParseInteger(const QString& text);

  int m_pointSize = 0;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // One step of the up-down control, kept within the range.
  void Step(int delta);

  QLineEdit* m_sizeEdit;
  QToolButton* m_up;
  QToolButton* m_down;
};

}  // namespace kelvarin
