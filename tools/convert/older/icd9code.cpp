#include "tools/convert/older/icd9code.h"

namespace kelvarin {

const std::string_view* FindIcd9Rule(const char* codeText) {
  return FindRow(TableOf(Icd9RuleTable), std::string_view(codeText, 4));
}

int Icd9CodeNumber(const char* codeText) {
  const char subsite = codeText[3];
  const int subsiteDigit = subsite >= '0' && subsite <= '9' ? subsite - '0' : 0;
  return (codeText[0] - '0') * 1000 + (codeText[1] - '0') * 100 + (codeText[2] - '0') * 10 +
         subsiteDigit;
}

int Icd9RowSite(std::string_view row, int codeNumber, int sexIndex) {
  switch (RowClass(row)) {
    case '*':
      return codeNumber;
    case '0':
      if (sexIndex == 0) return 1759;
      return RowNumber(row, 5, 4);
    case ' ':
    case '8':
      return RowNumber(row, 5, 4);
    default:
      return -1;
  }
}

}  // namespace kelvarin
