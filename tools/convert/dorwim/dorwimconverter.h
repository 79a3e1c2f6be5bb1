// ICD-10 code with ICD-O-2 morphology and behaviour to ICD-O-2: the code
// gives the topography, and the morphology and behaviour must fit it.
#pragma once

#include "tools/convert/older/conversioncodes.h"

namespace kelvarin::dorwim {

// Whether the morphology is a valid ICD-O-2 morphology code.
bool IsIcdO2MorphologyCode(int morphology);

// codeText: the four characters of the ICD-10 code (letter, two digits and a
// subsite digit or a blank). On kConverted `out` holds the topography, the
// behaviour (6 becomes 3, and some classes set it) and the morphology (the
// row's own for the D codes of the myeloproliferative class).
ConversionResult Icd10ToIcdO2(const char* codeText, int morphology, int behaviour,
                              ConvertedCodes& out);

}  // namespace kelvarin::dorwim
