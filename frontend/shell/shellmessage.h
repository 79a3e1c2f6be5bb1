// Message boxes of the front-end, titled with the program's name.
#pragma once

#include <QString>

class QWidget;

namespace kelvarin {

enum class MessageIcon { Stop, Information, Warning };

void ShowMessage(QWidget* parent, const QString& text, MessageIcon icon);

// true for Yes.
bool AskYesNo(QWidget* parent, const QString& text);

enum class YesNoCancel { Yes, No, Cancel };
YesNoCancel AskYesNoCancel(QWidget* parent, const QString& text);

// A string of the string table as text; empty when the table has none.
QString ResText(int id);

}  // namespace kelvarin
