// The pictures of the tool-bar buttons, drawn in code so that the bars and
// the menus look the same on every desktop, with or without an icon theme.
#pragma once

#include <QPixmap>
#include <QSize>

namespace kelvarin {

// The picture of a command's button at a bar's image size, on a transparent
// background; a plain card for a command without a picture of its own.
QPixmap ToolBarImage(int command, QSize size);

}  // namespace kelvarin
