// The engine every conversion program runs on: the tool skeleton with the
// conversion row, the output file, the error file ".e<Program>" and the
// warning file ".w<Program>", their headers and trailers, the wrong-length
// records and the removal rules. What a program does with a record is its
// record step.
#pragma once

#include <string>
#include <string_view>

#include "common/parameterfile.h"
#include "tools/convert/common/conversionprogram.h"
#include "tools/convert/common/conversionrecordstep.h"
#include "tools/skeleton/toolengine.h"

namespace kelvarin {

class ConversionEngine : public ToolEngine, private ConversionReports {
 public:
  // File slots, in opening order. The warning slot exists only for the
  // programs that derive a warning file name.
  enum Slot { kOutputSlot = 1, kErrorSlot = 2, kWarningSlot = 3 };

  ConversionEngine(const ConversionProgram& program, ConversionRecordStep& step);

  const ConversionProgram& program() const { return m_program; }
  const ConversionRow& row() const { return m_row; }

 protected:
  bool ReadRow(const std::string& row, std::string* error) override;
  void DeclareFiles() override;
  void WriteHeaders() override;
  void ProcessRecord(std::string_view record) override;
  void ProcessWrongLength(std::string_view record) override;
  void WriteSummaries() override;
  bool KeepFile(int slot, bool completed) const override;

 private:
  void WriteOutput(std::string_view line) override;
  void WriteWarning(std::string_view line) override;
  void WriteError(std::string_view line) override;
  void CountWarning() override;

  bool WritesWarningFile() const;
  // Writes line and mark, then a line end, to the file of a slot.
  void WriteLine(int slot, std::string_view line, std::string_view mark = {});

  const ConversionProgram& m_program;
  ConversionRecordStep& m_step;
  ConversionRow m_row;
};

// The engine of a program with a record step of its own, which it owns. The
// step names its program: static constexpr const char* kProgramName.
template <class RecordStep>
class ConversionEngineOf : public ConversionEngine {
 public:
  ConversionEngineOf() : ConversionEngine(Program(), m_step) {}
  static const ConversionProgram& Program() {
    return *FindConversionProgram(RecordStep::kProgramName);
  }

 private:
  RecordStep m_step;
};

}  // namespace kelvarin
