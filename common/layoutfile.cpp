#include "common/layoutfile.h"

#include "common/reportname.h"

#include <cstdio>

namespace kelvarin {

namespace {

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
  void Text4(const std::array<char, 4>& text) {
    for (char c : text) m_bytes.push_back(static_cast<uint8_t>(c));
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
  void Text4(std::array<char, 4>& text) {
    if (!Have(4)) return;
    for (size_t i = 0; i < 4; ++i) text[i] = static_cast<char>(m_bytes[m_offset + i]);
    text[3] = '\0';
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

template <typename Record, typename Fields>
void VisitCheckLayout(Record& record, Fields& fields) {
  for (auto& column : record.positions) fields.Int32(column);
  fields.Int32(record.incidenceDateFormat);
  fields.Int32(record.birthDateFormat);
  fields.Code(record.maleCode);
  fields.Code(record.femaleCode);
  for (size_t i = 0; i < record.microscopicCodes.size(); ++i)
    fields.Code(record.microscopicCodes[i]);
  fields.Text4(record.ageUnknownCode);
}

template <typename Record, typename Fields>
void VisitMultiplePrimaryLayout(Record& record, Fields& fields) {
  for (auto& column : record.positions) fields.Int32(column);
  fields.Int32(record.incidenceDateFormat);
  fields.Code(record.maleCode);
  fields.Code(record.femaleCode);
}

}  // namespace

std::string LayoutFileName(const std::string& inputFile, const std::string& suffix) {
  // The same rule as the reports' names, so the file stays beside the data
  // even when a folder name holds a '.'.
  return DeriveReportName(inputFile, suffix);
}

bool IsCodeCharacter(char c) {
  const unsigned char byte = static_cast<unsigned char>(c);
  return byte > 0x20 && byte != 0x7F;
}

std::vector<uint8_t> EncodeCheckLayout(const CheckLayoutRecord& record) {
  FieldWriter writer;
  VisitCheckLayout(record, writer);
  return writer.Take();
}

std::vector<uint8_t> EncodeMultiplePrimaryLayout(const MultiplePrimaryLayoutRecord& record) {
  FieldWriter writer;
  VisitMultiplePrimaryLayout(record, writer);
  return writer.Take();
}

bool DecodeCheckLayout(const std::vector<uint8_t>& bytes, CheckLayoutRecord& record) {
  FieldReader reader(bytes);
  VisitCheckLayout(record, reader);
  return reader.Whole();
}

bool DecodeMultiplePrimaryLayout(const std::vector<uint8_t>& bytes,
                                 MultiplePrimaryLayoutRecord& record) {
  FieldReader reader(bytes);
  VisitMultiplePrimaryLayout(record, reader);
  return reader.Whole();
}

LayoutFileStatus ReadLayoutFileBytes(const std::string& path, size_t formatSize,
                                     std::vector<uint8_t>& bytes) {
  bytes.clear();
  std::FILE* file = std::fopen(path.c_str(), "r+b");
  if (file == nullptr) return LayoutFileStatus::kNotOpened;
  bytes.resize(formatSize);
  const size_t got = std::fread(bytes.data(), 1, formatSize, file);
  std::fclose(file);
  bytes.resize(got);
  return got == formatSize ? LayoutFileStatus::kComplete : LayoutFileStatus::kTruncated;
}

bool WriteLayoutFileBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  const bool closed = std::fclose(file) == 0;
  if (written && closed) return true;
  std::remove(path.c_str());
  return false;
}

LayoutFileStatus ReadCheckLayoutFile(const std::string& path, CheckLayoutRecord& record) {
  std::vector<uint8_t> bytes;
  const LayoutFileStatus status = ReadLayoutFileBytes(path, kCheckLayoutFileSize, bytes);
  if (status != LayoutFileStatus::kNotOpened) DecodeCheckLayout(bytes, record);
  return status;
}

LayoutFileStatus ReadMultiplePrimaryLayoutFile(const std::string& path,
                                               MultiplePrimaryLayoutRecord& record) {
  std::vector<uint8_t> bytes;
  const LayoutFileStatus status = ReadLayoutFileBytes(path, kMultiplePrimaryLayoutFileSize, bytes);
  if (status != LayoutFileStatus::kNotOpened) DecodeMultiplePrimaryLayout(bytes, record);
  return status;
}

bool WriteCheckLayoutFile(const std::string& path, const CheckLayoutRecord& record) {
  return WriteLayoutFileBytes(path, EncodeCheckLayout(record));
}

bool WriteMultiplePrimaryLayoutFile(const std::string& path,
                                    const MultiplePrimaryLayoutRecord& record) {
  return WriteLayoutFileBytes(path, EncodeMultiplePrimaryLayout(record));
}

}  // namespace kelvarin
