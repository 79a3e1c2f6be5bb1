// A tool engine that only reads: the record reader and the skeleton's loop
// with no record work, to time them against `wc -l`. It takes a conversion
// row and writes nothing.
#pragma once

#include "common/parameterfile.h"
#include "tools/skeleton/toolengine.h"

namespace kelvarin {

class ReaderEngine : public ToolEngine {
 public:
  ReaderEngine() : ToolEngine("Reader") {}

 protected:
  bool ReadRow(const std::string& line, std::string* error) override {
    ConversionRow row;
    if (!ParseRow(line, &row, error, 16) || !CheckRecordLength(row.recordLength, error))
      return false;
    SetRecordLength(row.recordLength);
    SetProgressBase(row.fileSize, static_cast<uint64_t>(row.recordLength) + kCrLfLineEnd);
    return true;
  }
  void DeclareFiles() override {}
  void WriteHeaders() override {}
  void ProcessRecord(std::string_view record) override { m_bytes += record.size(); }
  void ProcessWrongLength(std::string_view record) override {
    m_bytes += record.size();
    ++m_errors;
  }

 private:
  unsigned long long m_bytes = 0;
};

}  // namespace kelvarin
