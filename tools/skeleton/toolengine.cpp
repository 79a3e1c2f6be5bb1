#include "tools/skeleton/toolengine.h"

#include <cstdio>
#include <cstring>

#include "common/fileidentity.h"
#include "common/parameterfile.h"
#include "common/reportname.h"
#include "tools/skeleton/stopsignals.h"

namespace kelvarin {

namespace {
const char kCannotOpenFiles[] = "Cannot open file(s). Program halted\n";
}

ToolEngine::ToolEngine(std::string programTitle) : m_programTitle(std::move(programTitle)) {}

ToolEngine::~ToolEngine() { ReleaseClaims(); }

void ToolEngine::ReleaseClaims() {
  for (auto& declared : m_files) {
    ReleaseRunFile(declared.claim);
    declared.claim = -1;
  }
}

bool ToolEngine::FailStart(const std::string& message) {
  // Files this run created go again; files it found stay as they were.
  for (auto& declared : m_files)
    if (declared.file) declared.file->Discard();
  ReleaseClaims();
  m_input.Close();
  m_message = message;
  m_messageIcon = MessageIcon::kStop;
  m_running = false;
  return false;
}

bool ToolEngine::Start(const std::string& parameterFile, const std::tm& startTime) {
  // A stop signal waits until every file the start makes is in the handler's care.
  StopSignalsHeld held;
  m_startTime = startTime;
  ParameterFileLines lines;
  switch (ReadParameterFile(parameterFile, &lines)) {
    case ParameterFileStatus::kOk:
      break;
    case ParameterFileStatus::kCannotOpen:
    case ParameterFileStatus::kReadError:
      return FailStart(parameterFile + ":\r\ncannot open parameter file: program halted!");
    case ParameterFileStatus::kIncomplete:
      return FailStart(parameterFile +
                       ":\r\nthe parameter file has fewer than three lines: program halted!");
    case ParameterFileStatus::kTooLarge:
      return FailStart(parameterFile + ":\r\nthe lines of the parameter file are longer than " +
                       std::to_string(kMaxParameterFileBytes) + " bytes: program halted!");
    case ParameterFileStatus::kNulInPath:
      return FailStart(parameterFile +
                       ":\r\na path in the parameter file holds a NUL character: program halted!");
  }
  m_inputPath = lines.inputPath;
  m_outputPath = lines.outputPath;

  std::string error;
  if (!ReadRow(lines.row, &error))
    return FailStart(parameterFile + ":\r\nparameter row: " + error + ": program halted!");

  m_files.clear();
  DeclareFiles();
  if (!CheckPaths(parameterFile) || !OpenFiles()) return false;

  WriteHeaders();
  m_started = true;
  m_running = true;
  return true;
}

bool ToolEngine::CheckPaths(const std::string& parameterFile) {
  struct Named {
    const std::string* path;
    std::string role;
  };
  std::vector<Named> named;
  named.push_back({&m_inputPath, "input file"});
  named.push_back({&parameterFile, "parameter file"});
  for (const auto& declared : m_files)
    if (declared.open && !declared.temporary) named.push_back({&declared.path, declared.role});

  // Every file written must differ from the input, the parameter file and
  // every other file written.
  for (size_t i = 2; i < named.size(); ++i) {
    if (named[i].path->empty()) continue;
    for (size_t j = 0; j < i; ++j) {
      if (named[j].path->empty() || !SameFile(*named[i].path, *named[j].path)) continue;
      return FailStart(*named[i].path + ":\r\nthe " + named[i].role + " and the " + named[j].role +
                       " are the same file: program halted!");
    }
  }
  return true;
}

bool ToolEngine::OpenFiles() {
  if (!m_input.Open(m_inputPath)) {
    switch (m_input.openResult()) {
      case OpenForReading::kNotRegular:
        return FailStart(m_inputPath +
                         ":\r\nthe input file is not a regular file: program halted!");
      case OpenForReading::kInUse:
        return FailStart(m_inputPath +
                         ":\r\nthe input file is being written by another run: program halted!");
      default:
        return FailStart(kCannotOpenFiles);
    }
  }
  for (auto& declared : m_files) {
    if (!declared.open) continue;
    // A device or a pipe is no output: reports would be named beside it
    // (/dev/null.log). One found there is not even opened; a folder cannot
    // be opened.
    const std::string notRegular =
        declared.path + ":\r\nthe " + declared.role + " is not a regular file: program halted!";
    if (!declared.temporary && NamesDeviceOrPipe(declared.path)) return FailStart(notRegular);
    declared.file = std::make_unique<ReportFile>();
    ReportFile& file = *declared.file;
    const bool opened =
        declared.temporary ? file.OpenTemporary(declared.path) : file.Open(declared.path);
    if (declared.temporary && opened) declared.path = file.path();
    if (opened && !IsRegularFile(file.fd())) return FailStart(notRegular);
    if (opened && file.owned()) TakeIntoCare(static_cast<size_t>(&declared - m_files.data()));
    if (opened) continue;
    if (file.inUse())
      return FailStart(declared.path + ":\r\nthe " + declared.role +
                       " is in use by another run: program halted!");
    return FailStart(kCannotOpenFiles);
  }
  // Only now, with every file open, are earlier contents emptied.
  for (size_t i = 0; i < m_files.size(); ++i) {
    if (!m_files[i].file) continue;
    if (!m_files[i].file->Truncate()) return FailStart(kCannotOpenFiles);
    TakeIntoCare(i);
  }
  return true;
}

void ToolEngine::TakeIntoCare(size_t index) {
  DeclaredFile& declared = m_files[index];
  if (declared.inCare || !declared.file || !declared.file->owned()) return;
  declared.inCare = true;
  // A file the Stop keeps (a list already begun) stays whatever ends the run.
  if (declared.temporary || KeepFile(static_cast<int>(index) + 1, false)) return;
  declared.claim = ClaimRunFile(declared.path, declared.file->fd(), declared.file->id());
  if (m_runFileListener) m_runFileListener(declared.path, declared.file->id());
}

int ToolEngine::DeclareFile(const std::string& path, const std::string& role, bool open) {
  DeclaredFile declared;
  declared.path = path;
  declared.role = role;
  declared.open = open;
  m_files.push_back(std::move(declared));
  return static_cast<int>(m_files.size());
}

int ToolEngine::DeclareTemporaryFile(const std::string& pattern, const std::string& role) {
  const int slot = DeclareFile(pattern, role);
  m_files.back().temporary = true;
  return slot;
}

bool ToolEngine::CompleteFile(int slot) {
  if (slot < 1 || slot > static_cast<int>(m_files.size())) return false;
  DeclaredFile& declared = m_files[static_cast<size_t>(slot) - 1];
  if (!declared.file || !declared.file->isOpen()) return declared.file && declared.file->ok();
  StopSignalsHeld held;
  if (!declared.file->Close()) return false;
  ReleaseRunFile(declared.claim);
  declared.claim = -1;
  return true;
}

ReportFile& ToolEngine::File(int slot) {
  static ReportFile closed;
  if (slot < 1 || slot > static_cast<int>(m_files.size()) || !m_files[slot - 1].file) return closed;
  return *m_files[slot - 1].file;
}

const ReportFile& ToolEngine::File(int slot) const {
  return const_cast<ToolEngine*>(this)->File(slot);
}

bool ToolEngine::FileOpen(int slot) const {
  return slot >= 1 && slot <= static_cast<int>(m_files.size()) && m_files[slot - 1].file &&
         m_files[slot - 1].file->isOpen();
}

std::string ToolEngine::FilePath(int slot) const {
  if (slot == kInputSlot) return m_inputPath;
  if (slot >= 1 && slot <= static_cast<int>(m_files.size())) return m_files[slot - 1].path;
  return std::string();
}

bool ToolEngine::CheckRecordLength(int recordLength, std::string* error) const {
  if (recordLength >= 1 && recordLength <= kMaxRecordLength) return true;
  *error = "the record length " + std::to_string(recordLength) + " is not between 1 and " +
           std::to_string(kMaxRecordLength);
  return false;
}

bool ToolEngine::CheckField(const char* name, int first, int width, int recordLength,
                            std::string* error) const {
  if (first < 1) return true;
  return CheckSpan(name, first, first + width - 1, recordLength, error);
}

bool ToolEngine::CheckSpan(const char* name, int first, int last, int recordLength,
                           std::string* error) const {
  if (first < 1) return true;
  if (last < first) {
    *error = std::string(name) + " ends at column " + std::to_string(last) +
             ", before its first column " + std::to_string(first);
    return false;
  }
  if (last > recordLength) {
    *error = std::string(name) + " at columns " + std::to_string(first) + " to " +
             std::to_string(last) + " does not fit in records of " + std::to_string(recordLength) +
             " characters";
    return false;
  }
  return true;
}

int ToolEngine::ProgressOf(long long done) const {
  if (m_bytesPerRecord == 0) return 0;
  const uint64_t estimate = m_fileSize / m_bytesPerRecord;
  if (estimate == 0) return 0;
  const double position = static_cast<double>(done) * 100.0 / static_cast<double>(estimate);
  return position >= 100.0 ? 100 : static_cast<int>(position);
}

int ToolEngine::Progress() const { return m_endOfInput ? 100 : ProgressOf(m_records); }

long long ToolEngine::Counter(int slot) const {
  switch (slot) {
    case kRecordsCounter:
      return m_records;
    case kErrorsCounter:
      return m_errors;
    case kWarningsCounter:
      return m_warnings;
    default:
      return 0;
  }
}

std::string ToolEngine::ReportTitle() const {
  return kelvarin::ReportTitle(m_programTitle, m_startTime);
}

StepStatus ToolEngine::Step(int maxRecords) {
  if (!m_running) return m_endOfInput ? StepStatus::kFinished : StepStatus::kHalted;
  const size_t length = static_cast<size_t>(m_recordLength);
  for (int i = 0; i < maxRecords; ++i) {
    std::string_view record;
    if (!m_input.Next(&record)) return m_input.failed() ? FailRead() : FinishInput();
    if (record.size() != length)
      ProcessWrongLength(record);
    else
      ProcessRecord(record);
    ++m_records;
  }
  return CheckWrites();
}

void ToolEngine::Stop() { m_running = false; }

StepStatus ToolEngine::Halt(const std::string& message, MessageIcon icon) {
  m_running = false;
  m_message = message;
  m_messageIcon = icon;
  return StepStatus::kHalted;
}

StepStatus ToolEngine::FailRead() {
  m_failed = true;
  Halt(m_inputPath + ":\r\ncannot read the input file: program halted!", MessageIcon::kStop);
  return StepStatus::kFailed;
}

std::string ToolEngine::WriteFailure(const DeclaredFile& declared) const {
  const int error = declared.file->errorNumber();
  return declared.path + ":\r\ncannot write the file" +
         (error == 0 ? std::string() : std::string(" (") + std::strerror(error) + ")") +
         ": program halted!";
}

StepStatus ToolEngine::FailWrite() {
  std::string message;
  for (const auto& declared : m_files)
    if (declared.file && !declared.file->ok()) {
      message = WriteFailure(declared);
      break;
    }
  m_failed = true;
  Halt(message, MessageIcon::kStop);
  return StepStatus::kFailed;
}

StepStatus ToolEngine::CheckWrites() {
  for (const auto& declared : m_files)
    if (declared.file && !declared.file->ok()) return FailWrite();
  return StepStatus::kRunning;
}

StepStatus ToolEngine::FinishInput() {
  if (CheckWrites() == StepStatus::kFailed) return StepStatus::kFailed;
  m_endOfInput = true;
  m_running = false;
  return StepStatus::kFinished;
}

void ToolEngine::SetStatus(const std::string& text) {
  m_status = text;
  if (m_statusListener) m_statusListener(m_status);
}

void ToolEngine::ShowCounter(int slot, long long value) {
  if (m_counterListener) m_counterListener(slot, value);
}

bool ToolEngine::KeepFile(int, bool completed) const { return completed; }

void ToolEngine::DiscardUnlessKept(size_t index, bool completed) {
  DeclaredFile& declared = m_files[index];
  if (!declared.file) return;
  if (declared.temporary || !KeepFile(static_cast<int>(index) + 1, completed))
    declared.file->Discard();
}

bool ToolEngine::Finish() {
  if (m_finished) return m_finishResult;
  // A stop signal during the end of the run waits until it is settled.
  StopSignalsHeld held;
  m_finished = true;
  m_running = false;
  if (!m_started) {
    // A failed start has taken back what it made already.
    m_input.Close();
    return m_finishResult = false;
  }
  WriteSummaries();

  // Every file is judged once all it holds has reached it.
  bool completed = m_endOfInput && !m_failed;
  auto noteFailure = [this, &completed](const DeclaredFile& declared) {
    if (completed && !m_failed) {
      m_message = WriteFailure(declared);
      m_messageIcon = MessageIcon::kStop;
      m_closeFailed = true;
    }
    completed = false;
  };
  if (completed)
    for (const auto& declared : m_files)
      if (declared.file && declared.file->isOpen() && !declared.file->Flush())
        noteFailure(declared);
  for (size_t i = 0; i < m_files.size(); ++i) DiscardUnlessKept(i, completed);
  for (const auto& declared : m_files)
    if (declared.file && declared.file->isOpen() && !declared.file->Close()) noteFailure(declared);
  // A file that failed to close makes the whole run a failure after all.
  if (m_closeFailed)
    for (size_t i = 0; i < m_files.size(); ++i) DiscardUnlessKept(i, false);
  ReleaseClaims();
  m_input.Close();
  m_finishResult = completed;
  return completed;
}

}  // namespace kelvarin
