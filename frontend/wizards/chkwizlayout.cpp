#include "frontend/wizards/chkwizlayout.h"

#include "frontend/wizards/chkwizard.h"

namespace kelvarin {

namespace {

LayoutPageDescriptor Descriptor() {
  return {
      {CCHKwizard::kLayoutPage, "Orvo/Semu check program (2/4)", "htm/WizLayoutCHK.htm", 25},
      CCHKwizard::kFilesPage,
      CheckLayoutRules(),
      kCheckVariableFields.data(),
      {},
      "Input file preview: specifiy the starting and ending positions of the variables you wish to "
      "check.",
      ".frm",
  };
}

}  // namespace

CCHKwizLayout::CCHKwizLayout(QWidget* parent) : CWizLayout(Descriptor(), parent) {}

int CCHKwizLayout::nextId() const {
  for (int variable : {kCheckSex, kCheckBasis, kCheckIncidenceDate, kCheckBirthDate, kCheckAge})
    if (columns().start(variable) != -1) return CCHKwizard::kFormatPage;
  return CCHKwizard::kFinishPage;
}

LayoutFileStatus CCHKwizLayout::ReadLayoutFile(const std::string& path,
                                               std::vector<int32_t>& positions) {
  CheckLayoutRecord record = CheckLayoutOf(carried());
  const LayoutFileStatus status = ReadCheckLayoutFile(path, record);
  if (status != LayoutFileStatus::kNotOpened) TakeCheckLayoutCodes(record, carried());
  positions.assign(record.positions.begin(), record.positions.end());
  return status;
}

void CCHKwizLayout::HandBack() {
  CWizLayout::HandBack();
  // Without the Format page nobody asked for one record per error.
  if (nextId() == CCHKwizard::kFinishPage) settings().optionB = 0;
}

}  // namespace kelvarin
