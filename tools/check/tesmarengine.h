// The record check program's engine: checks every record of a fixed-width
// file and writes the output file (records without error), the error file,
// the warning file and the log file.
#pragma once

#include <string>
#include <string_view>

#include "common/parameterfile.h"
#include "tools/check/recordcheck.h"
#include "tools/skeleton/toolengine.h"

namespace kelvarin {

class TesmarEngine : public ToolEngine {
 public:
  // File slots, in opening order.
  enum Slot { kOutputSlot = 1, kErrorSlot = 2, kWarningSlot = 3, kLogSlot = 4 };

  TesmarEngine();

  const CheckRow& row() const { return m_row; }

 protected:
  bool ReadRow(const std::string& row, std::string* error) override;
  void DeclareFiles() override;
  void WriteHeaders() override;
  void ProcessRecord(std::string_view record) override;
  void ProcessWrongLength(std::string_view record) override;
  void WriteSummaries() override;
  bool KeepFile(int slot, bool completed) const override;

 private:
  void WriteErrors(std::string_view record);
  void WriteWarnings(std::string_view record);

  CheckRow m_row;
  RecordCheck m_check;
  // The open files, looked up once the run has started.
  ReportFile* m_out = nullptr;
  ReportFile* m_err = nullptr;
  ReportFile* m_chk = nullptr;
  RecordFindings m_findings{};
  long long m_errorRecords = 0;
  long long m_warningRecords = 0;
  long long m_wrongLengthRecords = 0;
  long long m_errorCounts[kCheckErrorKindCount] = {};
  long long m_warningCounts[kCheckWarningKindCount] = {};
};

}  // namespace kelvarin
