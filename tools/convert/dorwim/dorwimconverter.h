// ICD-10 code with ICD-O-2 morphology and behaviour to ICD-O-2: the code
// gives the topography, and the morphology and behaviour must fit it.
#pragma once

#include "tools/convert/common/standardrecordstep.h"

namespace kelvarin::dorwim {

// Whether the morphology is a valid ICD-O-2 morphology code.
bool IsIcdO2MorphologyCode(int morphology);

// codeText: the four characters of the ICD-10 code (letter, two digits and a
// subsite digit or a blank). On kConverted `out` holds the topography, the
// behaviour (6 becomes 3, and some classes set it) and the morphology (the
// row's own for the D codes of the myeloproliferative class).
ConversionResult Icd10ToIcdO2(const char* codeText, int morphology, int behaviour,
                              ConvertedCodes& out);

class DorwimConverter : public CodeConverter {
 public:
  int Convert(const RecordCodes& codes, const ConversionRow& row,
              ConvertedCodes* converted) override;
};

// Codes of a letter (C or D, either case) and two digits, the sex/site test
// on the converted topography, the codes appended or put in place, and the
// program's messages.
extern const StandardStepRules DorwimStepRules;

}  // namespace kelvarin::dorwim
