#include "frontend/shell/cpage2.h"

#include <QCheckBox>
#include <QVBoxLayout>

namespace kelvarin {

namespace {

QCheckBox* AddCheckBox(QWidget* page, QVBoxLayout* layout, int id, const QString& text) {
  auto* box = new QCheckBox(text, page);
  box->setObjectName(CTextPage::ControlName(id));
  layout->addWidget(box);
  return box;
}

}  // namespace

CPage2::CPage2(QWidget* parent) : CTextPage(parent) {
  auto* layout = new QVBoxLayout(this);
  m_boldBox = AddCheckBox(this, layout, kIdBold, tr("&Bold"));
  m_italicBox = AddCheckBox(this, layout, kIdItalic, tr("&Italic"));
  m_underlineBox = AddCheckBox(this, layout, kIdUnderline, tr("&Underline"));
  layout->addStretch();
}

void CPage2::LoadData() {
  m_boldBox->setChecked(m_bold != 0);
  m_italicBox->setChecked(m_italic != 0);
  m_underlineBox->setChecked(m_underline != 0);
}

bool CPage2::SaveData() {
  m_bold = m_boldBox->isChecked() ? 1 : 0;
  m_italic = m_italicBox->isChecked() ? 1 : 0;
  m_underline = m_underlineBox->isChecked() ? 1 : 0;
  return true;
}

}  // namespace kelvarin
