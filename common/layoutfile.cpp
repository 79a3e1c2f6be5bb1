#include "common/layoutfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

#include "common/fileidentity.h"
#include "common/replacementfile.h"
#include "common/reportname.h"

namespace kelvarin {

namespace {

static_assert(kCheckLayoutFileSize == 104, "a .frm file holds 104 bytes");
static_assert(kMultiplePrimaryLayoutFileSize == 64, "a .mpr file holds 64 bytes");
static_assert(LayoutFileSize(LayoutFile::kConversion) == 52,
              "a .dfi file holds 52 bytes before its option words");
static_assert(LongestLayoutFileSize(LayoutFile::kConversion) == 60,
              "a .dfi file holds at most 60 bytes");

// Appends the fields of a definition file in file order.
class FieldWriter {
 public:
  void Int32(int32_t value) {
    const uint32_t bits = static_cast<uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8)
      m_bytes.push_back(static_cast<uint8_t>(bits >> shift));
  }
  void Code(char code) {
    m_bytes.push_back(static_cast<uint8_t>(code));
    m_bytes.push_back(0);
  }
  void Text(const std::string& text) {
    for (size_t i = 0; i < 3; ++i)
      m_bytes.push_back(i < text.size() ? static_cast<uint8_t>(text[i]) : 0);
    m_bytes.push_back(0);
  }
  std::vector<uint8_t> Take() { return std::move(m_bytes); }

 private:
  std::vector<uint8_t> m_bytes;
};

// Takes the fields of a definition file in file order; a field the bytes do
// not hold whole is left as it is, and so is every field after it.
class FieldReader {
 public:
  explicit FieldReader(const std::vector<uint8_t>& bytes) : m_bytes(bytes) {}

  void Int32(int32_t& value) {
    if (!Have(4)) return;
    uint32_t bits = 0;
    for (int i = 0; i < 4; ++i) bits |= static_cast<uint32_t>(m_bytes[m_offset + i]) << (8 * i);
    value = static_cast<int32_t>(bits);
    m_offset += 4;
  }
  void Code(char& code) {
    if (!Have(2)) return;
    code = static_cast<char>(m_bytes[m_offset]);  // the zero byte after it is skipped
    m_offset += 2;
  }
  void Text(std::string& text) {
    if (!Have(4)) return;
    text.assign(reinterpret_cast<const char*>(m_bytes.data() + m_offset), 3);
    m_offset += 4;
  }
  bool Whole() const { return m_whole; }

 private:
  bool Have(size_t size) {
    if (m_whole && m_offset + size <= m_bytes.size()) return true;
    m_whole = false;
    return false;
  }

  const std::vector<uint8_t>& m_bytes;
  size_t m_offset = 0;
  bool m_whole = true;
};

// The entries a layout file holds besides its column pairs, in file order.
std::vector<const RecordField*> LayoutValues(LayoutFile file) {
  std::vector<const RecordField*> values;
  for (const RecordField& field : kRecordFields)
    if (!field.IsColumnPair() && field.PlaceIn(file) >= 0) values.push_back(&field);
  std::sort(values.begin(), values.end(), [file](const RecordField* a, const RecordField* b) {
    return a->PlaceIn(file) < b->PlaceIn(file);
  });
  return values;
}

// Visits the fields of a layout file in file order: the column pairs, the
// date formats, the codes and texts, the option words.
template <typename Settings, typename Fields>
void VisitLayout(LayoutFile file, Settings& s, const OptionWords& words, Fields& fields) {
  const std::vector<const RecordField*> variables = LayoutVariables(file);
  for (const RecordField* variable : variables) {
    fields.Int32(s.*variable->first);
    fields.Int32(s.*variable->last);
  }
  for (const RecordField* variable : variables)
    if (variable->format != nullptr) fields.Int32(s.*variable->format);
  for (const RecordField* value : LayoutValues(file)) {
    switch (value->kind) {
      case RecordField::Kind::kNumber:
        fields.Int32(s.*value->number);
        break;
      case RecordField::Kind::kCode:
        fields.Code(s.*value->code);
        break;
      case RecordField::Kind::kCodes:
        for (auto& code : s.*value->codes) fields.Code(code);
        break;
      case RecordField::Kind::kText:
        fields.Text(s.*value->text);
        break;
      default:
        break;  // no other kind has a place in a layout file
    }
  }
  for (int32_t RecordSettings::*word : words) fields.Int32(s.*word);
}

// Whether an open file is one of the run's data files.
bool IsDataFile(int fd, const LayoutFilePlace& place) {
  for (const std::string& data : place.dataFiles)
    if (!data.empty() && SameFile(fd, data)) return true;
  return false;
}

// Whether the layout file's path names one of the run's data files, even
// one yet to be written (an output named like the layout file).
bool NamesDataFile(const LayoutFilePlace& place) {
  for (const std::string& data : place.dataFiles)
    if (!data.empty() && SameFile(place.path, data)) return true;
  return false;
}

// Whether a file can be a layout file of its kind: a regular file no longer
// than the longest of them. A copy of a data file, a folder or a pipe at the
// name is never read, removed or written over.
bool CanBeLayoutFile(const struct stat& info, LayoutFile file) {
  return S_ISREG(info.st_mode) &&
         static_cast<uintmax_t>(info.st_size) <= LongestLayoutFileSize(file);
}

// Reads at most formatSize bytes of a layout file that opens for reading
// and writing.
LayoutFileStatus ReadLayoutFileBytes(const LayoutFilePlace& place, LayoutFile file,
                                     size_t formatSize, std::vector<uint8_t>& bytes) {
  bytes.clear();
  OpenForReading opened;
  const int fd = OpenRegularFile(place.path, &opened, /*forUpdate=*/true);
  if (fd < 0) return LayoutFileStatus::kNotOpened;
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !CanBeLayoutFile(info, file) || IsDataFile(fd, place)) {
    ::close(fd);
    return LayoutFileStatus::kNotOpened;
  }
  bytes.resize(formatSize);
  bool failed = false;
  bytes.resize(ReadUpTo(fd, bytes.data(), formatSize, &failed));
  ::close(fd);
  if (failed) return LayoutFileStatus::kReadError;
  return bytes.size() == formatSize ? LayoutFileStatus::kComplete : LayoutFileStatus::kTruncated;
}

// Writes the record whole into a new file beside the name, flushes it and
// renames it over the name (ReplacementFile). kNotRenamed when no new file
// could be made or put in the name's place, kNotWritten when writing it
// failed; either way the new file is gone and the name reaches what it did.
ReplacementFile::Placement ReplaceThroughNewFile(const std::string& path,
                                                 const std::vector<uint8_t>& bytes) {
  ReplacementFile replacement(path);
  if (!replacement.Created()) return ReplacementFile::Placement::kNotRenamed;
  if (!replacement.Write(bytes.data(), bytes.size()))
    return ReplacementFile::Placement::kNotWritten;
  return replacement.PutInPlace();
}

// Writes the record over the bytes of the layout file itself, then cuts
// what lies beyond it, and flushes it; only the single name of a regular
// file, reached without a link, is written so, as writing through a link or
// into a file of more names would change a file the user keeps elsewhere.
bool WriteInPlace(const LayoutFilePlace& place, LayoutFile file,
                  const std::vector<uint8_t>& bytes) {
  struct stat named {};
  if (::lstat(place.path.c_str(), &named) != 0 || !S_ISREG(named.st_mode) || named.st_nlink != 1)
    return false;
  const int fd =
      ::open(place.path.c_str(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return false;
  // The file opened must be the one looked at: the name may have been given
  // to another file in between.
  struct stat held {};
  int error = 0;
  const bool written = ::fstat(fd, &held) == 0 && held.st_dev == named.st_dev &&
                       held.st_ino == named.st_ino && held.st_nlink == 1 &&
                       CanBeLayoutFile(held, file) && !IsDataFile(fd, place) &&
                       WriteWhole(fd, bytes.data(), bytes.size(), &error) &&
                       ::ftruncate(fd, static_cast<off_t>(bytes.size())) == 0 && ::fsync(fd) == 0;
  return ::close(fd) == 0 && written;
}

LayoutFileWrite WriteLayoutFileBytes(const LayoutFilePlace& place, LayoutFile file,
                                     const std::vector<uint8_t>& bytes) {
  if (NamesDataFile(place)) return LayoutFileWrite::kNotALayoutFile;
  // What the name reaches now, through a link too.
  struct stat named {};
  const bool present = ::stat(place.path.c_str(), &named) == 0;
  if (present && !CanBeLayoutFile(named, file)) return LayoutFileWrite::kNotALayoutFile;
  if (present && !OpensAsRegularFile(place.path, /*forUpdate=*/true))
    return LayoutFileWrite::kNotWritten;  // read-only: kept as the user made it
  switch (ReplaceThroughNewFile(place.path, bytes)) {
    case ReplacementFile::Placement::kPlaced:
      return LayoutFileWrite::kWritten;
    case ReplacementFile::Placement::kNotWritten:
      return LayoutFileWrite::kNotWritten;
    case ReplacementFile::Placement::kNotRenamed:
      break;
  }
  // A folder that takes no new file, or no rename over this one, may still
  // let the file itself be written.
  return present && WriteInPlace(place, file, bytes) ? LayoutFileWrite::kWritten
                                                     : LayoutFileWrite::kNotWritten;
}

}  // namespace

std::string LayoutFileName(const std::string& inputFile, const std::string& suffix) {
  // The same rule as the reports' names, so the file stays beside the data
  // even when a folder name holds a '.'.
  return DeriveReportName(inputFile, suffix);
}

std::string LayoutFileName(const std::string& inputFile, LayoutFile file) {
  return LayoutFileName(inputFile, LayoutFileSuffix(file));
}

const char* LayoutFileSuffix(LayoutFile file) {
  switch (file) {
    case LayoutFile::kCheck:
      return ".frm";
    case LayoutFile::kMultiplePrimary:
      return ".mpr";
    case LayoutFile::kConversion:
      return ".dfi";
  }
  return "";
}

bool IsCodeCharacter(char c) {
  const unsigned char byte = static_cast<unsigned char>(c);
  return byte > 0x20 && byte != 0x7F;
}

bool IsAgeUnknownCode(const std::string& text) {
  return text.size() <= 3 && std::all_of(text.begin(), text.end(), IsCodeCharacter);
}

std::vector<uint8_t> EncodeLayout(LayoutFile file, const RecordSettings& values,
                                  const OptionWords& words) {
  FieldWriter writer;
  VisitLayout(file, values, words, writer);
  return writer.Take();
}

bool DecodeLayout(LayoutFile file, const std::vector<uint8_t>& bytes, RecordSettings& values,
                  const OptionWords& words) {
  FieldReader reader(bytes);
  VisitLayout(file, values, words, reader);
  return reader.Whole();
}

std::vector<int32_t> LayoutPairs(LayoutFile file, const RecordSettings& values) {
  std::vector<int32_t> pairs;
  for (const RecordField* variable : LayoutVariables(file)) {
    pairs.push_back(values.*variable->first);
    pairs.push_back(values.*variable->last);
  }
  return pairs;
}

void SetLayoutPairs(LayoutFile file, const std::vector<int32_t>& pairs, RecordSettings& values) {
  const std::vector<const RecordField*> variables = LayoutVariables(file);
  for (size_t v = 0; v < variables.size() && 2 * v + 1 < pairs.size(); ++v) {
    values.*variables[v]->first = pairs[2 * v];
    values.*variables[v]->last = pairs[2 * v + 1];
  }
}

void TakeLayoutValues(LayoutFile file, const RecordSettings& from, RecordSettings& to,
                      const OptionWords& words) {
  for (const RecordField* variable : LayoutVariables(file))
    if (variable->format != nullptr) to.*variable->format = from.*variable->format;
  for (const RecordField* value : LayoutValues(file)) {
    switch (value->kind) {
      case RecordField::Kind::kNumber:
        to.*value->number = from.*value->number;
        break;
      case RecordField::Kind::kCode:
        if (IsCodeCharacter(from.*value->code)) to.*value->code = from.*value->code;
        break;
      case RecordField::Kind::kCodes:
        for (size_t i = 0; i < (to.*value->codes).size(); ++i)
          if (IsCodeCharacter((from.*value->codes)[i]))
            (to.*value->codes)[i] = (from.*value->codes)[i];
        break;
      case RecordField::Kind::kText: {
        const std::string& text = from.*value->text;
        const std::string code = text.substr(0, text.find('\0'));
        if (IsAgeUnknownCode(code)) to.*value->text = code;
        break;
      }
      default:
        break;
    }
  }
  for (int32_t RecordSettings::*word : words) to.*word = from.*word;
}

LayoutFilePlace PlaceLayoutFile(LayoutFile file, const std::string& inputFile,
                                const std::string& outputFile) {
  return {LayoutFileName(inputFile, file), {inputFile, outputFile}};
}

LayoutFileStatus ReadLayoutFile(const LayoutFilePlace& place, LayoutFile file,
                                RecordSettings& values, const OptionWords& words) {
  std::vector<uint8_t> bytes;
  const LayoutFileStatus status =
      ReadLayoutFileBytes(place, file, LayoutFileSize(file, words.size()), bytes);
  if (status != LayoutFileStatus::kNotOpened) DecodeLayout(file, bytes, values, words);
  return status;
}

LayoutFileStatus ReadLayoutFile(const std::string& path, LayoutFile file, RecordSettings& values,
                                const OptionWords& words) {
  return ReadLayoutFile(LayoutFilePlace{path, {}}, file, values, words);
}

LayoutFileWrite WriteLayoutFile(const LayoutFilePlace& place, LayoutFile file,
                                const RecordSettings& values, const OptionWords& words) {
  return WriteLayoutFileBytes(place, file, EncodeLayout(file, values, words));
}

LayoutFileWrite WriteLayoutFile(const std::string& path, LayoutFile file,
                                const RecordSettings& values, const OptionWords& words) {
  return WriteLayoutFile(LayoutFilePlace{path, {}}, file, values, words);
}

bool RemoveLayoutFile(const LayoutFilePlace& place, LayoutFile file) {
  struct stat named {};
  if (::stat(place.path.c_str(), &named) != 0 || !CanBeLayoutFile(named, file) ||
      NamesDataFile(place))
    return false;
  return ::unlink(place.path.c_str()) == 0;
}

}  // namespace kelvarin
