// ICD-9 site with ICD-O-1 morphology and behaviour to ICD-O-2: the first
// stage turns the ICD-9 code into an ICD-O-1 site, checking the morphology
// and behaviour against it; the ICD-O-1 core does the rest.
#pragma once

#include "tools/convert/older/conversioncodes.h"

namespace kelvarin::bernit {

// The morphologies accepted before the conversion: the ICD-O-1 morphology
// table's codes with 9761 in place of 9634.
bool IsIcdO1MorphologyCode(int morphology);

// codeText: the four characters of the ICD-9 code (three digits and a
// subsite digit or a blank); sexIndex 0 male, 1 female, -1 unknown.
ConversionResult Icd9ToIcdO1(const char* codeText, int morphology, int behaviour, int sexIndex,
                             bool optionB, ConvertedCodes& out);

}  // namespace kelvarin::bernit
