#include "tools/convert/jantrik/jantrikrecordstep.h"

#include "common/dateformats.h"

#include "tools/convert/jantrik/checksexsiteicd10.h"
#include "tools/convert/jantrik/icdo3toicd10.h"

namespace kelvarin {

namespace {

// "C%03d" of a topography value read from three characters (-99 to 999).
void TopographyText(int value, char text[5]) {
  text[0] = 'C';
  const int magnitude = value < 0 ? -value : value;
  text[1] = value < 0 ? '-' : static_cast<char>('0' + magnitude / 100 % 10);
  text[2] = static_cast<char>('0' + magnitude / 10 % 10);
  text[3] = static_cast<char>('0' + magnitude % 10);
  text[4] = '\0';
}

bool CannotConvert(const char code[5]) {
  for (int i = 0; i < 4; ++i)
    if (code[i] == '?' || code[i] == '#') return true;
  return false;
}

}  // namespace

void JantrikRecordStep::LineWithCode(std::string_view record, const char code[5]) {
  m_line.Assign(record);
  m_line.Append(' ');
  size_t length = 0;
  while (length < 4 && code[length] != '\0') ++length;
  for (size_t i = length; i < 4; ++i) m_line.Append(' ');
  m_line.Append(std::string_view(code, length));
}

void JantrikRecordStep::ConvertRecord(std::string_view record, const ConversionRow& row,
                                      ConversionReports& reports) {
  Icd10Conversion conversion{{'?', '?', '?', '?', '\0'}, ' ', ' '};

  // Topography: C and three digits, or the digits alone until the first code
  // with the C. A code in which no number is found cannot be looked up; a
  // code without its C is reported as such whatever its digits.
  char digits[4];
  m_topography.Read(record, row.topographyStart, row.topographyEnd, digits);
  if (m_topography.MissingPrefix()) conversion.errorMark = 'T';
  // Blanks count as '0' beside a digit; a code of blanks alone, or any other
  // character that is not a digit, makes the code an error, never a number
  // read from part of the field (a stray character or a blank subsite would
  // otherwise turn C50.9 into another site, and blanks alone into the lip).
  char number[3] = {digits[0], digits[1], digits[2]};
  int value = 0;
  if (!HasDigit(number, 3) || IsAllDigits(number, 3) != 0) {
    if (conversion.errorMark == ' ') conversion.errorMark = 't';
  } else {
    value = (number[0] - '0') * 100 + (number[1] - '0') * 10 + (number[2] - '0');
  }
  char topography[5];
  TopographyText(value, topography);

  const char key[5] = {
      ColumnChar(record, row.histologyStart), ColumnChar(record, row.histologyStart + 1),
      ColumnChar(record, row.histologyStart + 2), ColumnChar(record, row.histologyStart + 3),
      ColumnChar(record, row.behaviourStart)};
  const int sexIndex = SexIndex(record, row.sexStart, row.maleCode, row.femaleCode);
  if (sexIndex < 0) conversion.errorMark = 's';

  if (conversion.errorMark == ' ') {
    IcdO3ToIcd10(topography + 1, key, sexIndex, &conversion);
    if (CheckSexSiteIcd10(sexIndex, topography) != 0 ||
        CheckSexSiteIcd10(sexIndex, conversion.code) != 0)
      conversion.errorMark = 'S';
  }

  const char mark = conversion.errorMark;
  if (mark != ' ' || CannotConvert(conversion.code)) {
    if (mark == 't' || mark == 'm' || mark == 'T') {
      m_line.Assign(record);
      m_line.Append(" Invalid ICD-O-3 code (");
      m_line.Append(mark);
      m_line.Append(')');
    } else {
      LineWithCode(record, conversion.code);
      m_line.Append(mark == 's'   ? " Invalid sex code"
                    : mark == 'S' ? " Invalid sex/site/histology combination"
                                  : " Cannot convert record");
    }
    reports.WriteError(m_line.View());
    return;
  }

  // A review for one sex only does not concern the other.
  char review = conversion.reviewMark;
  if ((review == '+' && sexIndex == 1) || (review == '@' && sexIndex == 0)) review = ' ';
  LineWithCode(record, conversion.code);
  if (review != ' ') {
    const size_t length = m_line.Size();
    m_line.Append(review == 'b' ? " Unlikely behaviour code" : " Conversion should be checked");
    reports.WriteWarning(m_line.View());
    m_line.Truncate(length);
  }
  reports.WriteOutput(m_line.View());
}

}  // namespace kelvarin
