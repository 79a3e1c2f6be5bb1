// Page "Colour" of the text-properties sheet.
#pragma once

#include "frontend/shell/textpage.h"

class QButtonGroup;

namespace kelvarin {

// CPage3: page 3 of the text-properties sheet, the text colour.
class CPage3 : public CTextPage {
  Q_OBJECT

 public:
  static constexpr int kIdBlack = 1006;
  static constexpr int kIdRed = 1001;
  static constexpr int kIdGreen = 1002;

  explicit CPage3(QWidget* parent = nullptr);

  void LoadData() override;
  bool SaveData() override;

  int m_colourChoice = -1;  // 0 Black, 1 Red, 2 Green, -1 none

 private:
  QButtonGroup* m_colours;
};

}  // namespace kelvarin
