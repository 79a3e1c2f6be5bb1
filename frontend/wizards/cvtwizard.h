// The conversion wizard: the files, then the layout page of the chosen
// conversion with the columns of its variables, the sex codes and its
// options, for one run of a conversion program. The sheet holds the layout
// pages of all twelve conversions; the Files page leads straight to the
// chosen one, so a run shows two pages. It works on a copy of the
// application's job settings.
#pragma once

#include <array>

#include "frontend/wizards/layoutvariants.h"
#include "frontend/wizards/wizardsheet.h"

namespace kelvarin {

class CCVTwizFiles;
class CCVTwizLayout;

// The prefix CCVTwiz marks the conversion wizard's classes: the sheet and its pages.
class CCVTwizard : public CWizardSheet {
  Q_OBJECT

 public:
  // The layout page of conversion index i is kFirstLayoutPage + i.
  enum PageId { kFilesPage = 140, kFirstLayoutPage = 141 };

  // `conversionIndex`: 0 to 11, the conversion whose page the run shows.
  CCVTwizard(const JobSettings& application, int conversionIndex, QWidget* parent = nullptr);

  CCVTwizFiles* filesPage() const { return m_files; }
  CCVTwizLayout* layoutPage(int conversionIndex) const {
    return m_layouts[static_cast<size_t>(conversionIndex)];
  }
  // The page of the sheet's conversion.
  CCVTwizLayout* conversionPage() const { return layoutPage(settings().conversionIndex); }

 private:
  CCVTwizFiles* m_files;
  std::array<CCVTwizLayout*, kConversionCount> m_layouts;
};

}  // namespace kelvarin
