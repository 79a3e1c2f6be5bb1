// Jantrik's progress dialog and application object.
#pragma once

#include "tools/convert/common/conversiondialog.h"
#include "tools/convert/jantrik/jantrikengine.h"

namespace kelvarin {

using CJantrikDlg = CConversionDlg;
using CJantrikApp = CConversionApp<JantrikEngine>;

}  // namespace kelvarin
