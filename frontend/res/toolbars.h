// Tool bars and the accelerator table of the main frame.
#pragma once

namespace kelvarin {

// Button commands of a tool bar in their order; 0 is a separator. Every
// other button has an image of the bar's image size.
struct ToolBarResource {
  int resourceId;
  const int* commands;
  int count;
  int imageWidth;
  int imageHeight;
};

const ToolBarResource& MainToolBar();   // 128: the visible tool bar
const ToolBarResource& MenuImageBar();  // 127: images for the menus, never shown

struct Accelerator {
  const char* keys;  // in the portable form of the key-sequence parser
  int command;
};

struct AcceleratorTable {
  const Accelerator* entries;
  int count;
};

const AcceleratorTable& MainAccelerators();  // 128

}  // namespace kelvarin
