// The site-driven ICD-10 lookups of Jantrik: the five ICD-10 columns of every
// ICD-O-3 topography, the site groups and the sex split list.
#pragma once

#include <string_view>

namespace kelvarin {

// The row of a topography (three digits, e.g. "509") in the table of the five
// ICD-10 columns; an empty view when it has none.
std::string_view FindSiteColumns(const char topography[3]);

// Copies the ICD-10 code of a behaviour column 1 to 5 of a topography's row
// into code (four characters); any other column leaves code alone.
void CopySiteColumn(std::string_view row, int column, char code[4]);

// The ICD-10 code of a topography (three digits, e.g. "509") for a behaviour
// column 1 to 5 (1 malignant, 2 benign, 3 in situ, 4 uncertain, 5 secondary)
// written into code (four characters). Column 0 only tests that the topography
// has a row. Returns 0 when it has one, 1 when it has none.
int LookupSiteColumn(int column, const char topography[3], char code[4]);

// Walks a site list from an entry (numbered from 1) to the end of its group.
// The first entry whose site is the topography, or its two-digit site followed
// by '-', gives the code, a '-' in the code's fourth place standing for the
// topography's subsite digit. The group's closing "aos." entry gives a column
// of the topography's row or a code of its own. Code and review mark are set as
// the entry says; the review mark only when it is still ' '. An entry number
// outside the list leaves the code alone.
void LookupSiteGroup(int entry, const char topography[3], char code[4], char* reviewMark);

// The same walk over the sex split list, taking the code for sexIndex (0 man,
// 1 woman); this list sets no review mark.
void LookupSexSplit(int entry, const char topography[3], int sexIndex, char code[4]);

}  // namespace kelvarin
