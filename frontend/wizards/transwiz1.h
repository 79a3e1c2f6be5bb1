// Page 1 of the file transfer wizard: the delimited input file, the
// fixed-width output file and whether the first row names the columns.
#pragma once

#include "frontend/wizards/wizfiles.h"

namespace kelvarin {

class CTRANSwiz1 : public CWizFiles {
  Q_OBJECT

 public:
  explicit CTRANSwiz1(QWidget* parent = nullptr);
};

}  // namespace kelvarin
