#include "platform/lockkeys.h"

#include <QGuiApplication>

#ifdef KELVARIN_HAVE_X11
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#endif

namespace kelvarin {

unsigned LockKeysFromIndicators(unsigned mask, const LockIndicators& indicators) {
  const auto on = [mask](int bit) { return bit >= 0 && bit < 32 && (mask >> bit) & 1U; };
  return (on(indicators.caps) ? kCapsLock : 0U) | (on(indicators.num) ? kNumLock : 0U) |
         (on(indicators.scroll) ? kScrollLock : 0U);
}

#ifdef KELVARIN_HAVE_X11
namespace {

// The indicator's bit in the keyboard's indicator mask; -1 when the keyboard
// has no indicator of that name.
int IndicatorBit(Display* display, const char* name) {
  const Atom atom = XInternAtom(display, name, False);
  int index = -1;
  if (atom == None || !XkbGetNamedIndicator(display, atom, &index, nullptr, nullptr, nullptr))
    return -1;
  return index;
}

}  // namespace
#endif

std::optional<unsigned> ReadLockKeys() {
#ifdef KELVARIN_HAVE_X11
  const auto* x11 =
      qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  Display* display = x11 ? x11->display() : nullptr;
  if (!display) return std::nullopt;
  // The indicators' places are looked up once; the mask is read each time.
  static Display* known = nullptr;
  static LockIndicators indicators;
  if (known != display) {
    indicators = {IndicatorBit(display, "Caps Lock"), IndicatorBit(display, "Num Lock"),
                  IndicatorBit(display, "Scroll Lock")};
    known = display;
  }
  unsigned int mask = 0;
  if (XkbGetIndicatorState(display, XkbUseCoreKbd, &mask) != Success) return std::nullopt;
  return LockKeysFromIndicators(mask, indicators);
#else
  return std::nullopt;
#endif
}

}  // namespace kelvarin
