#include "frontend/wizards/chkwizformat.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

#include "frontend/wizards/chkwizard.h"
#include "frontend/wizards/formatfields.h"
#include "frontend/wizards/layoutvariants.h"
#include "frontend/wizards/wizardsheet.h"

namespace kelvarin {

CCHKwizFormat::CCHKwizFormat(QWidget* parent)
    : CWizPage(
          {CCHKwizard::kFormatPage, "Orvo/Semu check program (3/4)", "htm/WizFormatCHK.htm", 25},
          parent) {
  const int codeWidth = CodeEditWidth(this);
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(10, 70, 10, 10);

  m_sexGroup = SexCodesGroup(codeWidth, &m_male, &m_female);
  grid->addWidget(m_sexGroup, 0, 0);

  m_ageGroup = new QGroupBox(QStringLiteral("Age unknown code"));
  auto* ageRow = new QHBoxLayout(m_ageGroup);
  m_ageUnknown = CodeEdit(QStringLiteral("ageUnknown"), codeWidth * 2, Qt::AlignRight);
  ageRow->addWidget(m_ageUnknown);
  ageRow->addStretch();
  grid->addWidget(m_ageGroup, 0, 1);

  m_basisGroup =
      new QGroupBox(QStringLiteral("Basis of diagnosis codes for microscopic verification"));
  auto* basisRow = new QHBoxLayout(m_basisGroup);
  for (size_t i = 0; i < m_basisCodes.size(); ++i) {
    m_basisCodes[i] = CodeEdit(QStringLiteral("basis%1").arg(i + 1), codeWidth, Qt::AlignCenter);
    basisRow->addWidget(m_basisCodes[i]);
  }
  basisRow->addStretch();
  grid->addWidget(m_basisGroup, 1, 0, 1, 2);

  m_incidenceGroup = new QGroupBox(QStringLiteral("Incidence date format"));
  m_incidenceFormats = DateFormatList(QStringLiteral("incidenceFormats"));
  (new QVBoxLayout(m_incidenceGroup))->addWidget(m_incidenceFormats);
  grid->addWidget(m_incidenceGroup, 2, 0);

  m_birthGroup = new QGroupBox(QStringLiteral("Birth date format"));
  m_birthFormats = DateFormatList(QStringLiteral("birthFormats"));
  (new QVBoxLayout(m_birthGroup))->addWidget(m_birthFormats);
  grid->addWidget(m_birthGroup, 2, 1);

  auto* errorGroup = new QGroupBox(QStringLiteral("Error file"));
  m_oneRecordPerError = new QCheckBox(QStringLiteral(
      "Creates one record per type of error (ie the same case may appear several times)."));
  m_oneRecordPerError->setObjectName(QStringLiteral("oneRecordPerError"));
  (new QVBoxLayout(errorGroup))->addWidget(m_oneRecordPerError);
  grid->addWidget(errorGroup, 3, 0, 1, 2);
}

int CCHKwizFormat::nextId() const { return CCHKwizard::kFinishPage; }

int CCHKwizFormat::BackId() const { return CCHKwizard::kLayoutPage; }

void CCHKwizFormat::OnSetActive() {
  CWizPage::OnSetActive();
  const JobSettings& job = settings();
  // A group shows the sheet's values when its variable has columns; a
  // disabled group keeps what it showed.
  const bool sex = job.sexStart != -1;
  m_sexGroup->setEnabled(sex);
  if (sex) {
    m_male->setText(CodeText(job.maleCode));
    m_female->setText(CodeText(job.femaleCode));
  }
  const bool age = job.ageStart != -1;
  m_ageGroup->setEnabled(age);
  if (age) {
    const int length = job.ageEnd - job.ageStart == 1 ? 2 : 3;
    m_ageUnknown->setMaxLength(length);
    m_ageUnknown->setText(
        QString::fromLatin1(job.ageUnknownCode.substr(0, static_cast<size_t>(length)).c_str()));
  }
  const bool basis = job.basisStart != -1;
  m_basisGroup->setEnabled(basis);
  if (basis) {
    for (size_t i = 0; i < m_basisCodes.size(); ++i)
      m_basisCodes[i]->setText(CodeText(job.microscopicCodes[i]));
  }
  const bool birth = job.birthDateStart != -1;
  m_birthGroup->setEnabled(birth);
  if (birth)
    FillDateFormatList(m_birthFormats, job.birthDateEnd - job.birthDateStart + 1,
                       job.birthDateFormat);
  const bool incidence = job.incidenceDateStart != -1;
  m_incidenceGroup->setEnabled(incidence);
  if (incidence)
    FillDateFormatList(m_incidenceFormats, job.incidenceDateEnd - job.incidenceDateStart + 1,
                       job.incidenceDateFormat);
  // One record per error is asked for anew on every pass through this page.
  m_oneRecordPerError->setChecked(false);
}

bool CCHKwizFormat::validatePage() {
  JobSettings& job = settings();
  if (job.sexStart != -1) {
    const QString problem = ReadSexCodes(m_male, m_female, &job.maleCode, &job.femaleCode);
    if (!problem.isEmpty()) {
      Refuse(problem);
      return false;
    }
  }
  if (job.basisStart != -1) {
    std::array<char, 4> codes{};
    for (size_t i = 0; i < codes.size(); ++i) {
      const QString text = m_basisCodes[i]->text();
      if (text.trimmed().isEmpty()) {
        Refuse(QStringLiteral("Basis of diagnosis codes must be defined!"));
        return false;
      }
      if (!ReadCodeCharacter(text, &codes[i])) {
        Refuse(QStringLiteral("Basis of diagnosis codes must be printable characters!"));
        return false;
      }
    }
    job.microscopicCodes = codes;
  }
  if (job.ageStart != -1) {
    const int length = job.ageEnd - job.ageStart == 1 ? 2 : 3;
    const QString text = m_ageUnknown->text().left(length);
    // An empty code is taken as typed: it matches no age field.
    std::string code;
    if (!ReadCodeText(text, &code) || !IsAgeUnknownCode(code)) {
      Refuse(QStringLiteral("Age unknown code must be printable characters without blanks!"));
      return false;
    }
    job.ageUnknownCode = code;
  }
  if (job.incidenceDateStart != -1 &&
      !TakeDateFormat(m_incidenceFormats, QStringLiteral("Incidence date format is not defined!"),
                      &job.incidenceDateFormat))
    return false;
  if (job.birthDateStart != -1 &&
      !TakeDateFormat(m_birthFormats, QStringLiteral("Birth date format is not defined!"),
                      &job.birthDateFormat))
    return false;
  job.optionB = m_oneRecordPerError->isChecked() ? 1 : 0;
  return true;
}

}  // namespace kelvarin
