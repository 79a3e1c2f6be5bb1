// The multiple-primary wizard: the files, the columns of seven variables
// with the search's options, and the sex codes and incidence date format,
// for one run of the multiple primaries program. It works on a copy of the
// application's job settings.
#pragma once

#include "frontend/wizards/wizardsheet.h"

namespace kelvarin {

class CMULwizFiles;
class CMULwizLayout;
class CMULwizFormat;

// The prefix CMULwiz marks the multiple-primary wizard's classes: the sheet and its pages.
class CMULwizard : public CWizardSheet {
  Q_OBJECT

 public:
  enum PageId { kFilesPage = 163, kLayoutPage = 164, kFormatPage = 165 };

  explicit CMULwizard(const JobSettings& application, QWidget* parent = nullptr);

  CMULwizFiles* filesPage() const { return m_files; }
  CMULwizLayout* layoutPage() const { return m_layout; }
  CMULwizFormat* formatPage() const { return m_format; }

 private:
  CMULwizFiles* m_files;
  CMULwizLayout* m_layout;
  CMULwizFormat* m_format;
};

}  // namespace kelvarin
