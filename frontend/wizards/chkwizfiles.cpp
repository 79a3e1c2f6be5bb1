#include "frontend/wizards/chkwizfiles.h"

#include "frontend/wizards/chkwizard.h"

namespace kelvarin {

CCHKwizFiles::CCHKwizFiles(QWidget* parent)
    : CWizFiles({{CCHKwizard::kFilesPage, "Orvo/Semu check program (1/4)", "htm/WizFiles.htm", -1},
                 CCHKwizard::kLayoutPage,
                 true,
                 nullptr},
                parent) {}

}  // namespace kelvarin
