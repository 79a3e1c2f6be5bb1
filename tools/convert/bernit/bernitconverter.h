// ICD-9 site with ICD-O-1 morphology and behaviour to ICD-O-2: the first
// stage turns the ICD-9 code into an ICD-O-1 site, checking the morphology
// and behaviour against it; the ICD-O-1 core does the rest.
#pragma once

#include "tools/convert/common/standardrecordstep.h"

namespace kelvarin::bernit {

// The morphologies accepted before the conversion: the ICD-O-1 morphology
// table's codes with 9761 in place of 9634.
bool IsIcdO1MorphologyCode(int morphology);

// codeText: the four characters of the ICD-9 code (three digits and a
// subsite digit or a blank); sexIndex 0 male, 1 female, -1 unknown.
ConversionResult Icd9ToIcdO1(const char* codeText, int morphology, int behaviour, int sexIndex,
                             bool optionB, ConvertedCodes& out);

class BernitConverter : public CodeConverter {
 public:
  int Convert(const RecordCodes& codes, const ConversionRow& row,
              ConvertedCodes* converted) override;
  // A review code or morphology, or behaviour 6 or 9 moved by optionB.
  bool NeedsReview(const RecordCodes& codes, const ConversionRow& row,
                   const ConvertedCodes& converted) const override;
};

// Codes of three digits and a subsite, the sex/site test on the code, the
// codes appended or put in place, and the program's messages.
extern const StandardStepRules BernitStepRules;

}  // namespace kelvarin::bernit
