// Dialog units: the page layouts are given in units of the dialog font, a
// quarter of its average character width across and an eighth of its height
// down.
#pragma once

#include <QRect>

class QWidget;

namespace kelvarin {

QRect DialogRect(const QWidget* widget, int x, int y, int width, int height);

}  // namespace kelvarin
