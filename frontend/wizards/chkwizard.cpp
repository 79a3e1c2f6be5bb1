#include "frontend/wizards/chkwizard.h"

#include "frontend/res/imageids.h"
#include "frontend/wizards/chkwizfiles.h"
#include "frontend/wizards/chkwizfinish.h"
#include "frontend/wizards/chkwizformat.h"
#include "frontend/wizards/chkwizlayout.h"

namespace kelvarin {

CCHKwizard::CCHKwizard(const JobSettings& application, QWidget* parent)
    : CWizardSheet(application, QStringLiteral("Orvo check wizard..."),
                   QStringLiteral("Orvo/Semu check program"), kIdIconCheckWizard, parent),
      m_files(new CCHKwizFiles),
      m_layout(new CCHKwizLayout),
      m_format(new CCHKwizFormat),
      m_finish(new CCHKwizFinish) {
  setPage(kFilesPage, m_files);
  setPage(kLayoutPage, m_layout);
  setPage(kFormatPage, m_format);
  setPage(kFinishPage, m_finish);
  setStartId(kFilesPage);
  m_files->SetOnAccepted([this] { m_layout->RequestDefinitionFile(); });
}

}  // namespace kelvarin
