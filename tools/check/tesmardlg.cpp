#include "tesmardlg.h"

namespace kelvarin {

const DialogDescriptor& TesmarDialog() {
  using C = DialogControl;
  static const DialogDescriptor descriptor = [] {
    DialogDescriptor d;
    d.caption = "Orvo/Semu check";
    d.width = 320;
    d.height = 200;
    d.timerMilliseconds = 250;
    d.recordsPerTick = 5000;
    d.controls = {
        Control(kIdOk, C::kOkButton, "OK", 135, 179, 50, 14),
        Control(kIdStop, C::kStopButton, "Stop", 135, 179, 50, 14),
        Control(kIdProgress, C::kProgress, "", 7, 151, 306, 12),
        Control(-1, C::kGroupBox, "Files", 7, 21, 306, 69),
        Control(-1, C::kGroupBox, "Statistics", 7, 93, 306, 58),
        FileLine(1002, "Input file:", 15, 35, 290, 12, kInputSlot, "Input file: "),
        FileLine(1003, "Output file:", 15, 48, 290, 12, TesmarEngine::kOutputSlot, "Output file: "),
        FileLine(1010, "Error file:", 15, 61, 290, 12, TesmarEngine::kErrorSlot, "Error file: "),
        FileLine(1011, "Warning file:", 15, 74, 290, 12, TesmarEngine::kWarningSlot,
                 "Warning file: "),
        Control(1004, C::kStatic, "Records:", 15, 109, 62, 12),
        Control(1005, C::kStatic, "Warnings:", 15, 122, 62, 12),
        Control(1006, C::kStatic, "Errors:", 15, 135, 62, 12),
        CounterLabel(1007, 240, 109, 62, 12, kRecordsCounter),
        CounterLabel(1008, 240, 122, 62, 12, kWarningsCounter),
        CounterLabel(1009, 240, 135, 62, 12, kErrorsCounter),
    };
    return d;
  }();
  return descriptor;
}

}  // namespace kelvarin
