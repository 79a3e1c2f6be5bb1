#include "tools/convert/common/conversiondialog.h"

#include <cassert>

namespace kelvarin {

namespace {

DialogDescriptor BuildDialog(const ConversionProgram& program) {
  using C = DialogControl;
  using E = ConversionEngine;
  if (program.dialogLayout != ConversionDialogLayout::kCompact) {
    DialogDescriptor d = StandardProgressDialog(program.name, program.timerPeriodMs, false,
                                                E::kOutputSlot, E::kErrorSlot, E::kWarningSlot);
    d.recordsPerTick = program.recordsPerTick;
    return d;
  }
  // No warning file line and no warnings counter; the rest spread out.
  DialogDescriptor d = ProgressDialogFrame(program.name, 200, program.timerPeriodMs, 179, 151, 58);
  d.recordsPerTick = program.recordsPerTick;
  d.controls.insert(d.controls.end(),
                    {
                        FileLine(1002, "Input file:", 15, 35, 290, 12, kInputSlot, ""),
                        FileLine(1003, "Output file:", 15, 55, 290, 12, E::kOutputSlot, ""),
                        FileLine(1010, "Error file:", 15, 75, 290, 12, E::kErrorSlot, ""),
                        Control(1004, C::kStatic, "Records:", 15, 110, 62, 12),
                        Control(1006, C::kStatic, "Errors:", 15, 130, 62, 12),
                        CounterLabel(1007, 240, 110, 62, 12, kRecordsCounter),
                        CounterLabel(1009, 240, 130, 62, 12, kErrorsCounter),
                    });
  return d;
}

}  // namespace

const DialogDescriptor& ConversionDialog(const ConversionProgram& program) {
  static const auto dialogs = [] {
    std::vector<DialogDescriptor> all;
    for (const ConversionProgram& p : ConversionPrograms) all.push_back(BuildDialog(p));
    return all;
  }();
  const long index = &program - ConversionPrograms;
  assert(index >= 0 && index < kConversionProgramCount);
  return dialogs[static_cast<size_t>(index)];
}

}  // namespace kelvarin
