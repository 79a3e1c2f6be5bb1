// The check wizard: the files, the columns of up to ten variables, the codes
// and date formats, and the list of checks, for one run of the record check
// program. It works on a copy of the application's job settings.
#pragma once

#include "frontend/wizards/wizardsheet.h"

namespace kelvarin {

class CCHKwizFiles;
class CCHKwizLayout;
class CCHKwizFormat;
class CCHKwizFinish;

// The prefix CCHKwiz marks the check wizard's classes: the sheet and its pages.
class CCHKwizard : public CWizardSheet {
  Q_OBJECT

 public:
  enum PageId { kFilesPage = 153, kLayoutPage = 154, kFormatPage = 155, kFinishPage = 156 };

  explicit CCHKwizard(const JobSettings& application, QWidget* parent = nullptr);

  CCHKwizFiles* filesPage() const { return m_files; }
  CCHKwizLayout* layoutPage() const { return m_layout; }
  CCHKwizFormat* formatPage() const { return m_format; }
  CCHKwizFinish* finishPage() const { return m_finish; }

 private:
  CCHKwizFiles* m_files;
  CCHKwizLayout* m_layout;
  CCHKwizFormat* m_format;
  CCHKwizFinish* m_finish;
};

}  // namespace kelvarin
