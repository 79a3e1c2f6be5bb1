// Gorvat's progress dialog and application object.
#pragma once

#include "tools/convert/common/conversiondialog.h"
#include "tools/convert/gorvat/gorvatengine.h"

namespace kelvarin {

using CGorvatDlg = CConversionDlg;
using CGorvatApp = CConversionApp<GorvatEngine>;

}  // namespace kelvarin
