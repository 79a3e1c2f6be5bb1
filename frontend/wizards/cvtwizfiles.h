// Page 1 of the conversion wizard: the input data file and the output file,
// under the banner of the chosen conversion. A read-only data file is
// accepted: a conversion only reads it.
#pragma once

#include "frontend/wizards/wizfiles.h"

namespace kelvarin {

class CCVTwizFiles : public CWizFiles {
  Q_OBJECT

 public:
  // Next leads to the layout page of `conversionIndex`.
  explicit CCVTwizFiles(int conversionIndex, QWidget* parent = nullptr);
};

}  // namespace kelvarin
