#include "tools/multiple/multipleengine.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "common/dateformats.h"
#include "common/reportname.h"

namespace kelvarin {

namespace {

const char kProgramTitle[] = "Orvo/Semu multiple primaries program";
const char kReading[] = "Reading data file...";
const char kSorting[] = "Sorting data file...";
const char kLookingForDuplicates[] = "Looking for duplicates...";
const char kLookingForMultiples[] = "Looking for multiple primaries...";
const char kCreatingOutput[] = "Creating output file...";
const char kCompleted[] = "Completed!";
// The index grows as records come, so the room set aside at the start only
// saves early regrowth; a file size in the parameter row far above the real
// one must not make the start-up ask for more memory than the machine has.
constexpr std::uint64_t kMostEntriesReserved = std::uint64_t{1} << 20;
// A count that grows through a walk over the index is painted at most once
// in this time; the walk looks at the clock once every so many persons.
constexpr auto kWalkCountInterval = std::chrono::milliseconds(40);
constexpr unsigned kPersonsPerClockLook = 256;

// The pattern of the key file: a new file of the run's own in the system's
// temporary folder.
std::string KeyFilePattern() {
  std::error_code error;
  const std::filesystem::path folder = std::filesystem::temp_directory_path(error);
  return ((error ? std::filesystem::path("/tmp") : folder) / "multiple.key.XXXXXX").string();
}

}  // namespace

// A count that grows through one walk over the index: shown as the walk
// passes each multiple of ten, that multiple, but at most once every
// kWalkCountInterval, and whole at the walk's end. The clock is read only
// every kPersonsPerClockLook persons, so that the walk is no slower for it.
class MultipleEngine::WalkCount {
 public:
  WalkCount(MultipleEngine& engine, int slot)
      : m_engine(engine), m_slot(slot), m_shownAt(Clock::now()) {}
  // Called for each person the walk passes, with the count so far.
  void Person(long long count) {
    if (++m_persons % kPersonsPerClockLook != 0 || count / 10 == m_shown / 10) return;
    const Clock::time_point now = Clock::now();
    if (now - m_shownAt < kWalkCountInterval) return;
    m_shownAt = now;
    m_shown = count / 10 * 10;
    m_engine.ShowCounter(m_slot, m_shown);
  }
  void End(long long count) { m_engine.ShowCounter(m_slot, count); }

 private:
  using Clock = std::chrono::steady_clock;
  MultipleEngine& m_engine;
  int m_slot;
  Clock::time_point m_shownAt;
  unsigned m_persons = 0;
  long long m_shown = 0;
};

MultipleEngine::MultipleEngine() : ToolEngine(kProgramTitle), m_blocks(input()) {}

MultipleEngine::~MultipleEngine() = default;

bool MultipleEngine::ReadRow(const std::string& line, std::string* error) {
  if (!ParseRow(line, &m_layout, error)) return false;
  const MultiplePrimaryRow& r = m_layout;
  const int length = r.recordLength;
  if (!CheckRecordLength(length, error)) return false;
  if (r.regNoStart < 1) {
    *error = "the registration number is not in the records";
    return false;
  }
  if (!CheckSpan("registration number", r.regNoStart, r.regNoEnd, length, error) ||
      !CheckSpan("sequence number", r.seqNoStart, r.seqNoEnd, length, error) ||
      !CheckField("sex", r.sexStart, 1, length, error) ||
      !CheckField("topography", r.topographyStart, MultipleLayout::kSiteWidth, length, error) ||
      !CheckField("morphology", r.histologyStart, MultipleLayout::kMorphologyWidth, length,
                  error) ||
      !CheckField("behaviour", r.behaviourStart, 1, length, error) ||
      !CheckSpan("incidence date", r.incidenceDateStart, r.incidenceDateEnd, length, error))
    return false;
  int datePosition = -1;
  if (!ResolveDateFormat("incidence date", r.incidenceDateStart, r.incidenceDateEnd,
                         r.incidenceDateFormat, &datePosition, error))
    return false;

  const std::uint64_t bytesPerRecord = static_cast<std::uint64_t>(length) + kCrLfLineEnd;
  m_index = PersonIndex(m_layout.IdLength());
  m_index.Reserve(static_cast<std::size_t>(
      std::min<std::uint64_t>(r.fileSize / bytesPerRecord + 1, kMostEntriesReserved)));
  SetRecordLength(length);
  SetProgressBase(r.fileSize, bytesPerRecord);
  return true;
}

void MultipleEngine::DeclareFiles() {
  DeclareFile(outputPath(), "output file");
  DeclareFile(DeriveReportName(inputPath(), ".exl"), "excluded file");
  DeclareFile(DeriveReportName(inputPath(), ".mul"), "multiple file", writesMultipleFile());
  DeclareTemporaryFile(KeyFilePattern(), "key file");
}

void MultipleEngine::WriteHeaders() {
  const std::string title = ReportTitle();
  ReportFile& excluded = File(kExcludedSlot);
  excluded.Write(title);
  excluded.Printf("%s\n", inputPath().c_str());
  if (!writesMultipleFile()) return;
  ReportFile& multiple = File(kMultipleSlot);
  multiple.Printf("\t%s\n\n", kProgramTitle);
  multiple.Write(title);
  multiple.Write("The program found the following duplicate records of multiple primary.\n\n");
  multiple.Write("1. Those marked with * are duplicate registrations following the Orvo/Semu\n");
  multiple.Printf("rules (2004) and have NOT been written to the output file: %s.\n\n",
                  outputPath().c_str());
  multiple.Write(
      "2. The histology of the excluded case marked with ** should be reported in the\n");
  multiple.Write("case with the non-specific diagnosis which is recorded in the output file.\n\n");
  // On disk at once: a run that ends before the list is whole, by a Stop or
  // by a signal, leaves the same header.
  multiple.Flush();
}

void MultipleEngine::ProcessRecord(std::string_view record) {
  const bool included = IsIncluded(m_layout.Site(record), m_layout.Behaviour(record),
                                   m_layout.includeBrain != 0, m_layout.includeBladder != 0);
  if (included) {
    m_index.Add(m_layout.PersonKey(record), static_cast<std::int64_t>(input().recordOffset()));
    ++m_included;
  } else {
    ReportFile& file = File(kExcludedSlot);
    file.Write(record);
    file.Put('\n');
    ++m_excluded;
  }
  ++m_records;
}

void MultipleEngine::ProcessWrongLength(std::string_view) { m_wrongLength = true; }

StepStatus MultipleEngine::Step(int maxRecords) {
  if (!running()) return ToolEngine::Step(maxRecords);
  switch (m_phase) {
    case Phase::kReading:
      return ReadBatch(maxRecords);
    case Phase::kWriting:
      return WriteBatch(maxRecords);
    case Phase::kSearching:  // begins and ends within one step
    case Phase::kCompleted:
      break;
  }
  return FinishInput();
}

StepStatus MultipleEngine::ReadBatch(int maxRecords) {
  if (StatusText().empty()) SetStatus(kReading);
  const std::size_t length = static_cast<std::size_t>(recordLength());
  for (int i = 0; i < maxRecords; ++i) {
    std::string_view record;
    if (!input().Next(&record)) {
      if (input().failed()) return FailRead();
      return SortAndSearch();
    }
    if (record.size() != length) {
      ProcessWrongLength(record);
      return Halt("Input file does NOT have a fixed length width: program halted.",
                  MessageIcon::kInformation);
    }
    ProcessRecord(record);
  }
  return CheckWrites();
}

// Sorts the index and counts the records of persons with several records
// from their keys alone; when there are any, walks the index person by
// person: every record of such a person goes to the key file, and the rules
// mark that person's duplicate registrations. The status line names each
// part as it begins; the counts of the input are shown before the sort, the
// multiples and the duplicates as each walk goes and at its end.
StepStatus MultipleEngine::SortAndSearch() {
  m_phase = Phase::kSearching;
  ShowCounter(kRecordsCounter, m_records);
  ShowCounter(kExcludedCounter, m_excluded);
  SetStatus(kSorting);
  m_index.Sort();
  SetStatus(kLookingForDuplicates);
  const std::size_t count = m_index.Size();
  WalkCount multiples(*this, kMultiplesCounter);
  for (std::size_t first = 0, end = 0; first < count; first = end) {
    end = m_index.PersonEnd(first);
    if (end - first > 1) m_multiples += static_cast<long long>(end - first);
    multiples.Person(m_multiples);
  }
  multiples.End(m_multiples);
  if (m_multiples != 0) {
    SetStatus(kLookingForMultiples);
    ReportFile& keyFile = File(kKeySlot);
    WalkCount duplicates(*this, kDuplicatesCounter);
    for (std::size_t first = 0, end = 0; first < count; first = end) {
      end = m_index.PersonEnd(first);
      duplicates.Person(m_duplicates);
      if (end - first < 2) continue;
      if (!ReadPerson(first, end)) return FailRead();
      keyFile.Write(m_personRecords);
      ResolvePerson(first, end);
    }
    duplicates.End(m_duplicates);
  }
  if (m_duplicates != 0 && writesMultipleFile()) {
    ReportFile& multiple = File(kMultipleSlot);
    multiple.Printf("\n%lld record(s)", m_multiples);
    multiple.Printf("\n%lld duplicate registration(s)", m_duplicates);
  }
  // The list is whole now: it stays whatever ends the run from here on.
  if (writesMultipleFile() && !CompleteFile(kMultipleSlot)) return FailWrite();
  m_phase = Phase::kWriting;
  SetStatus(kCreatingOutput);
  m_cursor = 0;
  return CheckWrites();
}

bool MultipleEngine::ReadPerson(std::size_t first, std::size_t end) {
  const std::size_t length = static_cast<std::size_t>(recordLength());
  m_personRecords.clear();
  for (std::size_t i = first; i < end; ++i) {
    std::string_view record;
    if (!m_blocks.Read(static_cast<std::uint64_t>(m_index.Offset(i)), length, &record))
      return false;
    m_personRecords += record;
    m_personRecords += '\n';
  }
  return true;
}

void MultipleEngine::ResolvePerson(std::size_t first, std::size_t end) {
  const std::size_t length = static_cast<std::size_t>(recordLength());
  m_group.Clear();
  for (std::size_t i = first; i < end; ++i) {
    const std::string_view record(m_personRecords.data() + (i - first) * (length + 1), length);
    m_group.Add(record, m_index.Offset(i), i, m_layout);
  }
  m_group.Resolve();

  m_lines.clear();
  if (writesMultipleFile()) {
    m_group.AppendMultipleLines(m_lines);
    File(kMultipleSlot).Write(m_lines);
  } else {
    m_group.AppendNumberedSetAside(m_lines);
    File(kOutputSlot).Write(m_lines);
  }
  for (const GroupEntry& entry : m_group.Entries()) {
    if (!entry.SetAside()) continue;
    m_index.SetAside(entry.indexPosition);
    ++m_duplicates;
  }
}

StepStatus MultipleEngine::WriteBatch(int maxRecords) {
  const std::size_t length = static_cast<std::size_t>(recordLength());
  ReportFile& output = File(kOutputSlot);
  const std::string_view lineEnd = writesMultipleFile() ? "\n" : " 00\n";
  for (int i = 0; i < maxRecords && m_cursor < m_index.Size(); ++i, ++m_cursor) {
    if (m_index.IsSetAside(m_cursor)) continue;
    std::string_view record;
    if (!m_blocks.Read(static_cast<std::uint64_t>(m_index.Offset(m_cursor)), length, &record))
      return FailRead();
    output.Write(record);
    output.Write(lineEnd);
  }
  if (CheckWrites() == StepStatus::kFailed) return StepStatus::kFailed;
  if (m_cursor < m_index.Size()) return StepStatus::kRunning;
  m_phase = Phase::kCompleted;
  SetStatus(kCompleted);
  return FinishInput();
}

int MultipleEngine::Progress() const {
  switch (m_phase) {
    case Phase::kReading:
      return ProgressOf(m_included);
    case Phase::kWriting:
      return m_index.Size() == 0 ? 0 : static_cast<int>(m_cursor * 100 / m_index.Size());
    case Phase::kSearching:
    case Phase::kCompleted:
      break;
  }
  return 100;
}

long long MultipleEngine::Counter(int slot) const {
  switch (slot) {
    case kExcludedCounter:
      return m_excluded;
    case kMultiplesCounter:
      return m_multiples;
    case kDuplicatesCounter:
      return m_duplicates;
    default:
      return ToolEngine::Counter(slot);
  }
}

void MultipleEngine::WriteSummaries() {
  if (m_excluded != 0) File(kExcludedSlot).Printf("\n%lld record(s)\n", m_excluded);
}

bool MultipleEngine::KeepFile(int slot, bool completed) const {
  switch (slot) {
    case kOutputSlot:
      return completed;
    case kExcludedSlot:
      return completed && m_excluded != 0;
    case kMultipleSlot:
      // A list already written stays, also after a stop; one that failed a
      // write does not.
      return File(kMultipleSlot).ok();
    default:
      return false;  // the key file
  }
}

}  // namespace kelvarin
