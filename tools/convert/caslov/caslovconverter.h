// ICD-10 code alone to ICD-O-2: the code gives the topography and a default
// morphology, behaviour and grade. Some codes convert only for review
// (kCannotConvert: written marked '#') or need a hand review
// (kInvalidBehaviour).
#pragma once

#include "tools/convert/common/standardrecordstep.h"

namespace kelvarin::caslov {

// codeText: the four characters of the ICD-10 code (letter, two digits and a
// subsite digit or a blank). Whenever the code is in the table, `out` holds
// topography, morphology, behaviour and grade, also for the review answers.
ConversionResult Icd10ToIcdO2(const char* codeText, ConvertedCodes& out);

class CaslovConverter : public CodeConverter {
 public:
  int Convert(const RecordCodes& codes, const ConversionRow& row,
              ConvertedCodes* converted) override;
};

// Codes of a letter and two digits (the letter is left to the table), the
// sex/site test on the converted topography, the codes always appended with
// the derived grade, review records marked '#', and the program's messages.
extern const StandardStepRules CaslovStepRules;

}  // namespace kelvarin::caslov
