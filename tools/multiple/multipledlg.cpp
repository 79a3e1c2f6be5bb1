#include "tools/multiple/multipledlg.h"

namespace kelvarin {

const DialogDescriptor& MultipleDialog() {
  using C = DialogControl;
  using E = MultipleEngine;
  static const DialogDescriptor descriptor = [] {
    DialogDescriptor d = ProgressDialogFrame("Multiple", 230, 200, 209, 161, 68);
    d.controls.insert(
        d.controls.end(),
        {
            FileLine(1002, "Input file:", 15, 35, 290, 12, kInputSlot, "Input file: "),
            FileLine(1003, "Output file:", 15, 48, 290, 12, E::kOutputSlot, "Output file: "),
            FileLine(1010, "Excluded:", 15, 61, 290, 12, E::kExcludedSlot, "Excluded: "),
            FileLine(1011, "Multiple:", 15, 74, 290, 12, E::kMultipleSlot, "Multiple: "),
            Control(1004, C::kStatic, "Records:", 15, 105, 62, 12),
            Control(1006, C::kStatic, "Excluded:", 15, 118, 62, 12),
            Control(1005, C::kStatic, "Multiples tumours:", 15, 131, 103, 12),
            Control(1012, C::kStatic, "Duplicate registrations:", 15, 144, 118, 12),
            CounterLabel(1007, 240, 105, 62, 12, kRecordsCounter),
            CounterLabel(1009, 240, 118, 62, 12, E::kExcludedCounter),
            CounterLabel(1008, 240, 131, 62, 12, E::kMultiplesCounter),
            CounterLabel(1013, 240, 144, 62, 12, E::kDuplicatesCounter),
            StatusLine(1014, "action", 15, 186, 290, 12),
        });
    return d;
  }();
  return descriptor;
}

}  // namespace kelvarin
