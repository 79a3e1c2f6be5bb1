// ICD-10 codes as the ICD-10 programs read them: four characters, a letter,
// two digits and a subsite digit or a blank, looked up in the ICD-10 rule
// table. The table is compiled in once; the ICD-10-only program reads three
// of its rows differently.
#pragma once

#include "tools/convert/older/icd10ruletable.h"
#include "tools/convert/older/tablerow.h"

namespace kelvarin {

enum class Icd10RuleEdition {
  kWithMorphology,  // the program that reads an ICD-O-2 morphology beside the code
  kCodeOnly,        // the program that reads the ICD-10 code alone
};

// The rows the code-only program reads in place of the table's rows of the
// same keys.
inline constexpr std::string_view CodeOnlyIcd10Rows[] = {"C8446970535", "C9277986039", "D4778"};

// The rule row of a four-character code text, null when it is not a key.
const std::string_view* FindIcd10Rule(const char* codeText, Icd10RuleEdition edition);

// NN: the two digits after the letter.
int Icd10TwoDigits(const char* codeText);

// NNN: the three characters after the letter as a number (NN * 10 + subsite),
// a blank subsite counting as 0.
int Icd10ThreeDigits(const char* codeText);

}  // namespace kelvarin
