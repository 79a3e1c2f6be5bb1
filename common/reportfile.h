// A file a tool program writes: the output file or a report. Buffered; every
// write error is remembered so that a run is never reported as a success
// after a failed write.
#pragma once

#include <cstdarg>
#include <string>
#include <string_view>
#include <vector>

namespace kelvarin {

class ReportFile {
 public:
  ReportFile() = default;
  ~ReportFile();
  ReportFile(const ReportFile&) = delete;
  ReportFile& operator=(const ReportFile&) = delete;

  // Opens the file for writing without emptying it yet, creating it when it
  // does not exist. False when it cannot be opened.
  bool Open(const std::string& path);
  // Empties the opened file; done only once every file of a run has opened.
  bool Truncate();

  void Write(std::string_view text);
  void Put(char c);
  void Printf(const char* format, ...) __attribute__((format(printf, 2, 3)));

  // Writes what is buffered and closes; false when anything failed.
  bool Close();
  // Removes the file from disk (after Close).
  bool Remove();
  // Closes and removes a file this object created, leaving an earlier one alone.
  void Abandon();

  bool isOpen() const { return m_fd >= 0; }
  bool ok() const { return !m_failed; }
  // The errno of the first failure; 0 when none or not from the system.
  int errorNumber() const { return m_errorNumber; }
  bool created() const { return m_created; }
  const std::string& path() const { return m_path; }

 private:
  void Flush();
  void Fail(int errorNumber);

  int m_fd = -1;
  std::string m_path;
  std::vector<char> m_buffer;
  size_t m_used = 0;
  bool m_failed = false;
  int m_errorNumber = 0;
  bool m_created = false;
};

}  // namespace kelvarin
