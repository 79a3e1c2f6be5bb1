// Page 1 of the check wizard: the input data file and the output file.
#pragma once

#include "frontend/wizards/wizfiles.h"

namespace kelvarin {

class CCHKwizFiles : public CWizFiles {
  Q_OBJECT

 public:
  explicit CCHKwizFiles(QWidget* parent = nullptr);
};

}  // namespace kelvarin
