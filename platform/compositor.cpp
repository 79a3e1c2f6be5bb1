#include "platform/compositor.h"

#include <QGuiApplication>

#ifdef KELVARIN_HAVE_X11
#include <X11/Xlib.h>
#endif

namespace kelvarin {

bool WindowSystemComposesWindows() {
#ifdef KELVARIN_HAVE_X11
  const auto* x11 =
      qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  Display* display = x11 ? x11->display() : nullptr;
  if (!display) return false;
  // A compositing manager owns the selection _NET_WM_CM_S<screen>.
  const QByteArray name = "_NET_WM_CM_S" + QByteArray::number(DefaultScreen(display));
  const Atom selection = XInternAtom(display, name.constData(), False);
  return selection != None && XGetSelectionOwner(display, selection) != None;
#else
  return false;
#endif
}

bool WindowSystemScreenCanBeGrabbed() {
  return QGuiApplication::platformName() == QLatin1String("xcb");
}

}  // namespace kelvarin
