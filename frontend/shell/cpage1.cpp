#include "frontend/shell/cpage1.h"

namespace kelvarin {

CPage1::CPage1(QWidget* parent) : CTextPage(parent) {
  m_faces = AddRadioGroup({kIdTimesNewRoman, kIdArial, kIdCourierNew},
                          {"&Times New Roman", "&Arial", "&Courier New"});
}

void CPage1::LoadData() { SetRadioIndex(m_faces, m_faceChoice); }

bool CPage1::SaveData() {
  m_faceChoice = RadioIndex(m_faces);
  return true;
}

}  // namespace kelvarin
