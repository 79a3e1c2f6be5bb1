// The sex/site rule on ICD-O-3 topography texts and ICD-10 codes.
#pragma once

namespace kelvarin {

// 1 for an impossible combination of sex (0 man, 1 woman) and a code text of
// four characters: an ICD-O-3 topography "C509" or an ICD-10 code ("C56 ",
// "D069"); else 0. A man fails with C51-C58 and D06.0-D07.3, D25-D28, D39; a
// woman with C60-C63 and D07.4-D07.6, D29, D40. Every other text passes.
int CheckSexSiteIcd10(int sexIndex, const char code[4]);

}  // namespace kelvarin
