// ICD-10 code alone to ICD-O-2: the code gives the topography and a default
// morphology, behaviour and grade. Some codes convert only for review
// (kCannotConvert: written marked '#') or need a hand review
// (kInvalidBehaviour).
#pragma once

#include "tools/convert/older/conversioncodes.h"

namespace kelvarin::caslov {

// codeText: the four characters of the ICD-10 code (letter, two digits and a
// subsite digit or a blank). Whenever the code is in the table, `out` holds
// topography, morphology, behaviour and grade, also for the review answers.
ConversionResult Icd10ToIcdO2(const char* codeText, ConvertedCodes& out);

}  // namespace kelvarin::caslov
