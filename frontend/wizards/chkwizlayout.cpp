#include "frontend/wizards/chkwizlayout.h"

#include "frontend/wizards/chkwizard.h"

namespace kelvarin {

namespace {

LayoutPageDescriptor Descriptor() {
  return {
      {CCHKwizard::kLayoutPage, "Orvo/Semu check program (2/4)", "htm/WizLayoutCHK.htm", 25},
      CCHKwizard::kFilesPage,
      CheckLayoutRules(),
      LayoutFile::kCheck,
      {},
      "Input file preview: specifiy the starting and ending positions of the variables you wish to "
      "check.",
  };
}

}  // namespace

CCHKwizLayout::CCHKwizLayout(QWidget* parent) : CWizLayout(Descriptor(), parent) {}

int CCHKwizLayout::nextId() const {
  for (int variable : kCheckFormatVariables)
    if (columns().start(variable) != -1) return CCHKwizard::kFormatPage;
  return CCHKwizard::kFinishPage;
}

void CCHKwizLayout::HandBack() {
  CWizLayout::HandBack();
  // Without the Format page nobody asked for one record per error.
  if (nextId() == CCHKwizard::kFinishPage) settings().optionB = 0;
}

}  // namespace kelvarin
