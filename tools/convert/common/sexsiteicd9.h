// The sex/site rule on the 3-digit site numbers of ICD-9 and ICD-O-1.
#pragma once

namespace kelvarin {

// 1 when the sex cannot have the site: a man (sexIndex 0) with 179 to 184 (the
// female genital organs) or a woman (1) with 185 to 187 (the male genital
// organs); else 0. An unknown sex (-1) never fails.
int CheckSexSiteIcd9(int sexIndex, int site);

}  // namespace kelvarin
