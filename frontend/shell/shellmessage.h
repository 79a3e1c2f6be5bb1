// What the front-end asks and says beyond the platform's message boxes.
#pragma once

#include <QString>

class QWidget;

namespace kelvarin {

enum class YesNoCancel { Yes, No, Cancel };
// A question with Yes, No and Cancel (whether to save a changed report).
YesNoCancel AskYesNoCancel(QWidget* parent, const QString& text);

// A string of the string table as text; empty when the table has none.
QString ResText(int id);

}  // namespace kelvarin
