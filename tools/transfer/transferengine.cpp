#include "tools/transfer/transferengine.h"

#include <sys/stat.h>

#include <algorithm>
#include <cassert>
#include <cstdint>
#include <cstring>

#include "common/fileidentity.h"

namespace kelvarin {

int ProgressPercent(uint64_t done, uint64_t total) {
  if (total == 0 || done >= total) return 100;
  return static_cast<int>(done <= UINT64_MAX / 100 ? done * 100 / total : done / (total / 100));
}

TransferEngine::TransferEngine(size_t readerBufferSize, long long countStep)
    : m_reader(readerBufferSize) {
  m_reader.m_countStep = countStep;
}

TransferEngine::~TransferEngine() { Cancel(); }

bool TransferEngine::Start(const std::string& inputFile, const std::string& outputFile,
                           bool firstRowHasNames, const std::vector<int>& columns) {
  CloseFiles();
  m_state = TransferState::kNotStarted;
  m_inputFile = inputFile;
  m_outputFile = outputFile;
  m_firstRowHasNames = firstRowHasNames;
  m_bytesMeasured = m_bytesDone = 0;
  m_recordsWritten = m_valuesCut = m_fieldsDropped = m_lineEndsJoined = 0;
  m_unclosedQuoteLine = 0;
  m_measuredDigest = 0;
  m_inputChanged = false;
  m_message.clear();
  m_failure.clear();
  m_widths.fill(0);
  m_reader.m_fileLength = 0;

  m_columns.clear();
  for (int column : columns) {
    assert(column >= 0 && column < kMaxFields);
    if (column >= 0 && column < kMaxFields) m_columns.push_back(column);
  }
  std::sort(m_columns.begin(), m_columns.end());
  m_columns.erase(std::unique(m_columns.begin(), m_columns.end()), m_columns.end());
  if (m_columns.empty()) return false;

  if (SameFile(inputFile, outputFile)) {
    m_message = "Output and input file names are identical!";
    return false;
  }
  m_reader.m_path = inputFile;
  if (!m_reader.Open()) {
    m_message = "Cannot open input file!";
    return false;
  }
  // The measuring pass measures every record, so only the delimiter is
  // needed before it (not the preview's scan of the first records).
  if (!m_reader.DetectDelimiter() || !m_reader.StartMeasuring()) {
    m_message = m_reader.failed() ? "Cannot open input file!" : "Cannot find a field delimiter!";
    m_reader.Close();
    return false;
  }
  // A device or a pipe is no output file; one found there is not even opened.
  if (NamesDeviceOrPipe(outputFile) || !m_output.Open(outputFile) ||
      !IsRegularFile(m_output.fd())) {
    m_output.Discard();
    m_reader.Close();
    m_message = "Output file is not accessible!";
    return false;
  }
  m_state = TransferState::kMeasuring;
  return true;
}

TransferState TransferEngine::Step(int maxRecords) {
  for (int n = 0; running() && n < maxRecords; ++n) {
    if (!m_reader.ReadRecord()) {
      if (m_reader.failed()) return FailReading();
      return m_state == TransferState::kMeasuring ? StartWriting() : Complete();
    }
    if (m_state == TransferState::kMeasuring) {
      if (m_reader.m_unclosedQuoteLine > 0) return FailUnclosedQuote(m_reader.m_unclosedQuoteLine);
      m_reader.MeasureRecord();
      m_bytesMeasured += m_reader.m_recordBytes;
    } else {
      WriteRecord();
    }
  }
  if (!m_output.ok())
    return Fail("Cannot write the output file!", m_outputFile, m_output.errorNumber());
  return m_state;
}

TransferState TransferEngine::StartWriting() {
  // Every record has been measured, the header too when there is one.
  m_bytesMeasured = m_reader.m_fileLength;
  for (int i = 0; i < kMaxFields; ++i) m_widths[i] = m_reader.m_columnWidths[i] + 2;
  // Every line has the same length: the widths of the columns and its LF.
  size_t lineLength = 1;
  for (int i : m_columns) lineLength += static_cast<size_t>(m_widths[i]);
  m_line.assign(lineLength, '\n');
  m_measuredDigest = m_reader.readDigest();
  if (!m_reader.Rewind()) return FailReading();
  if (!m_output.Truncate())
    return Fail("Cannot write the output file!", m_outputFile, m_output.errorNumber());
  m_state = TransferState::kWriting;
  // The header names the columns and is not written.
  if (m_firstRowHasNames && m_reader.ReadRecord()) m_bytesDone += m_reader.m_recordBytes;
  if (m_reader.failed()) return FailReading();
  return m_state;
}

void TransferEngine::WriteRecord() {
  ++m_recordsWritten;
  m_bytesDone += m_reader.m_recordBytes;
  m_fieldsDropped += m_reader.m_surplusFields;
  m_lineEndsJoined += m_reader.m_joinedLineEnds;
  char* out = m_line.data();
  for (int i : m_columns) {
    const size_t width = static_cast<size_t>(m_widths[i]);
    // A column this record does not reach is blank.
    size_t kept = 0;
    if (i < m_reader.m_fieldCount) {
      const std::string& field = m_reader.m_fields[i];
      // Longer than its column only when the file was rewritten since it was measured.
      if (m_reader.m_fieldCut[i] || field.size() > width) ++m_valuesCut;
      kept = std::min(field.size(), width);
      std::memcpy(out + width - kept, field.data(), kept);
    }
    std::memset(out, ' ', width - kept);
    out += width;
  }
  m_output.Write(m_line);
}

TransferState TransferEngine::Complete() {
  // The widths fit the records written only when the writing pass read the
  // very bytes that were measured, up to the same length.
  if (m_reader.readDigest() != m_measuredDigest) return FailInputChanged();
  m_reader.Close();
  if (!m_output.Close())
    return Fail("Cannot write the output file!", m_outputFile, m_output.errorNumber());
  m_state = TransferState::kDone;
  return m_state;
}

TransferState TransferEngine::FailReading() {
  if (!m_reader.shrank())
    return Fail("Cannot read the input file!", m_inputFile, m_reader.readError());
  return FailInputChanged();
}

TransferState TransferEngine::FailInputChanged() {
  m_inputChanged = true;
  return FailWith("The input file changed during the transfer: nothing was written.");
}

TransferState TransferEngine::Fail(const std::string& what, const std::string& path,
                                   int errorNumber) {
  std::string text = what + "\n" + path + "\n";
  if (errorNumber != 0) text += std::string(std::strerror(errorNumber)) + "\n";
  return FailWith(text + "The transfer was stopped and the output file removed.");
}

TransferState TransferEngine::FailWith(const std::string& text) {
  m_reader.Close();
  // An output found while measuring has not been emptied yet: it goes as an
  // emptied one does.
  if (m_output.isOpen() && !m_output.owned()) m_output.Truncate();
  m_output.Discard();
  m_failure = text;
  m_state = TransferState::kFailed;
  return m_state;
}

TransferState TransferEngine::FailUnclosedQuote(uint64_t line) {
  m_reader.Close();
  // Nothing was written: a file Start created goes, one that was there stays.
  m_output.Discard();
  m_unclosedQuoteLine = line;
  m_failure =
      "The file ends inside a quoted field that opens on line " + std::to_string(line) + ".";
  m_state = TransferState::kFailed;
  return m_state;
}

void TransferEngine::Cancel() {
  if (m_state == TransferState::kNotStarted) m_state = TransferState::kCancelled;
  if (!running()) return;
  m_reader.Close();
  // Cancelled while measuring: the output is left empty, as at the start of writing.
  if (m_state == TransferState::kMeasuring) m_output.Truncate();
  if (!m_output.Close()) {
    Fail("Cannot write the output file!", m_outputFile, m_output.errorNumber());
    return;
  }
  m_state = TransferState::kCancelled;
}

void TransferEngine::CloseFiles() {
  if (running()) Cancel();
  m_reader.Close();
  m_output.Close();
}

int TransferEngine::Progress() const {
  if (m_state == TransferState::kDone) return 100;
  return ProgressPercent(progressDone(), progressTotal());
}

std::string TransferEngine::ResultText() const {
  if (m_state == TransferState::kFailed) return m_failure;
  if (m_state != TransferState::kDone) return std::string();
  std::string text = "Done!\n" + std::to_string(m_recordsWritten) + " records transfered from:\n" +
                     m_inputFile + "\nto\n" + m_outputFile;
  std::string losses;
  if (m_valuesCut > 0)
    losses = std::to_string(m_valuesCut) + " value(s) longer than " +
             std::to_string(m_reader.m_maxFieldLength + 5) + " characters were cut";
  if (m_fieldsDropped > 0)
    losses += (losses.empty() ? "" : ", ") + std::to_string(m_fieldsDropped) +
              " field(s) beyond the " + std::to_string(kMaxFields) + "th were dropped";
  if (!losses.empty()) text += "\n" + losses + ".";
  if (m_lineEndsJoined > 0)
    text += "\n" + std::to_string(m_lineEndsJoined) +
            " line break(s) inside quotes were written as blanks.";
  return text;
}

}  // namespace kelvarin
