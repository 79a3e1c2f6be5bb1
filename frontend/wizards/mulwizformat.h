// Page 3 of the multiple-primary wizard: the sex codes and the format of the
// incidence date; Finish keeps the layout in the ".mpr" file.
#pragma once

#include "frontend/wizards/wizpage.h"

class QLineEdit;
class QListWidget;

namespace kelvarin {

class CMULwizFormat : public CWizPage {
  Q_OBJECT

 public:
  explicit CMULwizFormat(QWidget* parent = nullptr);

  void OnSetActive() override;
  bool validatePage() override;
  int nextId() const override { return -1; }
  int BackId() const override;

 private:
  QLineEdit* m_male;
  QLineEdit* m_female;
  QListWidget* m_incidenceFormats;
};

}  // namespace kelvarin
