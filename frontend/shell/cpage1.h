// Page "Font" of the text-properties sheet: the face.
#pragma once

#include "frontend/shell/textpage.h"

class QButtonGroup;

namespace kelvarin {

// CPage1: page 1 of the text-properties sheet, the font face.
class CPage1 : public CTextPage {
  Q_OBJECT

 public:
  static constexpr int kIdTimesNewRoman = 1000;
  static constexpr int kIdArial = 1001;
  static constexpr int kIdCourierNew = 1002;

  explicit CPage1(QWidget* parent = nullptr);

  void LoadData() override;
  bool SaveData() override;

  int m_faceChoice = -1;  // 0 Times New Roman, 1 Arial, 2 Courier New, -1 none

 private:
  QButtonGroup* m_faces;
};

}  // namespace kelvarin
