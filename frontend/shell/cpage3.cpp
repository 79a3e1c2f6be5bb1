#include "frontend/shell/cpage3.h"

namespace kelvarin {

CPage3::CPage3(QWidget* parent) : CTextPage(parent) {
  m_colours = AddRadioGroup({kIdBlack, kIdRed, kIdGreen}, {"&Black", "&Red", "&Green"});
}

void CPage3::LoadData() { SetRadioIndex(m_colours, m_colourChoice); }

bool CPage3::SaveData() {
  m_colourChoice = RadioIndex(m_colours);
  return true;
}

}  // namespace kelvarin
