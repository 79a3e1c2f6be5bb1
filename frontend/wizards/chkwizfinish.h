// Page 4 of the check wizard: the checks the record check program will run
// with the columns defined; Finish keeps the layout in the ".frm" file.
#pragma once

#include "frontend/wizards/wizpage.h"

class QPlainTextEdit;

namespace kelvarin {

class CCHKwizFinish : public CWizPage {
  Q_OBJECT

 public:
  explicit CCHKwizFinish(QWidget* parent = nullptr);

  void OnSetActive() override;
  // Writes the ".frm" file; Finish is never refused.
  bool validatePage() override;
  int nextId() const override { return -1; }
  // The Format page, or the Layout page when it was skipped.
  int BackId() const override;

  QPlainTextEdit* summary() const { return m_summary; }

 private:
  QPlainTextEdit* m_summary;
};

}  // namespace kelvarin
