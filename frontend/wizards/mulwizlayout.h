// Page 2 of the multiple-primary wizard: the columns of seven variables and
// the three options of the search, kept in a ".mpr" file beside the input
// file (the options are not in the file).
#pragma once

#include "frontend/wizards/wizlayout.h"

namespace kelvarin {

class CMULwizLayout : public CWizLayout {
  Q_OBJECT

 public:
  explicit CMULwizLayout(QWidget* parent = nullptr);

  int nextId() const override;
};

}  // namespace kelvarin
