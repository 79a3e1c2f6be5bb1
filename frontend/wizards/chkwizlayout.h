// Page 2 of the check wizard: the columns of up to ten variables, kept in a
// ".frm" file beside the input file.
#pragma once

#include "frontend/wizards/wizlayout.h"

namespace kelvarin {

class CCHKwizLayout : public CWizLayout {
  Q_OBJECT

 public:
  explicit CCHKwizLayout(QWidget* parent = nullptr);

  // The Format page, or the Finish page when no variable that needs a code
  // or a format has a start boundary (a lone start marker counts).
  int nextId() const override;

 protected:
  void HandBack() override;
};

}  // namespace kelvarin
