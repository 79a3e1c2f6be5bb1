#include "tools/skeleton/toolengine.h"

#include <cstdio>

#include "common/fileidentity.h"
#include "common/parameterfile.h"
#include "common/reportname.h"

namespace kelvarin {

namespace {
const char kCannotOpenFiles[] = "Cannot open file(s). Program halted\n";
}

ToolEngine::ToolEngine(std::string programTitle) : m_programTitle(std::move(programTitle)) {}

ToolEngine::~ToolEngine() = default;

bool ToolEngine::FailStart(const std::string& message) {
  for (auto& declared : m_files)
    if (declared.file) declared.file->Abandon();
  m_input.Close();
  m_message = message;
  m_messageIcon = MessageIcon::kStop;
  m_running = false;
  return false;
}

bool ToolEngine::Start(const std::string& parameterFile, const std::tm& startTime) {
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
  }
  m_inputPath = lines.inputPath;
  m_outputPath = lines.outputPath;

  std::string error;
  if (!ReadRow(lines.row, &error))
    return FailStart(parameterFile + ":\r\nparameter row: " + error + ": program halted!");

  m_files.clear();
  DeclareFiles();
  if (!CheckPaths(parameterFile)) return false;
  if (!OpenFiles()) return FailStart(kCannotOpenFiles);

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
    if (declared.open) named.push_back({&declared.path, declared.role});

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
  if (!m_input.Open(m_inputPath)) return false;
  for (auto& declared : m_files) {
    if (!declared.open) continue;
    declared.file = std::make_unique<ReportFile>();
    if (!declared.file->Open(declared.path)) return false;
  }
  // Only now, with every file open, are earlier contents emptied.
  for (auto& declared : m_files)
    if (declared.file && !declared.file->Truncate()) return false;
  return true;
}

int ToolEngine::DeclareFile(const std::string& path, const std::string& role, bool open) {
  DeclaredFile declared;
  declared.path = path;
  declared.role = role;
  declared.open = open;
  m_files.push_back(std::move(declared));
  return static_cast<int>(m_files.size());
}

ReportFile& ToolEngine::File(int slot) {
  static ReportFile closed;
  if (slot < 1 || slot > static_cast<int>(m_files.size()) || !m_files[slot - 1].file) return closed;
  return *m_files[slot - 1].file;
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

StepStatus ToolEngine::FailWrite() {
  std::string path;
  for (const auto& declared : m_files)
    if (declared.file && !declared.file->ok()) {
      path = declared.path;
      break;
    }
  m_failed = true;
  Halt(path + ":\r\ncannot write the file: program halted!", MessageIcon::kStop);
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

bool ToolEngine::KeepFile(int, bool completed) const { return completed; }

bool ToolEngine::Finish() {
  if (m_finished) return m_finishResult;
  m_finished = true;
  m_running = false;
  if (m_started) WriteSummaries();

  bool closed = true;
  for (auto& declared : m_files) {
    if (!declared.file || !declared.file->isOpen()) continue;
    if (!declared.file->Close()) {
      if (closed && !m_failed) {
        m_message = declared.path + ":\r\ncannot write the file: program halted!";
        m_messageIcon = MessageIcon::kStop;
        m_closeFailed = true;
      }
      closed = false;
    }
  }
  m_input.Close();

  const bool completed = m_started && m_endOfInput && !m_failed && closed;
  for (size_t i = 0; i < m_files.size(); ++i) {
    auto& declared = m_files[i];
    // After a failed start the files it had opened are already taken back;
    // what was on disk before must stay.
    if (!declared.file || !m_started) continue;
    if (!KeepFile(static_cast<int>(i) + 1, completed)) declared.file->Remove();
  }
  m_finishResult = completed;
  return completed;
}

}  // namespace kelvarin
