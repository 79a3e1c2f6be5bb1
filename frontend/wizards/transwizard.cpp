#include "frontend/wizards/transwizard.h"

#include "frontend/res/imageids.h"
#include "frontend/wizards/transwiz1.h"
#include "frontend/wizards/transwiz2.h"

namespace kelvarin {

CTRANSwizard::CTRANSwizard(const JobSettings& application, QWidget* parent)
    : CWizardSheet(application, QStringLiteral("File Conversion wizard..."), QString(),
                   kIdIconTransferWizard, parent),
      m_files(new CTRANSwiz1),
      m_columns(new CTRANSwiz2) {
  setPage(kFilesPage, m_files);
  setPage(kColumnsPage, m_columns);
  setStartId(kFilesPage);
  settings().firstRowHasNames = 0;
  // Cancel, Escape or the window's close box while the transfer runs.
  connect(this, &QDialog::rejected, m_columns, &CTRANSwiz2::OnQueryCancel);
}

bool CTRANSwizard::validateCurrentPage() {
  if (!CWizardSheet::validateCurrentPage()) return false;
  return currentId() != kFilesPage || m_columns->LoadTransferPreview();
}

}  // namespace kelvarin
