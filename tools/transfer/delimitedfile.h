// Reads a delimited text file (fields separated by TAB, comma, bar or
// semicolon), one record per line, for the file transfer. It finds the
// delimiter, splits each record into at most 100 fields of at most 20 bytes,
// and measures each column's widest value.
//
// A record ends at LF, at CR LF or at a lone CR. With the comma delimiter a
// field may be quoted: a delimiter inside the quotes is an ordinary character,
// a doubled quote is stored as an apostrophe, and a line end inside the quotes
// is stored as one blank, so a record never spans two lines of the output.
// After the closing quote a comma, a line end or the end of the file ends the
// field; any other byte is stored and the field goes on unquoted. A byte-order
// mark at the start of the file is not data. Only the bytes the file held
// when it was opened are read; a file that is cut short meanwhile is a read
// failure. The file is read through a large buffer, and a checksum follows
// what is read from its start, so that a caller reading it twice can tell
// whether both readings were handed the same bytes.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "common/filebuffer.h"
#include "tools/transfer/bytedigest.h"

namespace kelvarin {

inline constexpr int kMaxFields = 100;
// Records measured by ScanRecords: the preview's 1500 and a header.
inline constexpr int kScanRecords = 1501;
// Bytes at the start of the file looked at to find the delimiter.
inline constexpr int kDelimiterSample = 5000;

class DelimitedFile {
 public:
  // The buffer size matters to speed only; a test may make it tiny to move
  // the buffer's edges through short files.
  explicit DelimitedFile(size_t bufferSize = kDefaultBufferSize);
  static constexpr size_t kDefaultBufferSize = 1 << 18;
  ~DelimitedFile();
  DelimitedFile(const DelimitedFile&) = delete;
  DelimitedFile& operator=(const DelimitedFile&) = delete;

  // Opens m_path for reading and takes m_fileLength, where reading will stop.
  // False when it cannot be opened or is not a regular file (a pipe is
  // refused without waiting on it).
  bool Open();
  // Closing twice is harmless.
  void Close();
  // Finds the delimiter and measures the first records; false when no file is
  // open or no delimiter is found. Leaves the file at its start.
  bool Prepare();
  // Sets m_delimiter from the first bytes of the file; false when none fits.
  bool DetectDelimiter();
  // Reads the next record into m_fields, m_fieldCount, m_recordBytes,
  // m_fieldCut, m_surplusFields, m_joinedLineEnds and m_unclosedQuoteLine.
  // False when no record is left, no delimiter is set or the file cannot be
  // read (failed() tells).
  bool ReadRecord();
  // Measures the first kScanRecords records, then goes back to the start.
  void ScanRecords();

  // Measuring step by step: StartMeasuring goes to the start and clears the
  // widths; MeasureRecord raises them with the record last read.
  bool StartMeasuring();
  void MeasureRecord();
  // Goes back to the start of the file, past a byte-order mark.
  bool Rewind();

  bool isOpen() const { return m_file.isOpen(); }
  // A read error happened (readError() is its errno), or the file ended
  // before the length it had when it was opened (shrank()).
  bool failed() const { return m_file.failed; }
  int readError() const { return m_file.error; }
  bool shrank() const { return m_file.shrank; }
  // The checksum of the bytes read from the start of the file (the last
  // Rewind) up to where reading has come: the whole length taken at Open
  // once ReadRecord has found no record left.
  uint64_t readDigest() const { return m_read.Value(); }

  std::string m_path;
  uint64_t m_fileLength = 0;
  int m_fieldCount = 0;     // fields of the record last read, at most kMaxFields
  int m_maxFieldCount = 0;  // the number of columns measured
  char m_delimiter = 0;     // 0: none found
  // The fields of the record last read; those the record does not reach hold ".".
  std::array<std::string, kMaxFields> m_fields;
  std::array<int, kMaxFields> m_columnWidths{};
  uint64_t m_recordBytes = 0;  // bytes of the record last read, its line end included
  // A field keeps at most m_maxFieldLength + 5 bytes; a longer one is cut
  // there, or before a UTF-8 character that would straddle the cut.
  int m_maxFieldLength = 15;
  // Field i of the record last read was longer than a field keeps.
  std::array<bool, kMaxFields> m_fieldCut{};
  // Fields of the record last read beyond the hundredth, read and dropped.
  long long m_surplusFields = 0;
  // Line ends inside quotes in the record last read (each stored as a blank).
  long long m_joinedLineEnds = 0;
  // When the record last read ends inside a quoted field (the file ended
  // first): the 1-based line of the file on which that field's opening quote
  // stands; 0 otherwise.
  uint64_t m_unclosedQuoteLine = 0;
  // What each field dropped and each line end inside quotes adds to its
  // count: 1, but a test makes it large to take the counts past 2^31 without
  // a file of billions of fields.
  long long m_countStep = 1;

 private:
  // Makes at least `count` bytes available unless the file ends first.
  bool Ensure(size_t count);
  // Reads more of the file into the buffer and the checksum; false at its
  // end or on a failure. Kept out of the readers' loops, which seldom need it.
  [[gnu::noinline]] bool ReadMore();
  int Get() {
    if (m_file.pos == m_file.end && !Ensure(1)) return -1;
    return static_cast<unsigned char>(m_file.bytes[m_file.pos++]);
  }
  // After a CR: the LF of a CR LF pair belongs to the same line end.
  void SkipLineFeed() {
    if (Ensure(1) && m_file.bytes[m_file.pos] == '\n') ++m_file.pos;
  }
  // Consumes a lone line end that closes the file; true when it did.
  bool SkipFinalLineEnd();
  // Reads one field from its first byte; true when it ended the record.
  bool ReadField();
  // The rest of an unquoted field, up to the delimiter or a line end; true
  // when it ended the record.
  bool ReadUnquoted(size_t cap, std::string* field, bool* cut);
  // A line end was taken.
  void EndLine(int c) {
    if (c == '\r') SkipLineFeed();
    ++m_linesEnded;
  }
  // Takes the bytes before the next byte marked in `stops` into the field,
  // at most `limit` of it; false when the file ends first.
  bool TakeRun(const std::array<bool, 256>& stops, size_t limit, std::string* field, bool* cut);

  size_t m_bufferSize;
  FileBuffer m_file;                // the open file, read through its buffer
  ByteDigest m_read;                // the bytes read into the buffer since the start
  std::array<bool, 256> m_stops{};  // the bytes that end an unquoted field
  char m_stopsFor = 0;              // the delimiter m_stops was made for
  std::string m_dropped;            // a field beyond the hundredth while it is read
  int m_dirtyFields = kMaxFields;   // fields from 0 that may hold something other than "."
  uint64_t m_linesEnded = 0;        // line ends taken since the start of the file
  uint64_t m_recordStart = 0;       // file offset where the next record's bytes begin
};

}  // namespace kelvarin
