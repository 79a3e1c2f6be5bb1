// The two forms in which converted codes reach the output file: appended to
// the record, or written in place of the input codes.
#pragma once

#include <string>

#include "common/parameterfile.h"
#include "tools/convert/common/recordline.h"

namespace kelvarin {

// Which input codes a program can replace in place (optionA nonzero).
enum class ReplaceForm {
  kNone,                // the program always appends
  kSiteAndCodes,        // topography, morphology and behaviour
  kMorphologyAndCodes,  // morphology and behaviour only; the topography stays
};

// Appends " C%03d%d%d" and the last character (the record's grade character,
// '9' or a grade digit) to the line.
void AppendConvertedCodes(RecordLine& line, int topography, int morphology, int behaviour,
                          char last);

// Writes the converted codes over the input codes. kSiteAndCodes: "C" and the
// first two digits of the topography over the three columns from
// topographyStart, its last digit over topographyEnd; both forms: the
// morphology as four digits from histologyStart and the behaviour digit at
// behaviourStart. The grade is never changed; the line keeps its length.
void ReplaceConvertedCodes(ReplaceForm form, const ConversionRow& row, RecordLine& line,
                           int topography, int morphology, int behaviour);

// Checks at start that replacing cannot write over a neighbouring field: each
// field receiving a code must be at least as wide as the code, and no two
// codes may share a column. The fields are known to lie inside the records.
// False with a reason in *error when the codes cannot be put in place.
bool CheckReplaceColumns(ReplaceForm form, const ConversionRow& row, std::string* error);

}  // namespace kelvarin
