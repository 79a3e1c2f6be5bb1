#include "tools/convert/jantrik/checksexsiteicd10.h"

#include "common/between.h"
#include "tools/convert/common/conversionfields.h"

namespace kelvarin {

int CheckSexSiteIcd10(int sexIndex, const char code[4]) {
  int number = 0;
  if (code[0] == 'C') {
    if (!ScanDecimal(code + 1, 2, 2, &number)) return 0;
    if (sexIndex == 0 && Between(number, 51, 58)) return 1;
    if (sexIndex == 1 && Between(number, 60, 63)) return 1;
    return 0;
  }
  if (code[0] == 'D') {
    // A three-character code (D27 and a blank) counts as its subsite 0.
    const bool threeCharacters = code[3] == ' ';
    if (!ScanDecimal(code + 1, threeCharacters ? 2 : 3, 3, &number)) return 0;
    if (threeCharacters) number *= 10;
    if (sexIndex == 0 &&
        (Between(number, 60, 73) || Between(number, 250, 289) || Between(number, 390, 399)))
      return 1;
    if (sexIndex == 1 &&
        (Between(number, 74, 76) || Between(number, 290, 299) || Between(number, 400, 409)))
      return 1;
  }
  return 0;
}

}  // namespace kelvarin
