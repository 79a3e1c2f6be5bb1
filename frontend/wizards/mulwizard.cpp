#include "frontend/wizards/mulwizard.h"

#include "frontend/res/imageids.h"
#include "frontend/wizards/mulwizfiles.h"
#include "frontend/wizards/mulwizformat.h"
#include "frontend/wizards/mulwizlayout.h"

namespace kelvarin {

CMULwizard::CMULwizard(const JobSettings& application, QWidget* parent)
    : CWizardSheet(application, QStringLiteral("Orvo/Semu multiple primary..."),
                   QStringLiteral("Orvo/Semu multiple primary check program"),
                   kIdIconMultipleWizard, parent),
      m_files(new CMULwizFiles),
      m_layout(new CMULwizLayout),
      m_format(new CMULwizFormat) {
  setPage(kFilesPage, m_files);
  setPage(kLayoutPage, m_layout);
  setPage(kFormatPage, m_format);
  setStartId(kFilesPage);
  m_files->SetOnAccepted([this] { m_layout->RequestDefinitionFile(); });
}

}  // namespace kelvarin
