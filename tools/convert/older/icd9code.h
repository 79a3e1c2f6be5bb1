// ICD-9 codes as the ICD-9 programs read them: four characters, three digits
// and a subsite digit or a blank, looked up in the ICD-9 rule table.
#pragma once

#include "tools/convert/older/icd9ruletable.h"
#include "tools/convert/older/tablerow.h"

namespace kelvarin {

// The rule row of a four-character code text; with a repeated key the first
// row of that key. Null when the code is not in the table.
const std::string_view* FindIcd9Rule(const char* codeText);

// The code as a number in four-digit units (category * 10 + subsite), a
// blank subsite counting as 0, so that 217 reads as 2170 like its 217.0.
// The text must be one whose first three characters are digits.
int Icd9CodeNumber(const char* codeText);

// The ICD-O-1 site a row names by itself: its target site (classes ' ', '0'
// and '8'; class '0', the female genital sites, moves a man to 175.9) or the
// code itself (class '*'); -1 for the other classes.
int Icd9RowSite(std::string_view row, int codeNumber, int sexIndex);

}  // namespace kelvarin
