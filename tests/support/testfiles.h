// Files for tests: a fresh temporary folder per test, and whole-file reads
// and writes of raw bytes.
#pragma once

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

namespace kelvarin::test {

// A fresh folder below the system's temporary folder, removed with its
// contents when the object goes.
class TempDir {
 public:
  TempDir() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "kelvarin-test-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    m_path = pattern;
  }
  ~TempDir() {
    std::error_code ignored;
    std::filesystem::permissions(m_path, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(m_path, ignored);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& path() const { return m_path; }
  std::string operator/(const std::string& name) const { return m_path + "/" + name; }
  // Writes the bytes as they are into a file of the folder; returns its path.
  std::string Write(const std::string& name, const std::string& bytes) const;

 private:
  std::string m_path;
};

inline void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path);
}

inline std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return "<missing>";
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

inline bool Exists(const std::string& path) { return std::filesystem::exists(path); }

// The path of a file of the test's own data folder.
inline std::string TestDataPath(const std::string& name) {
  return std::string(KELVARIN_TEST_DATA_DIR) + "/" + name;
}

// The text with every `from` replaced by `to`.
inline std::string ReplaceAll(std::string text, const std::string& from, const std::string& to) {
  for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
  return text;
}

inline std::string TempDir::Write(const std::string& name, const std::string& bytes) const {
  WriteFile(*this / name, bytes);
  return *this / name;
}

// A fixed start time for runs whose reports carry a dated title line:
// Monday 7 December 2026, 23:05.
inline std::tm FixedStartTime() {
  std::tm t{};
  t.tm_year = 2026 - 1900;
  t.tm_mon = 11;
  t.tm_mday = 7;
  t.tm_hour = 23;
  t.tm_min = 5;
  t.tm_wday = 1;
  return t;
}

}  // namespace kelvarin::test

#include <signal.h>
#include <sys/resource.h>

namespace kelvarin::test {

// While it lives, no file of this process may grow past `bytes`: writes
// beyond fail with EFBIG, as on a full disk. With `ignoreSignal` false the
// limit's signal keeps whatever effect the process gave it.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes, bool ignoreSignal = true) : m_ignored(ignoreSignal) {
    ::getrlimit(RLIMIT_FSIZE, &m_saved);
    if (m_ignored) m_savedHandler = ::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = m_saved;
    limit.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &m_saved);
    if (m_ignored) ::signal(SIGXFSZ, m_savedHandler);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  bool m_ignored;
  rlimit m_saved{};
  sighandler_t m_savedHandler = SIG_DFL;
};

}  // namespace kelvarin::test
