// Jantrik's work on one record: read the ICD-O-3 codes, find the ICD-10 code
// and write the record with it, or to the error file with the reason.
#pragma once

#include "tools/convert/common/conversionfields.h"
#include "tools/convert/common/conversionrecordstep.h"
#include "tools/convert/common/recordline.h"

namespace kelvarin {

class JantrikRecordStep : public ConversionRecordStep {
 public:
  static constexpr const char* kProgramName = "Jantrik";

  void ConvertRecord(std::string_view record, const ConversionRow& row,
                     ConversionReports& reports) override;

 private:
  // The record, a blank and the ICD-10 code as "%4.4s" writes it.
  void LineWithCode(std::string_view record, const char code[5]);

  PrefixedTopography m_topography;  // once a code with C was read, every code needs it
  RecordLine m_line;
};

}  // namespace kelvarin
