#include "frontend/wizards/mulwizformat.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

#include "common/layoutfile.h"
#include "frontend/wizards/formatfields.h"
#include "frontend/wizards/layoutvariants.h"
#include "frontend/wizards/mulwizard.h"
#include "frontend/wizards/wizardsheet.h"

namespace kelvarin {

namespace {

QLineEdit* SexEdit(const QString& name) {
  auto* edit = new QLineEdit;
  edit->setObjectName(name);
  edit->setMaxLength(1);
  edit->setAlignment(Qt::AlignCenter);
  edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QLatin1Char('M')) * 3);
  return edit;
}

}  // namespace

CMULwizFormat::CMULwizFormat(QWidget* parent)
    : CWizPage({CMULwizard::kFormatPage, "Orvo/Semu multiple primary check (3/3)", "htm/WizFormatMUL.htm", 26},
               parent) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(10, 70, 10, 10);
  auto* sexGroup = new QGroupBox(QStringLiteral("Sex codes"));
  auto* sexRow = new QHBoxLayout(sexGroup);
  m_male = SexEdit(QStringLiteral("male"));
  m_female = SexEdit(QStringLiteral("female"));
  sexRow->addWidget(m_male);
  sexRow->addWidget(new QLabel(QStringLiteral("Male")));
  sexRow->addWidget(m_female);
  sexRow->addWidget(new QLabel(QStringLiteral("Female")));
  sexRow->addStretch();
  layout->addWidget(sexGroup);
  auto* dateGroup = new QGroupBox(QStringLiteral("Incidence date format"));
  m_incidenceFormats = new QListWidget;
  m_incidenceFormats->setObjectName(QStringLiteral("incidenceFormats"));
  m_incidenceFormats->setSelectionMode(QAbstractItemView::SingleSelection);
  (new QVBoxLayout(dateGroup))->addWidget(m_incidenceFormats);
  layout->addWidget(dateGroup);
  setFinalPage(true);
}

int CMULwizFormat::BackId() const { return CMULwizard::kLayoutPage; }

void CMULwizFormat::OnSetActive() {
  CWizPage::OnSetActive();
  const JobSettings& job = settings();
  m_male->setText(QString(QChar(static_cast<unsigned char>(job.maleCode))));
  m_female->setText(QString(QChar(static_cast<unsigned char>(job.femaleCode))));
  FillDateFormatList(m_incidenceFormats, job.incidenceDateEnd - job.incidenceDateStart + 1, job.incidenceDateFormat);
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
  // A file that cannot be written is skipped: the search runs without it.
  WriteMultiplePrimaryLayoutFile(LayoutFileName(job.inputFile, ".mpr"), MultiplePrimaryLayoutOf(job));
  return true;
}

}  // namespace kelvarin
