#include "frontend/wizards/cvtwizfiles.h"

#include "frontend/wizards/cvtwizard.h"

namespace kelvarin {

CCVTwizFiles::CCVTwizFiles(int conversionIndex, QWidget* parent)
    : CWizFiles({{CCVTwizard::kFilesPage, "Conversion wizard (1/2)", "htm/WizFiles.htm", -1, 5},
                 CCVTwizard::kFirstLayoutPage + conversionIndex,
                 false,
                 nullptr},
                parent) {}

}  // namespace kelvarin
