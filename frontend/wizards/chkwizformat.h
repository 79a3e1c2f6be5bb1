// Page 3 of the check wizard: the sex codes, the basis-of-diagnosis codes
// that mean microscopic verification, the age-unknown code, the two date
// formats and the one-record-per-error option. Each group is enabled only
// when its variable has columns.
#pragma once

#include <array>

#include "frontend/wizards/wizpage.h"

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QListWidget;

namespace kelvarin {

class CCHKwizFormat : public CWizPage {
  Q_OBJECT

 public:
  explicit CCHKwizFormat(QWidget* parent = nullptr);

  void OnSetActive() override;
  bool validatePage() override;
  int nextId() const override;
  int BackId() const override;

 private:
  QGroupBox* m_sexGroup;
  QLineEdit* m_male;
  QLineEdit* m_female;
  QGroupBox* m_ageGroup;
  QLineEdit* m_ageUnknown;
  QGroupBox* m_basisGroup;
  std::array<QLineEdit*, 4> m_basisCodes;
  QGroupBox* m_incidenceGroup;
  QListWidget* m_incidenceFormats;
  QGroupBox* m_birthGroup;
  QListWidget* m_birthFormats;
  QCheckBox* m_oneRecordPerError;
};

}  // namespace kelvarin
