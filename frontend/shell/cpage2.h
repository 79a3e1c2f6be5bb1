// Page "Style" of the text-properties sheet.
#pragma once

#include "frontend/shell/textpage.h"

class QCheckBox;

namespace kelvarin {

// CPage2: page 2 of the text-properties sheet, bold, italic and underline.
class CPage2 : public CTextPage {
  Q_OBJECT

 public:
  static constexpr int kIdBold = 1003;
  static constexpr int kIdItalic = 1004;
  static constexpr int kIdUnderline = 1005;

  explicit CPage2(QWidget* parent = nullptr);

  void LoadData() override;
  bool SaveData() override;

  int m_bold = 0;
  int m_italic = 0;
  int m_underline = 0;

 private:
  QCheckBox* m_boldBox;
  QCheckBox* m_italicBox;
  QCheckBox* m_underlineBox;
};

}  // namespace kelvarin
