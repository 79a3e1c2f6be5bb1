// File-dialog filters from the class library's form "Text|patterns|...|".
#pragma once

#include <QStringList>

namespace kelvarin {

// One filter per text and pattern pair: the text with the patterns in
// parentheses after it ("*.*" matches every file). Shown with the dialog's
// HideNameFilterDetails option the user sees the text alone.
QStringList FileDialogFilters(const QString& libraryFilter);

}  // namespace kelvarin
