#include "frontend/res/toolbars.h"

#include <iterator>

#include "frontend/res/commandids.h"

namespace kelvarin {
namespace {

constexpr int kMainButtons[] = {kIdFileOpen, kIdFileSave,  0, kIdEditCut, kIdEditCopy, kIdEditPaste,
                                0,           kIdFilePrint, 0, kIdAppAbout};

// Image order of the hidden bar; 32788 stands twice, the first one counts.
constexpr int kMenuImageButtons[] = {32775, 57650, 57651, 57652, 137,   136,   57636,
                                     32783, 32784, 57601, 32788, 57667, 32776, 32777,
                                     32771, 32773, 32780, 32779, 32778, 32789, 32782,
                                     32788, 32781, 32772, 32774, 138,   32807, 32808};

// Alt+Enter is the class library's object-properties command, not the
// Properties item whose label shows it.
constexpr Accelerator kAccelerators[] = {
    {"Ctrl+O", kIdFileOpen},
    {"Ctrl+S", kIdFileSave},
    {"Ctrl+P", kIdFilePrint},
    {"Ctrl+Z", kIdEditUndo},
    {"Ctrl+X", kIdEditCut},
    {"Ctrl+C", kIdEditCopy},
    {"Ctrl+V", kIdEditPaste},
    {"Alt+Return", kIdOleEditProperties},
    {"Alt+Enter", kIdOleEditProperties},
    {"F1", kIdHelp},
    {"Shift+F1", kIdContextHelp},
};

}  // namespace

const ToolBarResource& MainToolBar() {
  static constexpr ToolBarResource bar{128, kMainButtons, static_cast<int>(std::size(kMainButtons)),
                                       16, 15};
  return bar;
}

const ToolBarResource& MenuImageBar() {
  static constexpr ToolBarResource bar{127, kMenuImageButtons,
                                       static_cast<int>(std::size(kMenuImageButtons)), 18, 17};
  return bar;
}

const AcceleratorTable& MainAccelerators() {
  static constexpr AcceleratorTable table{kAccelerators,
                                          static_cast<int>(std::size(kAccelerators))};
  return table;
}

}  // namespace kelvarin
