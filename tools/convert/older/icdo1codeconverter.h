// The converter and record-step rules of the two ICD-O-1 programs, which
// differ only in their IcdO1Variant.
#pragma once

#include "tools/convert/common/standardrecordstep.h"
#include "tools/convert/older/icdo1converter.h"

namespace kelvarin {

class IcdO1CodeConverter : public CodeConverter {
 public:
  explicit IcdO1CodeConverter(const IcdO1Variant& variant) : m_variant(variant) {}

  int Convert(const RecordCodes& codes, const ConversionRow& row,
              ConvertedCodes* converted) override;
  // A review site or morphology, or behaviour 6 or 9 moved by optionB.
  bool NeedsReview(const RecordCodes& codes, const ConversionRow& row,
                   const ConvertedCodes& converted) const override;

 private:
  const IcdO1Variant& m_variant;
};

// The converter of one ICD-O-1 program, its variant fixed.
template <const IcdO1Variant& kVariant>
class IcdO1VariantConverter : public IcdO1CodeConverter {
 public:
  IcdO1VariantConverter() : IcdO1CodeConverter(kVariant) {}
};

// Sites as four digits, the sex/site test on the site number / 10, the codes
// appended or put in place, and the messages in the programs' order.
extern const StandardStepRules IcdO1StepRules;

}  // namespace kelvarin
