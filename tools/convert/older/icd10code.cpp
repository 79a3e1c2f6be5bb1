#include "tools/convert/older/icd10code.h"

namespace kelvarin {

const CodeRow* FindIcd10Rule(const char* codeText, Icd10RuleEdition edition)
{
    const std::uint32_t key = PackCodeKey(codeText);
    const CodeRow* row = FindCodeRow(ViewOf(Icd10RuleTable), key);
    if (row != nullptr && edition == Icd10RuleEdition::kCodeOnly) {
        for (const CodeRow& replacement : CodeOnlyIcd10Rows) {
            if (replacement.key == key)
                return &replacement;
        }
    }
    return row;
}

int Icd10TwoDigits(const char* codeText)
{
    return (codeText[1] - '0') * 10 + (codeText[2] - '0');
}

int Icd10ThreeDigits(const char* codeText)
{
    const char subsite = codeText[3];
    const int subsiteDigit = subsite >= '0' && subsite <= '9' ? subsite - '0' : 0;
    return Icd10TwoDigits(codeText) * 10 + subsiteDigit;
}

}  // namespace kelvarin
