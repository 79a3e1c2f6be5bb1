#include "tools/convert/older/icd10code.h"

namespace kelvarin {

const std::string_view* FindIcd10Rule(const char* codeText, Icd10RuleEdition edition) {
  const std::string_view key(codeText, 4);
  const std::string_view* row = FindRow(TableOf(Icd10RuleTable), key);
  if (row != nullptr && edition == Icd10RuleEdition::kCodeOnly) {
    for (const std::string_view& replacement : CodeOnlyIcd10Rows) {
      if (replacement.substr(0, 4) == key) return &replacement;
    }
  }
  return row;
}

int Icd10TwoDigits(const char* codeText) { return (codeText[1] - '0') * 10 + (codeText[2] - '0'); }

int Icd10ThreeDigits(const char* codeText) {
  const char subsite = codeText[3];
  const int subsiteDigit = subsite >= '0' && subsite <= '9' ? subsite - '0' : 0;
  return Icd10TwoDigits(codeText) * 10 + subsiteDigit;
}

}  // namespace kelvarin
