#include "tools/convert/common/conversionengine.h"

#include <cassert>

#include "common/reportname.h"

namespace kelvarin {

bool ConversionRecordStep::CheckRow(const ConversionRow&, std::string*) const { return true; }

namespace {

// A field the program reads must be in the records.
bool Require(const char* name, int first, std::string* error) {
  if (first >= 1) return true;
  *error = std::string("the ") + name + " field is not in the records";
  return false;
}

}  // namespace

ConversionEngine::ConversionEngine(const ConversionProgram& program, ConversionRecordStep& step)
    : ToolEngine(program.programTitle), m_program(program), m_step(step) {}

bool ConversionEngine::ReadRow(const std::string& line, std::string* error) {
  ConversionRow& r = m_row;
  r = ConversionRow();
  if (!ParseRow(line, &r, error, m_program.rowFieldCount)) return false;
  const int length = r.recordLength;
  if (!CheckRecordLength(length, error)) return false;
  // Every field the program reads lies inside the records: the site is read
  // as three characters from its first column and its last one.
  if (!Require("sex", r.sexStart, error) || !CheckField("sex", r.sexStart, 1, length, error) ||
      !Require("topography", r.topographyStart, error) ||
      !CheckSpan("topography", r.topographyStart, r.topographyEnd, length, error) ||
      !CheckField("topography", r.topographyStart, 3, length, error))
    return false;
  if (m_program.readsMorphology && (!Require("morphology", r.histologyStart, error) ||
                                    !CheckField("morphology", r.histologyStart, 4, length, error) ||
                                    !Require("behaviour", r.behaviourStart, error) ||
                                    !CheckField("behaviour", r.behaviourStart, 1, length, error)))
    return false;
  if (m_program.readsGrade && !CheckField("grade", r.gradeStart, 1, length, error)) return false;
  if (r.optionA != 0 && !CheckReplaceColumns(m_program.replaceForm, r, error)) return false;
  if (!m_step.CheckRow(r, error)) return false;

  SetRecordLength(length);
  const uint64_t lineEnd =
      m_program.progressDivisor == ProgressDivisor::kRecordLengthAndLineEnd ? kCrLfLineEnd : 0;
  SetProgressBase(r.fileSize, static_cast<uint64_t>(length) + lineEnd);
  return true;
}

bool ConversionEngine::WritesWarningFile() const {
  return m_program.warningSuffix != nullptr && m_program.writesWarningFile;
}

void ConversionEngine::DeclareFiles() {
  DeclareFile(outputPath(), "output file");
  DeclareFile(DeriveReportName(inputPath(), m_program.errorSuffix), "error file");
  if (m_program.warningSuffix != nullptr)
    DeclareFile(DeriveReportName(inputPath(), m_program.warningSuffix), "warning file",
                m_program.writesWarningFile);
}

void ConversionEngine::WriteHeaders() {
  const std::string title = ReportTitle();
  ReportFile& errors = File(kErrorSlot);
  errors.Write(title);
  errors.Printf("%s\n", inputPath().c_str());
  errors.Printf("The following records cannot be converted to %s\n\n", m_program.targetName);
  if (WritesWarningFile()) {
    ReportFile& warnings = File(kWarningSlot);
    warnings.Write(title);
    warnings.Printf("%s\n", inputPath().c_str());
    warnings.Write("The following records should be checked\n\n");
  }
}

void ConversionEngine::ProcessRecord(std::string_view record) {
  m_step.ConvertRecord(record, m_row, *this);
}

void ConversionEngine::ProcessWrongLength(std::string_view record) {
  WriteLine(kErrorSlot, record, " *");
  ++m_errors;
}

void ConversionEngine::WriteLine(int slot, std::string_view line, std::string_view mark) {
  ReportFile& file = File(slot);
  file.Write(line);
  file.Write(mark);
  file.Put('\n');
}

void ConversionEngine::WriteOutput(std::string_view line) { WriteLine(kOutputSlot, line); }

void ConversionEngine::WriteWarning(std::string_view line) {
  assert(WritesWarningFile() && "a program without a warning file writes a warning line");
  if (WritesWarningFile()) WriteLine(kWarningSlot, line);
  ++m_warnings;
}

void ConversionEngine::WriteError(std::string_view line) {
  WriteLine(kErrorSlot, line);
  ++m_errors;
}

void ConversionEngine::CountWarning() { ++m_warnings; }

void ConversionEngine::WriteSummaries() {
  if (m_errors != 0 && FileOpen(kErrorSlot))
    File(kErrorSlot).Printf("\n%lld record(s)\n", m_errors);
  if (m_warnings != 0 && WritesWarningFile() && FileOpen(kWarningSlot))
    File(kWarningSlot).Printf("\n%lld record(s)\n", m_warnings);
}

bool ConversionEngine::KeepFile(int slot, bool completed) const {
  if (!completed) return false;
  switch (slot) {
    case kErrorSlot:
      return m_errors != 0;
    case kWarningSlot:
      return m_warnings != 0;
    default:
      return true;
  }
}

}  // namespace kelvarin
