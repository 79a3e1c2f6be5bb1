// Texts of the numbered menu entries (recent files, open windows).
#pragma once

#include <QString>

namespace kelvarin {

// "&1 text" .. "&9 text", "1&0 text", then plain numbers; '&' in the text
// stays a character.
QString NumberedMenuText(int index, const QString& text);

}  // namespace kelvarin
