#include "common/parameterfile.h"

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "common/fileidentity.h"

namespace kelvarin {

namespace {

// A field's name in the reader's messages: the entry's name, followed for a
// column pair by the part ("sex" "Start").
struct FieldName {
  const char* name;
  const char* part = "";
};

// Field-by-field reader of a blank-separated row: each number skips the blanks
// before it; each character is the next character that is not a blank; the
// word is the run of non-blank characters (possibly empty at the end).
class RowScanner {
 public:
  explicit RowScanner(const std::string& line) : m_line(line) {}

  bool Int(int* value, FieldName name) {
    long long v = 0;
    if (!Number(&v, name)) return false;
    if (v < -2147483647LL - 1 || v > 2147483647LL) return Fail(name, "is out of range");
    *value = static_cast<int>(v);
    return true;
  }

  bool Size(uint64_t* value, FieldName name) {
    long long v = 0;
    if (!Number(&v, name)) return false;
    *value = v < 0 ? 0 : static_cast<uint64_t>(v);
    return true;
  }

  bool Char(char* value, FieldName name) {
    ++m_field;
    SkipBlanks();
    if (m_pos >= m_line.size()) return Fail(name, "is missing");
    *value = m_line[m_pos++];
    return true;
  }

  void Word(std::string* value) {
    SkipBlanks();
    const size_t start = m_pos;
    while (m_pos < m_line.size() && !IsBlank(m_line[m_pos])) ++m_pos;
    *value = m_line.substr(start, m_pos - start);
  }

  int fieldNumber() const { return m_field; }
  const std::string& error() const { return m_error; }

 private:
  static bool IsBlank(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }

  void SkipBlanks() {
    while (m_pos < m_line.size() && IsBlank(m_line[m_pos])) ++m_pos;
  }

  bool Number(long long* value, FieldName name) {
    ++m_field;
    SkipBlanks();
    size_t pos = m_pos;
    if (pos < m_line.size() && (m_line[pos] == '-' || m_line[pos] == '+')) ++pos;
    const size_t digits = pos;
    while (pos < m_line.size() && std::isdigit(static_cast<unsigned char>(m_line[pos]))) ++pos;
    if (pos == digits) {
      return Fail(name, m_pos >= m_line.size() ? "is missing" : "is not a number");
    }
    if (pos - digits > 18) return Fail(name, "is out of range");
    *value = std::strtoll(m_line.c_str() + m_pos, nullptr, 10);
    m_pos = pos;
    return true;
  }

  bool Fail(FieldName name, const char* what) {
    char text[160];
    std::snprintf(text, sizeof text, "field %d (%s%s) %s", m_field, name.name, name.part, what);
    m_error = text;
    return false;
  }

  const std::string& m_line;
  size_t m_pos = 0;
  int m_field = 0;
  std::string m_error;
};

// Visits the fields of a row type in file order, as kRecordFields gives
// them: the name of each field (for the reader's messages) and its member.
template <class Settings, class Visitor>
void VisitFields(RowType type, Settings& s, Visitor& v) {
  for (const RecordField& field : kRecordFields) {
    if ((field.rows & (RowSet{1} << type)) == 0) continue;
    switch (field.kind) {
      case RecordField::Kind::kColumns:
      case RecordField::Kind::kDateColumns:
        v.Int({field.name, "Start"}, s.*field.first);
        v.Int({field.name, "End"}, s.*field.last);
        if (field.format != nullptr) v.Int({field.name, "Format"}, s.*field.format);
        break;
      case RecordField::Kind::kNumber:
        v.Int({field.name}, s.*field.number);
        break;
      case RecordField::Kind::kSize:
        v.Size({field.name}, s.*field.size);
        break;
      case RecordField::Kind::kCode:
        v.Char({field.name}, s.*field.code);
        break;
      case RecordField::Kind::kCodes:
        for (auto& code : s.*field.codes) v.Char({field.name}, code);
        break;
      case RecordField::Kind::kText:
        v.Word({field.name}, s.*field.text);
        break;
    }
  }
}

// Writes the fields blank-separated: numbers in decimal, characters as
// themselves, the word as it stands (an empty one leaves the trailing blank).
class RowWriter {
 public:
  void Int(FieldName, int value) { Field(std::to_string(value)); }
  void Size(FieldName, uint64_t value) { Field(std::to_string(value)); }
  void Char(FieldName, char value) { Field(std::string(1, value)); }
  void Word(FieldName, const std::string& value) { Field(value); }
  std::string Line() const { return m_text + "\n"; }

 private:
  void Field(const std::string& text) {
    if (m_any) m_text += ' ';
    m_text += text;
    m_any = true;
  }
  std::string m_text;
  bool m_any = false;
};

// Reads the fields with the scanner until one fails or `limit` are read.
class RowReader {
 public:
  RowReader(const std::string& line, int limit) : m_scan(line), m_limit(limit) {}
  void Int(FieldName name, int& value) {
    if (Take()) m_ok = m_scan.Int(&value, name);
  }
  void Size(FieldName name, uint64_t& value) {
    if (Take()) m_ok = m_scan.Size(&value, name);
  }
  void Char(FieldName name, char& value) {
    if (Take()) m_ok = m_scan.Char(&value, name);
  }
  void Word(FieldName, std::string& value) {
    if (Take()) m_scan.Word(&value);
  }
  bool ok() const { return m_ok; }
  const std::string& error() const { return m_scan.error(); }

 private:
  bool Take() { return m_ok && m_taken++ < m_limit; }
  RowScanner m_scan;
  int m_limit;
  int m_taken = 0;
  bool m_ok = true;
};

template <class Row>
bool Parse(RowType type, const std::string& line, Row* row, std::string* error, int limit) {
  Row parsed;
  RowReader reader(line, limit > 0 ? limit : 1000);
  VisitFields(type, parsed, reader);
  if (!reader.ok()) {
    if (error) *error = reader.error();
    return false;
  }
  *row = parsed;
  return true;
}

}  // namespace

std::string FormatRow(RowType type, const RecordSettings& settings) {
  RowWriter writer;
  VisitFields(type, settings, writer);
  return writer.Line();
}

std::string FormatRow(const ConversionRow& row) { return FormatRow(kConversionRowType, row); }
std::string FormatRow(const CheckRow& row) { return FormatRow(kCheckRowType, row); }
std::string FormatRow(const MultiplePrimaryRow& row) {
  return FormatRow(kMultiplePrimaryRowType, row);
}

bool ParseRow(const std::string& line, ConversionRow* row, std::string* error, int fieldsNeeded) {
  return Parse(kConversionRowType, line, row, error, fieldsNeeded);
}
bool ParseRow(const std::string& line, CheckRow* row, std::string* error) {
  return Parse(kCheckRowType, line, row, error, 0);
}
bool ParseRow(const std::string& line, MultiplePrimaryRow* row, std::string* error) {
  return Parse(kMultiplePrimaryRowType, line, row, error, 0);
}

ParameterFileStatus ReadParameterFile(const std::string& path, ParameterFileLines* lines) {
  OpenForReading opened;
  const int fd = OpenRegularFile(path, &opened);
  if (fd < 0) return ParameterFileStatus::kCannotOpen;
  // One byte beyond the bound tells a file that is larger.
  std::string text(kMaxParameterFileBytes + 1, '\0');
  bool failed = false;
  const size_t size = ReadUpTo(fd, text.data(), text.size(), &failed);
  ::close(fd);
  if (failed) return ParameterFileStatus::kReadError;
  const bool moreBeyond = size > kMaxParameterFileBytes;
  text.resize(std::min(size, kMaxParameterFileBytes));
  return SplitParameterLines(text, moreBeyond, lines);
}

ParameterFileStatus SplitParameterLines(std::string_view text, bool moreBeyond,
                                        ParameterFileLines* lines) {
  std::string* targets[3] = {&lines->inputPath, &lines->outputPath, &lines->row};
  size_t pos = 0;
  for (int i = 0; i < 3; ++i) {
    if (pos >= text.size()) {
      return moreBeyond ? ParameterFileStatus::kTooLarge : ParameterFileStatus::kIncomplete;
    }
    size_t end = text.find('\n', pos);
    if (end == std::string_view::npos && moreBeyond) return ParameterFileStatus::kTooLarge;
    const size_t next = end == std::string_view::npos ? text.size() : end + 1;
    if (end == std::string_view::npos) end = text.size();
    if (end > pos && text[end - 1] == '\r') --end;
    targets[i]->assign(text.substr(pos, end - pos));
    pos = next;
  }
  // A file name ends at its first NUL: the rest of such a path would be lost.
  if (lines->inputPath.find('\0') != std::string::npos ||
      lines->outputPath.find('\0') != std::string::npos)
    return ParameterFileStatus::kNulInPath;
  return ParameterFileStatus::kOk;
}

bool FitsParameterLine(const std::string& path) {
  return path.find_first_of(std::string("\n\r\0", 3)) == std::string::npos;
}

bool WriteParameterFile(const std::string& path, const std::string& inputPath,
                        const std::string& outputPath, const std::string& row) {
  if (!FitsParameterLine(inputPath) || !FitsParameterLine(outputPath)) return false;
  // Emptied only once it is known to be a regular file.
  const int fd = OpenRegularFileForWriting(path);
  if (fd < 0) return false;
  if (::ftruncate(fd, 0) != 0) {
    ::close(fd);
    return false;
  }
  std::FILE* file = ::fdopen(fd, "wb");
  if (!file) {
    ::close(fd);
    return false;
  }
  bool ok = std::fprintf(file, "%s\n%s\n", inputPath.c_str(), outputPath.c_str()) >= 0;
  if (ok && !row.empty()) ok = std::fwrite(row.data(), 1, row.size(), file) == row.size();
  ok = (std::fflush(file) == 0) && ok;
  ok = (std::fclose(file) == 0) && ok;
  return ok;
}

namespace {

constexpr std::string_view kRunFilePrefix = "Run file ";

// "<device> <inode>: <path>" of a run file line, or false.
bool ParseRunFileId(const std::string& text, RunFile* file) {
  unsigned long long device = 0;
  unsigned long long inode = 0;
  int pathAt = -1;
  if (std::sscanf(text.c_str(), "%llu %llu:%n", &device, &inode, &pathAt) != 2 || pathAt < 0)
    return false;
  // One blank parts the numbers from the path, which may begin with blanks.
  const size_t pathStart = static_cast<size_t>(pathAt) + 1;
  if (pathStart >= text.size() || text[pathStart - 1] != ' ') return false;
  file->path = text.substr(pathStart);
  file->id = FileId{static_cast<dev_t>(device), static_cast<ino_t>(inode)};
  return true;
}

}  // namespace

std::string RunFileLine(const std::string& path, FileId id) {
  return std::string(kRunFilePrefix) + std::to_string(static_cast<unsigned long long>(id.device)) +
         " " + std::to_string(static_cast<unsigned long long>(id.inode)) + ": " + path + "\n";
}

const char* RunFileTakeBackWord(TakeBack result) {
  switch (result) {
    case TakeBack::kRemoved:
      return "removed";
    case TakeBack::kEmptied:
      return "emptied";
    case TakeBack::kFailed:
      return "failed";
    case TakeBack::kLeftAlone:
      break;
  }
  return nullptr;
}

std::vector<RunFile> ParseRunFileLines(std::string_view output) {
  constexpr TakeBack kResults[] = {TakeBack::kRemoved, TakeBack::kEmptied, TakeBack::kFailed};
  std::vector<RunFile> files;
  for (size_t end; (end = output.find('\n')) != std::string_view::npos;) {
    std::string line(output.substr(0, end));  // a last line without its end is cut short
    output.remove_prefix(end + 1);
    if (line.compare(0, kRunFilePrefix.size(), kRunFilePrefix) != 0) continue;
    line.erase(0, kRunFilePrefix.size());
    RunFile file;
    if (ParseRunFileId(line, &file)) {
      files.push_back(file);
      continue;
    }
    for (TakeBack result : kResults) {
      const std::string word = std::string(RunFileTakeBackWord(result)) + " ";
      if (line.compare(0, word.size(), word) != 0 ||
          !ParseRunFileId(line.substr(word.size()), &file))
        continue;
      for (RunFile& told : files)
        if (told.path == file.path && told.id == file.id) {
          told.takenBack = true;
          told.result = result;
        }
    }
  }
  return files;
}

}  // namespace kelvarin
