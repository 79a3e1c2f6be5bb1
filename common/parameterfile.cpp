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

// Field-by-field reader of a blank-separated row: each number skips the blanks
// before it; each character is the next character that is not a blank; the
// word is the run of non-blank characters (possibly empty at the end).
class RowScanner {
 public:
  explicit RowScanner(const std::string& line) : m_line(line) {}

  bool Int(int* value, const char* name) {
    long long v = 0;
    if (!Number(&v, name)) return false;
    if (v < -2147483647LL - 1 || v > 2147483647LL) return Fail(name, "is out of range");
    *value = static_cast<int>(v);
    return true;
  }

  bool Size(uint64_t* value, const char* name) {
    long long v = 0;
    if (!Number(&v, name)) return false;
    *value = v < 0 ? 0 : static_cast<uint64_t>(v);
    return true;
  }

  bool Char(char* value, const char* name) {
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

  bool Number(long long* value, const char* name) {
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

  bool Fail(const char* name, const char* what) {
    char text[160];
    std::snprintf(text, sizeof text, "field %d (%s) %s", m_field, name, what);
    m_error = text;
    return false;
  }

  const std::string& m_line;
  size_t m_pos = 0;
  int m_field = 0;
  std::string m_error;
};

// Each row's fields, in file order, listed once for the writer and the reader.
template <class Visitor>
void VisitFields(ConversionRow& r, Visitor& v) {
  v.Int("regNoStart", r.regNoStart);
  v.Int("regNoEnd", r.regNoEnd);
  v.Int("sexStart", r.sexStart);
  v.Int("sexEnd", r.sexEnd);
  v.Int("topographyStart", r.topographyStart);
  v.Int("topographyEnd", r.topographyEnd);
  v.Int("histologyStart", r.histologyStart);
  v.Int("histologyEnd", r.histologyEnd);
  v.Int("behaviourStart", r.behaviourStart);
  v.Int("behaviourEnd", r.behaviourEnd);
  v.Int("gradeStart", r.gradeStart);
  v.Int("gradeEnd", r.gradeEnd);
  v.Char("maleCode", r.maleCode);
  v.Char("femaleCode", r.femaleCode);
  v.Int("recordLength", r.recordLength);
  v.Size("fileSize", r.fileSize);
  v.Int("optionA", r.optionA);
  v.Int("optionB", r.optionB);
}

template <class Visitor>
void VisitFields(CheckRow& r, Visitor& v) {
  v.Int("regNoStart", r.regNoStart);
  v.Int("regNoEnd", r.regNoEnd);
  v.Int("sexStart", r.sexStart);
  v.Int("sexEnd", r.sexEnd);
  v.Int("topographyStart", r.topographyStart);
  v.Int("topographyEnd", r.topographyEnd);
  v.Int("histologyStart", r.histologyStart);
  v.Int("histologyEnd", r.histologyEnd);
  v.Int("behaviourStart", r.behaviourStart);
  v.Int("behaviourEnd", r.behaviourEnd);
  v.Int("gradeStart", r.gradeStart);
  v.Int("gradeEnd", r.gradeEnd);
  v.Int("basisStart", r.basisStart);
  v.Int("basisEnd", r.basisEnd);
  v.Int("ageStart", r.ageStart);
  v.Int("ageEnd", r.ageEnd);
  v.Int("birthDateStart", r.birthDateStart);
  v.Int("birthDateEnd", r.birthDateEnd);
  v.Int("birthDateFormat", r.birthDateFormat);
  v.Int("incidenceDateStart", r.incidenceDateStart);
  v.Int("incidenceDateEnd", r.incidenceDateEnd);
  v.Int("incidenceDateFormat", r.incidenceDateFormat);
  for (char& code : r.microscopicCodes) v.Char("microscopicCodes", code);
  v.Char("maleCode", r.maleCode);
  v.Char("femaleCode", r.femaleCode);
  v.Int("recordLength", r.recordLength);
  v.Size("fileSize", r.fileSize);
  v.Int("oneRecordPerError", r.oneRecordPerError);
  v.Word("ageUnknownCode", r.ageUnknownCode);
}

template <class Visitor>
void VisitFields(MultiplePrimaryRow& r, Visitor& v) {
  v.Int("regNoStart", r.regNoStart);
  v.Int("regNoEnd", r.regNoEnd);
  v.Int("seqNoStart", r.seqNoStart);
  v.Int("seqNoEnd", r.seqNoEnd);
  v.Int("sexStart", r.sexStart);
  v.Int("sexEnd", r.sexEnd);
  v.Int("topographyStart", r.topographyStart);
  v.Int("topographyEnd", r.topographyEnd);
  v.Int("histologyStart", r.histologyStart);
  v.Int("histologyEnd", r.histologyEnd);
  v.Int("behaviourStart", r.behaviourStart);
  v.Int("behaviourEnd", r.behaviourEnd);
  v.Int("incidenceDateStart", r.incidenceDateStart);
  v.Int("incidenceDateEnd", r.incidenceDateEnd);
  v.Int("incidenceDateFormat", r.incidenceDateFormat);
  v.Char("maleCode", r.maleCode);
  v.Char("femaleCode", r.femaleCode);
  v.Int("includeBrain", r.includeBrain);
  v.Int("includeBladder", r.includeBladder);
  v.Int("duplicatesToFile", r.duplicatesToFile);
  v.Int("recordLength", r.recordLength);
  v.Size("fileSize", r.fileSize);
}

// Writes the fields blank-separated: numbers in decimal, characters as
// themselves, the word as it stands (an empty one leaves the trailing blank).
class RowWriter {
 public:
  void Int(const char*, int value) { Field(std::to_string(value)); }
  void Size(const char*, uint64_t value) { Field(std::to_string(value)); }
  void Char(const char*, char value) { Field(std::string(1, value)); }
  void Word(const char*, const std::string& value) { Field(value); }
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
  void Int(const char* name, int& value) {
    if (Take()) m_ok = m_scan.Int(&value, name);
  }
  void Size(const char* name, uint64_t& value) {
    if (Take()) m_ok = m_scan.Size(&value, name);
  }
  void Char(const char* name, char& value) {
    if (Take()) m_ok = m_scan.Char(&value, name);
  }
  void Word(const char*, std::string& value) {
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
std::string Format(Row row) {
  RowWriter writer;
  VisitFields(row, writer);
  return writer.Line();
}

template <class Row>
bool Parse(const std::string& line, Row* row, std::string* error, int limit) {
  Row parsed;
  RowReader reader(line, limit > 0 ? limit : 1000);
  VisitFields(parsed, reader);
  if (!reader.ok()) {
    if (error) *error = reader.error();
    return false;
  }
  *row = parsed;
  return true;
}

}  // namespace

std::string FormatRow(const ConversionRow& row) { return Format(row); }
std::string FormatRow(const CheckRow& row) { return Format(row); }
std::string FormatRow(const MultiplePrimaryRow& row) { return Format(row); }

bool ParseRow(const std::string& line, ConversionRow* row, std::string* error, int fieldsNeeded) {
  return Parse(line, row, error, fieldsNeeded);
}
bool ParseRow(const std::string& line, CheckRow* row, std::string* error) {
  return Parse(line, row, error, 0);
}
bool ParseRow(const std::string& line, MultiplePrimaryRow* row, std::string* error) {
  return Parse(line, row, error, 0);
}

ParameterFileStatus ReadParameterFile(const std::string& path, ParameterFileLines* lines) {
  OpenForReading opened;
  const int fd = OpenRegularFile(path, &opened);
  if (fd < 0) return ParameterFileStatus::kCannotOpen;
  // One byte beyond the bound tells a file that is larger.
  std::string text(kMaxParameterFileBytes + 1, '\0');
  size_t size = 0;
  bool readError = false;
  while (size < text.size()) {
    const ssize_t n = ::read(fd, text.data() + size, text.size() - size);
    if (n > 0) {
      size += static_cast<size_t>(n);
    } else if (n == 0) {
      break;
    } else if (errno != EINTR) {
      readError = true;
      break;
    }
  }
  ::close(fd);
  if (readError) return ParameterFileStatus::kReadError;
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

bool WriteParameterFile(const std::string& path, const std::string& inputPath,
                        const std::string& outputPath, const std::string& row) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  bool ok = std::fprintf(file, "%s\n%s\n", inputPath.c_str(), outputPath.c_str()) >= 0;
  if (ok && !row.empty()) ok = std::fwrite(row.data(), 1, row.size(), file) == row.size();
  ok = (std::fflush(file) == 0) && ok;
  ok = (std::fclose(file) == 0) && ok;
  return ok;
}

}  // namespace kelvarin
