// ICD-9 code alone to ICD-O-2: the first stage derives an ICD-O-1 site,
// morphology and behaviour from the ICD-9 code; the ICD-O-1 core does the
// rest and hands the behaviour on as the first stage set it.
#pragma once

#include "tools/convert/common/standardrecordstep.h"

namespace kelvarin::alquen {

// codeText: the four characters of the ICD-9 code (three digits and a
// subsite digit or a blank); sexIndex 0 male, 1 female, -1 unknown. On
// kConverted the behaviour may be 6 or 9 (see the review rule).
ConversionResult Icd9ToIcdO1(const char* codeText, int sexIndex, ConvertedCodes& out);

class AlquenConverter : public CodeConverter {
 public:
  int Convert(const RecordCodes& codes, const ConversionRow& row,
              ConvertedCodes* converted) override;
  // A review code, or a converted behaviour of 9.
  bool NeedsReview(const RecordCodes& codes, const ConversionRow& row,
                   const ConvertedCodes& converted) const override;
};

// Codes of three digits and a subsite, the sex/site test on the code, the
// review line before the output line, and the program's messages.
extern const StandardStepRules AlquenStepRules;

}  // namespace kelvarin::alquen
