#include "conversiondialog.h"

#include <cassert>

namespace kelvarin {

namespace {

DialogDescriptor BuildDialog(const ConversionProgram& program) {
  using C = DialogControl;
  using E = ConversionEngine;
  DialogDescriptor d;
  d.caption = program.name;
  d.width = 320;
  d.height = 200;
  d.timerMilliseconds = program.timerPeriodMs;
  d.recordsPerTick = program.recordsPerTick;
  d.controls = {
      Control(kIdOk, C::kOkButton, "OK", 135, 179, 50, 14),
      Control(kIdStop, C::kStopButton, "Stop", 135, 179, 50, 14),
      Control(kIdProgress, C::kProgress, "", 7, 151, 306, 12),
      Control(-1, C::kGroupBox, "Files", 7, 21, 306, 69),
      Control(-1, C::kGroupBox, "Statistics", 7, 93, 306, 58),
  };
  if (program.dialogLayout == ConversionDialogLayout::kCompact) {
    // No warning file line and no warnings counter; the rest spread out.
    d.controls.insert(d.controls.end(), {
        FileLine(1002, "Input file:", 15, 35, 290, 12, kInputSlot, ""),
        FileLine(1003, "Output file:", 15, 55, 290, 12, E::kOutputSlot, ""),
        FileLine(1010, "Error file:", 15, 75, 290, 12, E::kErrorSlot, ""),
        Control(1004, C::kStatic, "Records:", 15, 110, 62, 12),
        Control(1006, C::kStatic, "Errors:", 15, 130, 62, 12),
        CounterLabel(1007, 240, 110, 62, 12, kRecordsCounter),
        CounterLabel(1009, 240, 130, 62, 12, kErrorsCounter),
    });
  } else {
    d.controls.insert(d.controls.end(), {
        FileLine(1002, "Input file:", 15, 35, 290, 12, kInputSlot, ""),
        FileLine(1003, "Output file:", 15, 48, 290, 12, E::kOutputSlot, ""),
        FileLine(1010, "Error file:", 15, 61, 290, 12, E::kErrorSlot, ""),
        FileLine(1011, "Warning file:", 15, 74, 290, 12, E::kWarningSlot, ""),
        Control(1004, C::kStatic, "Records:", 15, 109, 62, 12),
        Control(1005, C::kStatic, "Warnings:", 15, 122, 62, 12),
        Control(1006, C::kStatic, "Errors:", 15, 135, 62, 12),
        CounterLabel(1007, 240, 109, 62, 12, kRecordsCounter),
        CounterLabel(1008, 240, 122, 62, 12, kWarningsCounter),
        CounterLabel(1009, 240, 135, 62, 12, kErrorsCounter),
    });
  }
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
