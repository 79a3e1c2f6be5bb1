// Gorvat's work on one record: read the ICD-O-2 codes, test them, convert
// morphology and behaviour to ICD-O-3 and write the record with its new
// codes, or with the message that says why it cannot be converted.
#pragma once

#include "tools/convert/common/conversionfields.h"
#include "tools/convert/common/conversionrecordstep.h"
#include "tools/convert/common/messagechain.h"
#include "tools/convert/common/recordline.h"

namespace kelvarin {

// The messages, in the order in which the first that applies is taken.
extern const MessageChain GorvatMessages;

class GorvatRecordStep : public ConversionRecordStep {
 public:
  static constexpr const char* kProgramName = "Gorvat";

  void ConvertRecord(std::string_view record, const ConversionRow& row,
                     ConversionReports& reports) override;

 private:
  PrefixedTopography m_topography;  // once a code with C was read, every code needs it
  RecordLine m_line;
};

}  // namespace kelvarin
