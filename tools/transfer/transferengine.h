// The file transfer: a delimited text file written as a fixed-width file,
// each chosen column right-aligned in its widest value + 2 characters, one
// line (ending in LF) per record; a column a record does not reach is
// written as blanks, so every line has the same length. A timer drives it in
// small steps: first a pass that measures every record's fields, then the
// pass that writes. Both read the input only as far as it reached at Start;
// an input cut short before that stops the transfer, and so does one of which
// the writing pass read other bytes than the measuring pass (rewritten in
// place meanwhile).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "common/reportfile.h"
#include "tools/transfer/delimitedfile.h"

namespace kelvarin {

// The wizard's timer: at most this many records a tick, one tick this often.
inline constexpr int kTransferBatch = 1000;
inline constexpr int kTransferTimerPeriodMs = 100;

enum class TransferState {
  kNotStarted,
  kMeasuring,  // reading every record for the column widths; nothing written yet
  kWriting,
  kDone,       // every record written and the output closed
  kCancelled,  // stopped by the user; what was written stays
  kFailed,     // a read or write error, an input cut short or rewritten or an
               // unclosed quote stopped it; the output was removed (or, after
               // an unclosed quote, left as it was found)
};

class TransferEngine {
 public:
  // The reader's buffer size matters to speed only; a test may make it tiny
  // to move the buffer's edges through both passes. A test may make the
  // reader's count step large (DelimitedFile::m_countStep).
  explicit TransferEngine(size_t readerBufferSize = DelimitedFile::kDefaultBufferSize,
                          long long countStep = 1);
  // A transfer still running is closed as Cancel closes it.
  ~TransferEngine();
  TransferEngine(const TransferEngine&) = delete;
  TransferEngine& operator=(const TransferEngine&) = delete;

  // Checks the files and opens them: the output is opened (created when it
  // does not exist) only once the input has opened and shown its delimiter,
  // and emptied only when the writing pass begins. `columns` are the 0-based
  // column indexes to write. False when refused, with message() for a stop
  // box (empty when no column was given); nothing is written then.
  bool Start(const std::string& inputFile, const std::string& outputFile, bool firstRowHasNames,
             const std::vector<int>& columns);
  // Handles up to maxRecords records of the current pass; returns the state.
  TransferState Step(int maxRecords);
  // Stops a running transfer; the output keeps the records written so far.
  void Cancel();

  TransferState state() const { return m_state; }
  bool running() const {
    return m_state == TransferState::kMeasuring || m_state == TransferState::kWriting;
  }
  // Bytes of the input handled by both passes, out of twice its length.
  uint64_t progressDone() const { return m_bytesMeasured + m_bytesDone; }
  uint64_t progressTotal() const { return 2 * m_reader.m_fileLength; }
  // Progress bar position, 0 to 100; 100 once done or for an empty input.
  int Progress() const;

  long long recordsWritten() const { return m_recordsWritten; }
  // Values of written columns longer than a field keeps (20 characters).
  long long valuesCut() const { return m_valuesCut; }
  // Fields beyond the hundredth of the records written.
  long long fieldsDropped() const { return m_fieldsDropped; }
  // Line ends inside quotes in the records written, each written as a blank.
  long long lineEndsJoined() const { return m_lineEndsJoined; }
  // The line on which the quoted field opens when the input ends inside it
  // (the transfer then failed before writing anything); 0 otherwise.
  uint64_t unclosedQuoteLine() const { return m_unclosedQuoteLine; }
  // Whether the transfer failed because the input was cut short or
  // rewritten in place while it ran (the input is the file opened at Start:
  // one renamed over its name changes nothing; bytes appended to it are not
  // read).
  bool inputChanged() const { return m_inputChanged; }
  // Why Start refused.
  const std::string& message() const { return m_message; }
  // The result text of a done or failed transfer, lines joined by "\n";
  // empty in any other state.
  std::string ResultText() const;
  // Each column's width in the output (its widest value + 2), once writing.
  const std::array<int, kMaxFields>& outputWidths() const { return m_widths; }

 private:
  TransferState StartWriting();
  void WriteRecord();
  TransferState Complete();
  // The input could not be read, or ended before the length it had at Start.
  TransferState FailReading();
  // The input was cut short, or the writing pass read other bytes than were
  // measured: nothing is kept.
  TransferState FailInputChanged();
  TransferState Fail(const std::string& what, const std::string& path, int errorNumber);
  // Stops with `text` as the result text and removes the output.
  TransferState FailWith(const std::string& text);
  // The input ends inside a quoted field: nothing is written.
  TransferState FailUnclosedQuote(uint64_t line);
  void CloseFiles();

  DelimitedFile m_reader;
  ReportFile m_output;
  std::string m_inputFile;
  std::string m_outputFile;
  bool m_firstRowHasNames = false;
  std::vector<int> m_columns;  // ascending
  std::array<int, kMaxFields> m_widths{};
  std::string m_line;
  TransferState m_state = TransferState::kNotStarted;
  uint64_t m_bytesMeasured = 0;
  uint64_t m_bytesDone = 0;
  long long m_recordsWritten = 0;
  long long m_valuesCut = 0;
  long long m_fieldsDropped = 0;
  long long m_lineEndsJoined = 0;
  uint64_t m_unclosedQuoteLine = 0;
  uint64_t m_measuredDigest = 0;  // the checksum of the bytes the measuring pass read
  bool m_inputChanged = false;
  std::string m_message;
  std::string m_failure;  // the result text of a failed transfer
};

// Position of a progress bar for done out of total bytes, 0 to 100; 100 when
// there is nothing to do.
int ProgressPercent(uint64_t done, uint64_t total);

}  // namespace kelvarin
