// The file transfer wizard: the delimited input file, the fixed-width output
// file and the columns to keep. The page of the columns runs the transfer
// itself; no tool program runs and no parameter file is written. It works on
// a copy of the application's job settings.
#pragma once

#include "frontend/wizards/wizardsheet.h"

namespace kelvarin {

class CTRANSwiz1;
class CTRANSwiz2;

// The prefix CTRANSwiz marks the transfer wizard's classes: the sheet and its pages.
class CTRANSwizard : public CWizardSheet {
  Q_OBJECT

 public:
  enum PageId { kFilesPage = 172, kColumnsPage = 173 };

  explicit CTRANSwizard(const JobSettings& application, QWidget* parent = nullptr);

  CTRANSwiz1* filesPage() const { return m_files; }
  CTRANSwiz2* columnsPage() const { return m_columns; }

 protected:
  // The page of the columns is shown only when its preview could be built.
  bool validateCurrentPage() override;

 private:
  CTRANSwiz1* m_files;
  CTRANSwiz2* m_columns;
};

}  // namespace kelvarin
