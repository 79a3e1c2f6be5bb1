#include "frontend/wizards/mulwizlayout.h"

#include "frontend/wizards/mulwizard.h"

namespace kelvarin {

namespace {

LayoutPageDescriptor Descriptor() {
  return {
      {CMULwizard::kLayoutPage, "Orvo/Semu multiple primary check (2/3)", "htm/WizLayoutMUL.htm",
       26},
      CMULwizard::kFilesPage,
      MultiplePrimaryLayoutRules(),
      LayoutFile::kMultiplePrimary,
      {
          {"Includes unspecified (/1) or in situ (/2) tumours of the bladder",
           &JobSettings::includeBladder},
          {"Includes benign (/0) and unspecified (/1) tumours of the brain ",
           &JobSettings::includeBrain},
          {"Write duplicate records into a separate file", &JobSettings::duplicatesToFile},
      },
      "Input file preview: specifiy the starting and ending positions of each variable.",
  };
}

}  // namespace

CMULwizLayout::CMULwizLayout(QWidget* parent) : CWizLayout(Descriptor(), parent) {}

int CMULwizLayout::nextId() const { return CMULwizard::kFormatPage; }

}  // namespace kelvarin
