// What the Format pages share: the date-format lists and the code edits.
#pragma once

#include <QString>
#include <Qt>

#include <string>

class QGroupBox;
class QLineEdit;
class QListWidget;
class QWidget;

namespace kelvarin {

// The width of a code edit on a page: three 'M's of the page's font.
int CodeEditWidth(const QWidget* page);

// An edit for a code of one character, named `name`, `width` pixels wide.
QLineEdit* CodeEdit(const QString& name, int width, Qt::Alignment alignment);

// The "Sex codes" group: the male and female code edits ("male", "female"),
// each followed by its label.
QGroupBox* SexCodesGroup(int codeWidth, QLineEdit** male, QLineEdit** female);

// A list of date formats named `name`, of which one row can be selected.
QListWidget* DateFormatList(const QString& name);

// A code character as an edit shows it: the byte as a Latin-1 character.
QString CodeText(char code);

// Fills a list with the date-format names as wide as the date field, in
// table order, so that a row is the stored format index; selects the stored
// index, the first name when it is negative, nothing when it is beyond the
// list.
void FillDateFormatList(QListWidget* list, int width, int storedIndex);

// The selected row, -1 for none.
int SelectedDateFormat(const QListWidget* list);

// How a page refuses its sex codes: two equal codes, then a code left empty
// (or blank, where blankIsUndefined), then a code that cannot stand in a
// parameter row ("Sex codes must be printable characters!").
struct SexCodeRefusals {
  const char* same;
  const char* undefined;
  bool blankIsUndefined;
};
inline constexpr SexCodeRefusals kFormatPageSexCodes{"Sex codes must be different!",
                                                     "Sex codes must be defined!", true};

// Reads the two sex-code edits. Returns the message that refuses them, or an
// empty text after storing the two codes.
QString ReadSexCodes(const QLineEdit* male, const QLineEdit* female, char* maleCode,
                     char* femaleCode, const SexCodeRefusals& refusals = kFormatPageSexCodes);

// Reads a one-character code edit: true after storing a code that can stand
// in a parameter row.
bool ReadCodeCharacter(const QString& text, char* code);

// Whether a text of an edit is made of 8-bit characters that can stand as
// codes; the bytes are stored in `bytes`.
bool ReadCodeText(const QString& text, std::string* bytes);

}  // namespace kelvarin
