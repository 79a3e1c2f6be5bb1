#include "frontend/wizards/cvtwizard.h"

#include <cassert>

#include "frontend/res/imageids.h"
#include "frontend/res/strings.h"
#include "frontend/res/toolnames.h"
#include "frontend/wizards/cvtwizfiles.h"
#include "frontend/wizards/cvtwizlayout.h"

namespace kelvarin {

namespace {

template <class... Pages>
std::array<CCVTwizLayout*, sizeof...(Pages)> MakeLayoutPages() {
  return {new Pages...};
}

}  // namespace

CCVTwizard::CCVTwizard(const JobSettings& application, int conversionIndex, QWidget* parent)
    : CWizardSheet(application, QStringLiteral("Conversion wizard..."),
                   QString::fromLatin1(LoadResString(ToolTitleId(conversionIndex))),
                   kIdIconMainFrame, parent),
      m_files(new CCVTwizFiles(conversionIndex)),
      m_layouts(MakeLayoutPages<CCVTwizAlquen, CCVTwizBernit, CCVTwizCaslov, CCVTwizDorwim,
                                CCVTwizElbrac, CCVTwizFenzel, CCVTwizGorvat, CCVTwizHulmen,
                                CCVTwizIrsolt, CCVTwizJantrik, CCVTwizKolvesh, CCVTwizLumpret>()) {
  assert(conversionIndex >= 0 && conversionIndex < kConversionCount);
  setPage(kFilesPage, m_files);
  for (int index = 0; index < kConversionCount; ++index) {
    assert(layoutPage(index)->conversionIndex() == index);
    setPage(kFirstLayoutPage + index, layoutPage(index));
  }
  setStartId(kFilesPage);
  settings().conversionIndex = conversionIndex;
}

}  // namespace kelvarin
