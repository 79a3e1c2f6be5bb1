#include "tools/check/tesmarengine.h"

#include <cstdlib>

#include "common/reportname.h"
#include "tools/check/histologysitetable.h"

namespace kelvarin {

namespace {

// The texts of each error kind: its line in the one-line-per-error form
// (after the record), its fragment in the one-line-per-record form, and its
// log line.
struct ErrorTexts {
  const char* line;
  const char* fragment;
  const char* log;
};

constexpr ErrorTexts kErrorTexts[kCheckErrorKindCount] = {
    {" sex code\n", ";sex code", "%lld invalid sex code\n"},
    {" ICDO-3 (T)\n", ";ICDO-3 (T)", "%lld invalid ICDO-3 (T) code\n"},
    {" Sex/site combination\n", ";sex/site combination", "%lld invalid sex/site combination\n"},
    {" ICDO-3 (M)\n", ";ICDO-3 (M)", "%lld invalid ICDO-3 (M) code\n"},
    {" Behaviour code\n", ";behaviour code", "%lld invalid behaviour code\n"},
    {" Grade code\n", ";grade code", "%lld invalid grade code\n"},
    {" Birth date\n", ";birth date", "%lld invalid birth date\n"},
    {" Incidence date\n", ";date of diagnosis", "%lld invalid date of diagnosis\n"},
    {" Invalid age\n", ";invalid age", "%lld invalid age\n"},
    {" Date of diagnosis is before birth date\n", ";date of diagnosis is before birth date",
     "%lld date of diagnosis is before birth date\n"},
};

// The fragments of the one-line-per-record form follow their own order.
constexpr CheckErrorKind kFragmentOrder[] = {
    kSexCodeError,       kTopographyCodeError, kSexSiteError,       kMorphologyCodeError,
    kBehaviourCodeError, kGradeCodeError,      kIncidenceDateError, kBirthDateError,
    kAgeError,           kBeforeBirthError};

// And so do the log lines (after the wrong record length).
constexpr CheckErrorKind kErrorLogOrder[] = {
    kSexCodeError,       kTopographyCodeError, kSexSiteError, kMorphologyCodeError,
    kBehaviourCodeError, kGradeCodeError,      kAgeError,     kIncidenceDateError,
    kBirthDateError,     kBeforeBirthError};

// The warning-file line (after the record) and the log line of each warning
// kind; the histology/site line also carries the group number and name.
struct WarningTexts {
  const char* line;
  const char* log;
};

constexpr WarningTexts kWarningTexts[kCheckWarningKindCount] = {
    {" histology/site (%02d) %s\n", "%lld unlikely histology/site combination\n"},
    {" sex/histology\n", "%lld unlikely sex/histology combination\n"},
    {" behaviour/topography\n", "%lld unlikely behaviour/topography combination\n"},
    {" behaviour/histology\n", "%lld unlikely behaviour/histology combination\n"},
    {" basis/histology\n", "%lld unlikely basis/histology combination\n"},
    {" grade/morphology\n", "%lld unlikely grade/histology combination\n"},
    {" age/site/histology\n", "%lld unlikely age/site/histology combination\n"},
};

constexpr CheckWarningKind kWarningLogOrder[] = {
    kSexHistologyWarning,       kHistologySiteWarning,  kBehaviourSiteWarning,
    kBehaviourHistologyWarning, kGradeHistologyWarning, kBasisHistologyWarning,
    kAgeSiteHistologyWarning};

}  // namespace

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
  const int today = std::atoi(TodayText(startTime()).c_str());
  if (!m_check.Configure(r, today, error)) return false;
  SetRecordLength(length);
  SetProgressBase(r.fileSize, static_cast<uint64_t>(length) + kCrLfLineEnd);
  return true;
}

void TesmarEngine::DeclareFiles() {
  DeclareFile(outputPath(), "output file");
  DeclareFile(DeriveReportName(inputPath(), ".err"), "error file");
  DeclareFile(DeriveReportName(inputPath(), ".chk"), "warning file");
  DeclareFile(DeriveReportName(outputPath(), ".log"), "log file");
}

void TesmarEngine::WriteHeaders() {
  m_out = &File(kOutputSlot);
  m_err = &File(kErrorSlot);
  m_chk = &File(kWarningSlot);
  const std::string title = ReportTitle();
  m_err->Write(title);
  m_err->Printf("%s\n", inputPath().c_str());
  m_err->Write("The following records must be checked\n\n");
  m_chk->Write(title);
  m_chk->Printf("%s\n", inputPath().c_str());
  m_chk->Write("The following records should be checked\n\n");
  ReportFile& log = File(kLogSlot);
  log.Write(title);
  log.Printf("Input file: %s\n", inputPath().c_str());
  log.Printf("Output file: %s\n", outputPath().c_str());
}

void TesmarEngine::ProcessRecord(std::string_view record) {
  m_check.Check(record, m_records, &m_findings);
  WriteErrors(record);
  WriteWarnings(record);

  // The record reaches the output file byte for byte as it was read.
  if (m_findings.AnyError()) {
    ++m_errorRecords;
    return;
  }
  m_out->Write(record);
  if (m_check.AppendsAge())
    m_out->Printf(" %3d\n", m_findings.age);
  else
    m_out->Put('\n');
}

void TesmarEngine::WriteErrors(std::string_view record) {
  const RecordFindings& f = m_findings;
  ReportFile& err = *m_err;
  bool clean = true;
  for (int kind = 0; kind < kCheckErrorKindCount; ++kind) {
    if (!f.errors[kind]) continue;
    ++m_errorCounts[kind];
    ++m_errors;
    clean = false;
    if (m_row.oneRecordPerError() != 0) {
      err.Write(record);
      err.Write(kErrorTexts[kind].line);
    }
  }
  if (clean || m_row.oneRecordPerError() != 0) return;
  err.Write(record);
  for (CheckErrorKind kind : kFragmentOrder)
    if (f.errors[kind]) err.Write(kErrorTexts[kind].fragment);
  err.Put('\n');
}

void TesmarEngine::WriteWarnings(std::string_view record) {
  const RecordFindings& f = m_findings;
  ReportFile& chk = *m_chk;
  bool warned = false;
  for (int kind = 0; kind < kCheckWarningKindCount; ++kind) {
    if (f.warnings[kind] == 0) continue;
    ++m_warningCounts[kind];
    ++m_warnings;
    warned = true;
    chk.Write(record);
    if (kind == kHistologySiteWarning)
      chk.Printf(kWarningTexts[kind].line, f.warnings[kind], HistologyGroupName(f.warnings[kind]));
    else
      chk.Write(kWarningTexts[kind].line);
  }
  if (!warned) return;
  chk.Put('\n');
  ++m_warningRecords;
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
    File(kErrorSlot)
        .Printf("\n%lld individual record(s), %lld error(s)\n", m_errorRecords, m_errors);
    log.Printf("\n%lld errors (%lld individual records) recorded in %s:\n\n", m_errors,
               m_errorRecords, File(kErrorSlot).path().c_str());
    if (m_wrongLengthRecords > 0)
      log.Printf("%lld incorrect record length\n", m_wrongLengthRecords);
    for (CheckErrorKind kind : kErrorLogOrder)
      if (m_errorCounts[kind] > 0) log.Printf(kErrorTexts[kind].log, m_errorCounts[kind]);
  }
  if (m_warnings > 0) {
    File(kWarningSlot)
        .Printf("\n%lld individual record(s), %lld warning(s)\n", m_warningRecords, m_warnings);
    log.Printf("\n\n%lld warnings (%lld individual records) recorded in %s:\n\n", m_warnings,
               m_warningRecords, File(kWarningSlot).path().c_str());
    for (CheckWarningKind kind : kWarningLogOrder)
      if (m_warningCounts[kind] > 0) log.Printf(kWarningTexts[kind].log, m_warningCounts[kind]);
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
