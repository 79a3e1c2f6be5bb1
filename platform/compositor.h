// Whether the window system composes translucent windows over what lies
// behind them (a compositing manager runs on X11). Without one, a
// translucent margin of a window would show black.
#pragma once

namespace kelvarin {

bool WindowSystemComposesWindows();
// Whether a program may read what the screen shows (X11; not Wayland).
bool WindowSystemScreenCanBeGrabbed();

}  // namespace kelvarin
