#include "frontend/wizards/mulwizfiles.h"

#include "frontend/wizards/mulwizard.h"

namespace kelvarin {

CMULwizFiles::CMULwizFiles(QWidget* parent)
    : CWizFiles({{CMULwizard::kFilesPage, "Orvo/Semu multiple primary check (1/3)",
                  "htm/WizFiles.htm", -1},
                 CMULwizard::kLayoutPage,
                 true,
                 "htm/Multiple.htm"},
                parent) {}

}  // namespace kelvarin
