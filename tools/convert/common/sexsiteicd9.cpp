#include "tools/convert/common/sexsiteicd9.h"

namespace kelvarin {

int CheckSexSiteIcd9(int sexIndex, int site) {
  if (sexIndex == 0 && site >= 179 && site <= 184) return 1;
  if (sexIndex == 1 && site >= 185 && site <= 187) return 1;
  return 0;
}

}  // namespace kelvarin
