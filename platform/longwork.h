// Long work on the user-interface thread, such as reading and laying out a
// report of a hundred megabytes: it holds the event loop for seconds, so the
// windows are painted before it and the wait cursor shows while it lasts.
#pragma once

class QWidget;

namespace kelvarin {

// Paints the window of `widget` at once, after the events waiting for it: a
// dialog just closed, or another program's window just gone, would otherwise
// leave its picture on the window while the work holds the event loop.
void PaintBeforeLongWork(QWidget* widget);

// Shows the wait cursor over every window of the program while it lives. A
// message box shown meanwhile has the normal cursor (see ShowMessage).
class WaitCursor {
 public:
  WaitCursor();
  ~WaitCursor();
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace kelvarin
