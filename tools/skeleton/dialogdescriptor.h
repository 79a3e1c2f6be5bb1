// What a tool program's progress dialog shows: caption, size, controls and
// timer. Each program describes its own; one dialog class shows them all.
#pragma once

#include <string>
#include <vector>

#include "tools/skeleton/toolengine.h"

namespace kelvarin {

// Control and command ids the code refers to.
enum ToolDialogId {
  kIdOk = 1,
  kIdStop = 2,
  kIdProgress = 1000,
};

struct DialogControl {
  enum Kind {
    kStatic,
    kStaticRight,
    kStaticCentered,
    kGroupBox,
    kProgress,
    kOkButton,
    kStopButton
  };
  int id = -1;  // -1 for controls the code never refers to
  Kind kind = kStatic;
  std::string text;                         // initial text
  int x = 0, y = 0, width = 0, height = 0;  // dialog units
  // A file line: at start the text becomes filePrefix + the path of this slot.
  int fileSlot = -1;
  std::string filePrefix;
  // A counter: shows the engine's counter of this slot after every tick.
  int counterSlot = -1;
  // The status line of programs that have one.
  bool statusLine = false;
};

// Builders for the descriptors' control lists.
inline DialogControl Control(int id, DialogControl::Kind kind, std::string text, int x, int y,
                             int width, int height) {
  DialogControl c;
  c.id = id;
  c.kind = kind;
  c.text = std::move(text);
  c.x = x;
  c.y = y;
  c.width = width;
  c.height = height;
  return c;
}

// A static that shows prefix + the path of a file slot once the run starts.
inline DialogControl FileLine(int id, std::string text, int x, int y, int width, int height,
                              int fileSlot, std::string prefix) {
  DialogControl c = Control(id, DialogControl::kStatic, std::move(text), x, y, width, height);
  c.fileSlot = fileSlot;
  c.filePrefix = std::move(prefix);
  return c;
}

// A right-aligned static showing an engine counter, "0" at first.
inline DialogControl CounterLabel(int id, int x, int y, int width, int height, int counterSlot) {
  DialogControl c = Control(id, DialogControl::kStaticRight, "0", x, y, width, height);
  c.counterSlot = counterSlot;
  return c;
}

// A centred static showing the engine's status text.
inline DialogControl StatusLine(int id, std::string text, int x, int y, int width, int height) {
  DialogControl c =
      Control(id, DialogControl::kStaticCentered, std::move(text), x, y, width, height);
  c.statusLine = true;
  return c;
}

struct DialogDescriptor {
  std::string caption;
  int width = 320, height = 200;  // dialog units
  int timerMilliseconds = 250;
  int recordsPerTick = 5000;
  std::vector<DialogControl> controls;
};

// The frame every progress dialog shares: caption, size, timer, OK and Stop
// in one place, the progress bar, and the "Files" and "Statistics" boxes.
DialogDescriptor ProgressDialogFrame(std::string caption, int height, int timerMilliseconds,
                                     int buttonsY, int progressY, int statisticsHeight);

// The usual progress dialog, 320 x 200: four file lines (input, output, error
// file, warning file) and three counters (records, warnings, errors). With
// labelledPaths the file lines keep their labels before the paths ("Input
// file: /data/x"), otherwise they show the bare paths.
DialogDescriptor StandardProgressDialog(std::string caption, int timerMilliseconds,
                                        bool labelledPaths, int outputSlot, int errorSlot,
                                        int warningSlot);

}  // namespace kelvarin
