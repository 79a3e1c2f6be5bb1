// Page 1 of the multiple-primary wizard: the input data file and the output
// file, with a pointer to the program's limitations.
#pragma once

#include "frontend/wizards/wizfiles.h"

namespace kelvarin {

class CMULwizFiles : public CWizFiles {
  Q_OBJECT

 public:
  explicit CMULwizFiles(QWidget* parent = nullptr);
};

}  // namespace kelvarin
