// Where the multiple primaries rules find their variables in a record, and
// how they read them.
#pragma once

#include "common/parameterfile.h"
#include "tools/multiple/datekey.h"

#include <cstdint>
#include <string_view>

namespace kelvarin {

// The columns the multiple primaries program uses (1-based; a first column
// below 1 means the variable is absent). Sex, behaviour, site and morphology
// are read from their first column with a fixed width.
struct MultipleLayout {
  // Widths of the two-digit site and the morphology code.
  static constexpr int kSiteWidth = 2;
  static constexpr int kMorphologyWidth = 4;

  int regNoStart = -1;
  int regNoEnd = -1;
  int seqNoStart = -1;
  int seqNoEnd = -1;
  int sexStart = -1;
  int topographyStart = -1;
  int histologyStart = -1;
  int behaviourStart = -1;
  int incidenceDateStart = -1;
  int incidenceDateEnd = -1;
  int incidenceDateFormat = 0;

  // The columns a multiple primary row names.
  static MultipleLayout FromRow(const MultiplePrimaryRow& row);

  // Width of the person key.
  int IdLength() const { return regNoEnd - regNoStart + 1; }

  // The person key: the id-length characters at regNoStart.
  std::string_view PersonKey(std::string_view record) const;
  // Sex code; a blank when absent.
  char Sex(std::string_view record) const;
  // Behaviour code; a blank when absent.
  char Behaviour(std::string_view record) const;
  // Two-digit site number. A topography code written with a leading C (either
  // case) is read after the letter; this is decided for each record.
  int Site(std::string_view record) const;
  // 4-digit morphology code.
  int Morphology(std::string_view record) const;
  // Sequence number: its digits (blanks count as '0'), 0 when absent or not a number.
  std::int64_t Sequence(std::string_view record) const;
  // Incidence date with the sequence number.
  DateKey IncidenceKey(std::string_view record) const;
};

// The decimal value of a field of `width` characters at 1-based `column`:
// leading blanks are skipped, the first character that is not a digit ends
// the number; 0 when there is no digit or the field lies outside the record.
int FieldNumber(std::string_view record, int column, int width);

// Whether a record takes part in the search: every malignant tumour, and on
// request benign or uncertain brain tumours and uncertain or in situ bladder tumours.
bool IsIncluded(int site, char behaviour, bool includeBrain, bool includeBladder);

}  // namespace kelvarin
