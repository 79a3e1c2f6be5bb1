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
      kMultiplePrimaryVariableFields.data(),
      {
          {"Includes unspecified (/1) or in situ (/2) tumours of the bladder",
           &JobSettings::includeBladder},
          {"Includes benign (/0) and unspecified (/1) tumours of the brain ",
           &JobSettings::includeBrain},
          {"Write duplicate records into a separate file", &JobSettings::duplicatesToFile},
      },
      "Input file preview: specifiy the starting and ending positions of each variable.",
      ".mpr",
  };
}

}  // namespace

CMULwizLayout::CMULwizLayout(QWidget* parent) : CWizLayout(Descriptor(), parent) {}

int CMULwizLayout::nextId() const { return CMULwizard::kFormatPage; }

LayoutFileStatus CMULwizLayout::ReadLayoutFile(const std::string& path,
                                               std::vector<int32_t>& positions) {
  MultiplePrimaryLayoutRecord record = MultiplePrimaryLayoutOf(carried());
  const LayoutFileStatus status = ReadMultiplePrimaryLayoutFile(path, record);
  if (status != LayoutFileStatus::kNotOpened) TakeMultiplePrimaryLayoutCodes(record, carried());
  positions.assign(record.positions.begin(), record.positions.end());
  return status;
}

}  // namespace kelvarin
