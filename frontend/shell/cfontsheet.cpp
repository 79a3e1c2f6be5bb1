#include "frontend/shell/cfontsheet.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "frontend/shell/cpage1.h"
#include "frontend/shell/cpage2.h"
#include "frontend/shell/cpage3.h"
#include "frontend/shell/cpage4.h"

namespace kelvarin {

namespace {

const char* const kFaceNames[] = {"Times New Roman", "Arial", "Courier New"};
const QColor kColours[] = {QColor(0, 0, 0), QColor(255, 0, 0), QColor(0, 128, 0)};

}  // namespace

CFontSheet::CFontSheet(QWidget* parent)
    : QDialog(parent),
      m_page1(new CPage1),
      m_page2(new CPage2),
      m_page3(new CPage3),
      m_page4(new CPage4),
      m_tabs(new QTabWidget(this)),
      m_buttons(new QDialogButtonBox(
          QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Apply, this)) {
  setWindowTitle(tr("Text properties"));
  m_tabs->addTab(m_page1, tr("Font"));
  m_tabs->addTab(m_page2, tr("Style"));
  m_tabs->addTab(m_page3, tr("Colour"));
  m_tabs->addTab(m_page4, tr("Font size"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_tabs);
  layout->addWidget(m_buttons);
  connect(m_tabs, &QTabWidget::currentChanged, this, &CFontSheet::OnCurrentChanged);
  connect(m_buttons->button(QDialogButtonBox::Ok), &QPushButton::clicked, this, &CFontSheet::OnOk);
  connect(m_buttons->button(QDialogButtonBox::Apply), &QPushButton::clicked, this,
          &CFontSheet::Apply);
  connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

int CFontSheet::exec() {
  m_switching = true;
  m_tabs->setCurrentIndex(0);
  m_switching = false;
  m_currentPage = 0;
  m_page1->LoadData();
  m_page2->LoadData();
  m_page3->LoadData();
  m_page4->LoadData();
  return QDialog::exec();
}

QTextCharFormat CFontSheet::BuildCharFormat() const {
  const int face = m_page1->m_faceChoice;
  QFont font(QString::fromLatin1(kFaceNames[face >= 0 && face <= 2 ? face : 0]));
  font.setPointSize(m_page4->m_pointSize);
  font.setBold(m_page2->m_bold != 0);
  font.setItalic(m_page2->m_italic != 0);
  font.setUnderline(m_page2->m_underline != 0);
  QTextCharFormat format;
  format.setFont(font, QTextCharFormat::FontPropertiesAll);
  const int colour = m_page3->m_colourChoice;
  format.setForeground(kColours[colour >= 0 && colour <= 2 ? colour : 0]);
  return format;
}

void CFontSheet::Apply() {
  if (!StoreCurrentPage()) return;
  emit applyTextProperties();
}

bool CFontSheet::StoreCurrentPage() {
  auto* page = static_cast<CTextPage*>(m_tabs->widget(m_currentPage));
  return page->SaveData();
}

void CFontSheet::OnCurrentChanged(int index) {
  if (m_switching) return;
  if (!StoreCurrentPage()) {
    // The page being left keeps the focus until its entry is valid.
    m_switching = true;
    m_tabs->setCurrentIndex(m_currentPage);
    m_switching = false;
    return;
  }
  m_currentPage = index;
}

void CFontSheet::OnOk() {
  if (!StoreCurrentPage()) return;
  emit applyTextProperties();
  accept();
}

}  // namespace kelvarin
