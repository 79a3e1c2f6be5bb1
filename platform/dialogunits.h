// Dialog units: the layouts of the dialogs and wizard pages are given in
// units of the widget's font, a quarter of its average character width across
// and an eighth of its height down.
#pragma once

#include <QRect>

class QWidget;

namespace kelvarin {

// A rectangle given in dialog units, in pixels.
QRect DialogRect(const QWidget* widget, int x, int y, int width, int height);

}  // namespace kelvarin
