// Reads the records of a fixed-width data file, one line each.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/filebuffer.h"
#include "common/fileidentity.h"

namespace kelvarin {

// A record ends at LF, at CR LF, or at a CR alone; the line end is never part
// of the record. A line is one record whatever its length, and a last line
// without a line end is a record too. Reading goes through a large buffer
// with no allocation per record.
class RecordReader {
 public:
  // The buffer size matters to speed only; a test may make it tiny to move
  // the buffer's edges through short files.
  explicit RecordReader(size_t bufferSize = kDefaultBufferSize);
  static constexpr size_t kDefaultBufferSize = 1 << 20;
  ~RecordReader();
  RecordReader(const RecordReader&) = delete;
  RecordReader& operator=(const RecordReader&) = delete;

  // Opens a regular file for reading, with a shared lock that keeps other
  // runs from writing it meanwhile; false when it cannot be opened, is not a
  // regular file or is being written by another run (openResult() tells
  // which). A pipe or a device is refused without waiting on it.
  bool Open(const std::string& path);
  OpenForReading openResult() const { return m_openResult; }
  void Close();
  bool isOpen() const { return m_in.isOpen(); }

  // The next record, valid until the next call. False at the end of the file
  // and after a read error (failed() tells which).
  bool Next(std::string_view* record);

  // Byte offset of the start of the record last returned.
  uint64_t recordOffset() const { return m_recordOffset; }
  bool failed() const { return m_in.failed; }
  uint64_t fileSize() const { return m_in.fileSize; }

  // Reads `length` bytes at `offset` without disturbing the sequential read;
  // fewer at the end of the file. False on a read error.
  bool ReadAt(uint64_t offset, size_t length, std::string* out) const;

 private:
  size_t m_bufferSize;
  FileBuffer m_in;
  OpenForReading m_openResult = OpenForReading::kCannotOpen;
  uint64_t m_recordOffset = 0;
  bool m_skipLineFeed = false;  // the last record ended with CR: a LF next belongs to it
  std::string m_longLine;       // a line longer than the buffer, gathered here
  bool m_inLongLine = false;
};

}  // namespace kelvarin
