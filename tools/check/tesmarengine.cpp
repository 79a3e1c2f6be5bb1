#include "tesmarengine.h"

#include "common/reportname.h"

namespace kelvarin {

TesmarEngine::TesmarEngine() : ToolEngine("Orvo-Check program") {}

bool TesmarEngine::ReadRow(const std::string& line, std::string* error) {
  if (!ParseRow(line, &m_row, error)) return false;
  const CheckRow& r = m_row;
  const int length = r.recordLength;
  if (!CheckRecordLength(length, error)) return false;
  if (!CheckField("sex", r.sexStart, 1, length, error) ||
      !CheckSpan("topography", r.topographyStart, r.topographyEnd, length, error) ||
      !CheckField("morphology", r.histologyStart, 4, length, error) ||
      !CheckField("behaviour", r.behaviourStart, 1, length, error) ||
      !CheckField("grade", r.gradeStart, 1, length, error) ||
      !CheckField("basis of diagnosis", r.basisStart, 1, length, error) ||
      !CheckSpan("age", r.ageStart, r.ageEnd, length, error) ||
      !CheckSpan("birth date", r.birthDateStart, r.birthDateEnd, length, error) ||
      !CheckSpan("incidence date", r.incidenceDateStart, r.incidenceDateEnd, length, error))
    return false;
  SetRecordLength(length);
  SetProgressBase(r.fileSize, static_cast<uint64_t>(length) + 2);
  return true;
}

void TesmarEngine::DeclareFiles() {
  DeclareFile(outputPath(), "output file");
  DeclareFile(DeriveReportName(inputPath(), ".err"), "error file");
  DeclareFile(DeriveReportName(inputPath(), ".chk"), "warning file");
  DeclareFile(DeriveReportName(outputPath(), ".log"), "log file");
}

void TesmarEngine::WriteHeaders() {
  m_today = TodayText(startTime());
  const std::string title = ReportTitle();
  ReportFile& err = File(kErrorSlot);
  err.Write(title);
  err.Printf("%s\n", inputPath().c_str());
  err.Write("The following records must be checked\n\n");
  ReportFile& chk = File(kWarningSlot);
  chk.Write(title);
  chk.Printf("%s\n", inputPath().c_str());
  chk.Write("The following records should be checked\n\n");
  ReportFile& log = File(kLogSlot);
  log.Write(title);
  log.Printf("Input file: %s\n", inputPath().c_str());
  log.Printf("Output file: %s\n", outputPath().c_str());
}

void TesmarEngine::ProcessRecord(std::string_view record) {
  ReportFile& out = File(kOutputSlot);
  out.Write(record);
  out.Put('\n');
}

void TesmarEngine::ProcessWrongLength(std::string_view record) {
  // The record goes, marked, to the error file and to the output file.
  for (int slot : {kErrorSlot, kOutputSlot}) {
    ReportFile& file = File(slot);
    file.Write(record);
    file.Write(" *\n");
  }
  ++m_errors;
  ++m_errorRecords;
  ++m_wrongLengthRecords;
}

void TesmarEngine::WriteSummaries() {
  ReportFile& log = File(kLogSlot);
  log.Printf("\n%lld records processed. Summary statistics:\n", m_records);
  if (m_errors > 0) {
    File(kErrorSlot).Printf("\n%lld individual record(s), %lld error(s)\n", m_errorRecords,
                            m_errors);
    log.Printf("\n%lld errors (%lld individual records) recorded in %s:\n\n", m_errors,
               m_errorRecords, File(kErrorSlot).path().c_str());
    if (m_wrongLengthRecords > 0) log.Printf("%lld incorrect record length\n", m_wrongLengthRecords);
  }
}

bool TesmarEngine::KeepFile(int slot, bool completed) const {
  if (!completed) return false;
  switch (slot) {
    case kErrorSlot:
      return m_errors > 0;
    case kWarningSlot:
      return m_warnings > 0;
    case kLogSlot:
      return m_errors > 0 || m_warnings > 0;
    default:
      return true;
  }
}

}  // namespace kelvarin
