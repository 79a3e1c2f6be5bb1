// A file a tool program writes: the output file or a report. Buffered; every
// write error is remembered so that a run is never reported as a success
// after a failed write. While open, the file is locked against every other
// run that would write it.
#pragma once

#include <cstdarg>
#include <string>
#include <string_view>
#include <vector>

#include "common/fileidentity.h"

namespace kelvarin {

class ReportFile {
 public:
  ReportFile() = default;
  ~ReportFile();
  ReportFile(const ReportFile&) = delete;
  ReportFile& operator=(const ReportFile&) = delete;

  // Opens the file for writing without emptying it yet, creating it when it
  // does not exist, and takes an exclusive lock on it. False when it cannot
  // be opened (a pipe with no reader included: no open waits) or when
  // another run holds its lock (inUse()).
  bool Open(const std::string& path);
  // Creates a new file of its own from a mkstemp pattern ("/tmp/x.XXXXXX")
  // and removes its name at once: the file lives while it is open and leaves
  // nothing behind, whatever ends the program. path() names the name it had.
  bool OpenTemporary(const std::string& pattern);
  // Empties the opened file; done only once every file of a run has opened.
  bool Truncate();

  void Write(std::string_view text);
  void Put(char c);
  void Printf(const char* format, ...) __attribute__((format(printf, 2, 3)));

  // Writes what is buffered; false when anything failed so far.
  bool Flush();
  // Writes what is buffered and closes; false when anything failed.
  bool Close();
  // Drops what is buffered, takes the file back when this object created or
  // emptied it (DiscardOwnFile: removed when the path still names it, else
  // emptied) and closes. A file found as it was is left as it was.
  void Discard();

  bool isOpen() const { return m_fd >= 0; }
  bool ok() const { return !m_failed; }
  // Whether the last Open failed because another run holds the file.
  bool inUse() const { return m_inUse; }
  // Whether this object created or emptied the file.
  bool owned() const { return m_owned; }
  int fd() const { return m_fd; }
  FileId id() const { return m_id; }
  const std::string& path() const { return m_path; }
  // The errno of the first failure; 0 when none or not from the system.
  int errorNumber() const { return m_errorNumber; }

 private:
  void Fail(int errorNumber);
  // Takes an opened descriptor into use: locks it and sets up the buffer.
  bool Adopt(int fd, bool created);

  int m_fd = -1;
  std::string m_path;
  FileId m_id;
  std::vector<char> m_buffer;
  size_t m_used = 0;
  bool m_failed = false;
  bool m_inUse = false;
  bool m_owned = false;
  int m_errorNumber = 0;
};

}  // namespace kelvarin
