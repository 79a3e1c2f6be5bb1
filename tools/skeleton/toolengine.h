// The engine side of every tool program: start-up from the parameter file,
// the record loop in batches, and the end of the run (summaries, closing,
// removal of what the run should not leave behind). A timer, a test or a
// benchmark drives it; the progress dialog only shows its state.
#pragma once

#include <cstdint>
#include <ctime>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "common/parameterfile.h"
#include "common/recordreader.h"
#include "common/reportfile.h"

namespace kelvarin {

enum class StepStatus {
  kRunning,   // more records to come
  kFinished,  // end of the input reached
  kHalted,    // the program stopped the run itself; message() says why
  kFailed,    // a read or write error; message() says which file
};

enum class MessageIcon { kStop, kInformation };

// Counter slots every tool has; a program adds its own after kFirstOwnCounter.
enum CounterSlot {
  kRecordsCounter = 0,
  kErrorsCounter = 1,
  kWarningsCounter = 2,
  kFirstOwnCounter = 3
};

// File slot of the input file; the files a program declares take 1, 2, ...
inline constexpr int kInputSlot = 0;

// The line end the progress estimates count after each record: CR LF, two
// bytes, as in a data file written with CR LF line ends. With LF line ends
// the estimate falls a little short and the bar holds at 100 near the end.
inline constexpr uint64_t kCrLfLineEnd = 2;

class ToolEngine {
 public:
  explicit ToolEngine(std::string programTitle);
  virtual ~ToolEngine();
  ToolEngine(const ToolEngine&) = delete;
  ToolEngine& operator=(const ToolEngine&) = delete;

  // Reads the parameter file, checks the row and the paths, opens the input
  // and every output, empties the outputs and writes the headers. On a failed
  // start nothing is created, emptied or removed, and message() holds the
  // text for the stop box.
  bool Start(const std::string& parameterFile, const std::tm& startTime);

  // Processes up to maxRecords records (or the program's own unit of work).
  virtual StepStatus Step(int maxRecords);

  // The user's Stop: no more work; the run stays incomplete.
  void Stop();

  // Writes the summaries, closes every file and removes what the run should
  // not leave: everything it wrote when it did not finish, the reports that
  // stayed empty when it did. True only after a finished run whose files all
  // closed cleanly; the program's exit code follows it.
  bool Finish();

  bool running() const { return m_running; }
  bool endOfInput() const { return m_endOfInput; }
  bool started() const { return m_started; }
  // A file failed to close cleanly in Finish (message() says which).
  bool closeFailed() const { return m_closeFailed; }
  const std::string& message() const { return m_message; }
  MessageIcon messageIcon() const { return m_messageIcon; }
  const std::string& programTitle() const { return m_programTitle; }

  // Progress bar position, 0 to 100.
  virtual int Progress() const;
  // Value shown by a counter control.
  virtual long long Counter(int slot) const;
  // Path shown by a file line: kInputSlot or a declared file's slot.
  std::string FilePath(int slot) const;
  // Text of the status line of programs that have one.
  const std::string& StatusText() const { return m_status; }
  // Called with the status text each time a step sets it, also in the middle
  // of a long step, so that a window can show it at once.
  void SetStatusListener(std::function<void(const std::string&)> listener) {
    m_statusListener = std::move(listener);
  }
  // Called with a counter's slot and the value to show each time a step
  // shows a counter in the middle of its work (a long step that walks the
  // whole file), so that a window can paint it at once.
  void SetCounterListener(std::function<void(int slot, long long value)> listener) {
    m_counterListener = std::move(listener);
  }
  virtual bool ProgressVisible() const { return true; }
  // Called with each file the run makes or empties that a Stop would take
  // back, as soon as it is made or emptied and before anything is written
  // into it: whoever started the program takes back these files, and only
  // these, should it end before the end of its run.
  void SetRunFileListener(std::function<void(const std::string& path, FileId id)> listener) {
    m_runFileListener = std::move(listener);
  }

  long long records() const { return m_records; }
  long long errors() const { return m_errors; }
  long long warnings() const { return m_warnings; }

 protected:
  // --- What each program supplies ---

  // Parses and checks line 3 of the parameter file; on failure sets *error
  // (a short reason, without the parameter file path) and returns false.
  // Must call SetRecordLength and SetProgressBase.
  virtual bool ReadRow(const std::string& row, std::string* error) = 0;
  // Declares the files the run writes, in opening order, with DeclareFile.
  virtual void DeclareFiles() = 0;
  // Writes the report headers once every file is open.
  virtual void WriteHeaders() = 0;
  // The work on one record of the right length.
  virtual void ProcessRecord(std::string_view record) = 0;
  // A record whose length differs from the record length.
  virtual void ProcessWrongLength(std::string_view record) = 0;
  // Summary lines, written before the files close (also after a stop).
  virtual void WriteSummaries() {}
  // Whether a declared file stays on disk at the end of the run.
  virtual bool KeepFile(int slot, bool completed) const;

  // --- Helpers for programs ---

  // Declares an output file; returns its slot. A file declared with
  // open = false is named (and shown) but not written.
  int DeclareFile(const std::string& path, const std::string& role, bool open = true);
  // Declares a temporary file of the run's own, made new from a mkstemp
  // pattern when the files open and without a name from then on, so that
  // nothing is left of it whatever ends the program; FilePath(slot) names
  // the name it had.
  int DeclareTemporaryFile(const std::string& pattern, const std::string& role);
  // Closes a file whose content is whole before the end of the run, so that
  // it stays as it is whatever ends the run. False on a write error.
  bool CompleteFile(int slot);
  ReportFile& File(int slot);
  const ReportFile& File(int slot) const;
  bool FileOpen(int slot) const;

  // Row checks: a present variable (first column 1 or more) must lie inside
  // the record. Each returns false and sets *error when it does not.
  bool CheckRecordLength(int recordLength, std::string* error) const;
  bool CheckField(const char* name, int first, int width, int recordLength,
                  std::string* error) const;
  bool CheckSpan(const char* name, int first, int last, int recordLength, std::string* error) const;

  void SetRecordLength(int recordLength) { m_recordLength = recordLength; }
  int recordLength() const { return m_recordLength; }
  // Progress estimate: records expected = fileSize / bytesPerRecord.
  void SetProgressBase(uint64_t fileSize, uint64_t bytesPerRecord) {
    m_fileSize = fileSize;
    m_bytesPerRecord = bytesPerRecord;
  }
  uint64_t fileSize() const { return m_fileSize; }
  // Position for done out of the estimated total, 0 to 100; 0 when no estimate.
  int ProgressOf(long long done) const;

  RecordReader& input() { return m_input; }
  const std::string& inputPath() const { return m_inputPath; }
  const std::string& outputPath() const { return m_outputPath; }
  const std::tm& startTime() const { return m_startTime; }
  // The dated title line of the reports.
  std::string ReportTitle() const;

  // Ends the run from inside Step: halted (by the program's own rule) or
  // failed (read or write error).
  StepStatus Halt(const std::string& message, MessageIcon icon);
  StepStatus FailRead();
  StepStatus FailWrite();
  // Marks the end of the input reached.
  StepStatus FinishInput();
  // Sets the status text and tells the listener.
  void SetStatus(const std::string& text);
  // Tells the counter listener to show value in the counter of slot.
  void ShowCounter(int slot, long long value);
  // kFailed when a file has failed a write, else kRunning.
  StepStatus CheckWrites();

  long long m_records = 0;
  long long m_errors = 0;
  long long m_warnings = 0;

 private:
  struct DeclaredFile {
    std::string path;
    std::string role;
    bool open = true;
    bool temporary = false;
    std::unique_ptr<ReportFile> file;
    int claim = -1;       // its claim for the stop signals' handler
    bool inCare = false;  // claimed and told to the run file listener
  };

  bool FailStart(const std::string& message);
  bool CheckPaths(const std::string& parameterFile);
  bool OpenFiles();
  // Takes back the file of a slot (index into m_files) when the run should
  // not leave it.
  void DiscardUnlessKept(size_t index, bool completed);
  void ReleaseClaims();
  // Once the file of a slot (index into m_files) is made or emptied: when a
  // Stop would take it back, puts it in the stop signals' care and tells
  // the run file listener.
  void TakeIntoCare(size_t index);
  std::string WriteFailure(const DeclaredFile& declared) const;

  std::string m_programTitle;
  std::string m_inputPath;
  std::string m_outputPath;
  std::tm m_startTime{};
  RecordReader m_input;
  std::vector<DeclaredFile> m_files;
  int m_recordLength = 0;
  uint64_t m_fileSize = 0;
  uint64_t m_bytesPerRecord = 0;
  bool m_started = false;
  bool m_running = false;
  bool m_endOfInput = false;
  bool m_failed = false;
  bool m_finished = false;
  bool m_finishResult = false;
  bool m_closeFailed = false;
  std::string m_message;
  MessageIcon m_messageIcon = MessageIcon::kStop;
  std::string m_status;
  std::function<void(const std::string&)> m_statusListener;
  std::function<void(const std::string&, FileId)> m_runFileListener;
  std::function<void(int, long long)> m_counterListener;
};

}  // namespace kelvarin
