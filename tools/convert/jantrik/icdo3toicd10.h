// The ICD-O-3 to ICD-10 converter of Jantrik.
#pragma once

namespace kelvarin {

// What the converter found for one record.
struct Icd10Conversion {
  char code[5];    // the 4-character ICD-10 code and a NUL; "????" when no rule set it
  char errorMark;  // ' ' none, 't' topography not in the table, 'm' morphology/behaviour not in the
                   // table
  char reviewMark;  // ' ' none, 'b' unlikely behaviour, '+' review for a man, '@' for a woman,
                    // any other character (also '\0'): review
};

// Converts an ICD-O-3 topography (three digits, "509"), morphology and
// behaviour (the key: four morphology characters and the behaviour character)
// for sexIndex 0 (man) or 1 (woman). A behaviour digit above 3 is converted as
// malignant (3) and marks the record with 'b'; a behaviour that is not a digit
// is an 'm' error. errorMark and reviewMark are set only when they change.
void IcdO3ToIcd10(const char topography[3], const char key[5], int sexIndex,
                  Icd10Conversion* result);

// The codes fixed whatever the rule gave: a malignant tumour (behaviour '3')
// of the liver (topography 22x) takes the code of its morphology (below 9590),
// and D21.8 becomes D21.9.
void ApplyFixedCodes(const char topography[3], int morphology, char behaviour, char code[4]);

}  // namespace kelvarin
