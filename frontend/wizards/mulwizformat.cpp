#include "frontend/wizards/mulwizformat.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

#include "common/layoutfile.h"
#include "frontend/wizards/formatfields.h"
#include "frontend/wizards/layoutvariants.h"
#include "frontend/wizards/mulwizard.h"
#include "frontend/wizards/wizardsheet.h"

namespace kelvarin {

CMULwizFormat::CMULwizFormat(QWidget* parent)
    : CWizPage({CMULwizard::kFormatPage, "Orvo/Semu multiple primary check (3/3)",
                "htm/WizFormatMUL.htm", 26},
               parent) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(10, 70, 10, 10);
  layout->addWidget(SexCodesGroup(CodeEditWidth(this), &m_male, &m_female));
  auto* dateGroup = new QGroupBox(QStringLiteral("Incidence date format"));
  m_incidenceFormats = DateFormatList(QStringLiteral("incidenceFormats"));
  (new QVBoxLayout(dateGroup))->addWidget(m_incidenceFormats);
  layout->addWidget(dateGroup);
  setFinalPage(true);
}

int CMULwizFormat::BackId() const { return CMULwizard::kLayoutPage; }

void CMULwizFormat::OnSetActive() {
  CWizPage::OnSetActive();
  const JobSettings& job = settings();
  m_male->setText(CodeText(job.maleCode));
  m_female->setText(CodeText(job.femaleCode));
  FillDateFormatList(m_incidenceFormats, job.incidenceDateEnd - job.incidenceDateStart + 1,
                     job.incidenceDateFormat);
}

bool CMULwizFormat::validatePage() {
  JobSettings& job = settings();
  const QString problem = ReadSexCodes(m_male, m_female, &job.maleCode, &job.femaleCode);
  if (!problem.isEmpty()) {
    Refuse(problem);
    return false;
  }
  if (!TakeDateFormat(m_incidenceFormats, QStringLiteral("Incidence date format is not defined!"),
                      &job.incidenceDateFormat))
    return false;
  SaveLayoutFile(LayoutFile::kMultiplePrimary, job);
  return true;
}

}  // namespace kelvarin
