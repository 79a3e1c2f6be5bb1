#include "tools/skeleton/dialogdescriptor.h"

namespace kelvarin {

DialogDescriptor ProgressDialogFrame(std::string caption, int height, int timerMilliseconds,
                                     int buttonsY, int progressY, int statisticsHeight) {
  using C = DialogControl;
  DialogDescriptor d;
  d.caption = std::move(caption);
  d.width = 320;
  d.height = height;
  d.timerMilliseconds = timerMilliseconds;
  d.controls = {
      Control(kIdOk, C::kOkButton, "OK", 135, buttonsY, 50, 14),
      Control(kIdStop, C::kStopButton, "Stop", 135, buttonsY, 50, 14),
      Control(kIdProgress, C::kProgress, "", 7, progressY, 306, 12),
      Control(-1, C::kGroupBox, "Files", 7, 21, 306, 69),
      Control(-1, C::kGroupBox, "Statistics", 7, 93, 306, statisticsHeight),
  };
  return d;
}

DialogDescriptor StandardProgressDialog(std::string caption, int timerMilliseconds,
                                        bool labelledPaths, int outputSlot, int errorSlot,
                                        int warningSlot) {
  using C = DialogControl;
  DialogDescriptor d =
      ProgressDialogFrame(std::move(caption), 200, timerMilliseconds, 179, 151, 58);
  auto prefix = [labelledPaths](const char* label) {
    return labelledPaths ? std::string(label) + " " : std::string();
  };
  d.controls.insert(
      d.controls.end(),
      {
          FileLine(1002, "Input file:", 15, 35, 290, 12, kInputSlot, prefix("Input file:")),
          FileLine(1003, "Output file:", 15, 48, 290, 12, outputSlot, prefix("Output file:")),
          FileLine(1010, "Error file:", 15, 61, 290, 12, errorSlot, prefix("Error file:")),
          FileLine(1011, "Warning file:", 15, 74, 290, 12, warningSlot, prefix("Warning file:")),
          Control(1004, C::kStatic, "Records:", 15, 109, 62, 12),
          Control(1005, C::kStatic, "Warnings:", 15, 122, 62, 12),
          Control(1006, C::kStatic, "Errors:", 15, 135, 62, 12),
          CounterLabel(1007, 240, 109, 62, 12, kRecordsCounter),
          CounterLabel(1008, 240, 122, 62, 12, kWarningsCounter),
          CounterLabel(1009, 240, 135, 62, 12, kErrorsCounter),
      });
  return d;
}

}  // namespace kelvarin
