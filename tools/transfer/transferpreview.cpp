#include "tools/transfer/transferpreview.h"

#include <cstdio>

#include "tools/transfer/delimitedfile.h"

namespace kelvarin {

bool NameSuggestsVariable(const std::string& name) {
  static const char* const kKeywords[] = {
      "sex",   "Sex",   "SEX",   "age",   "Age",   "AGE",   "top",   "Top",  "TOP",   "morph",
      "Morph", "MORPH", "histo", "Histo", "HISTO", "date",  "Date",  "DATE", "basis", "Basis",
      "BASIS", "behav", "Behav", "BEHAV", "grade", "Grade", "GRADE", "icd",  "ICD"};
  for (const char* keyword : kKeywords)
    if (name.find(keyword) != std::string::npos) return true;
  return false;
}

bool IsValidUtf8(std::string_view value) {
  size_t i = 0;
  while (i < value.size()) {
    const unsigned char lead = static_cast<unsigned char>(value[i]);
    if (lead < 0x80) {
      ++i;
      continue;
    }
    size_t length = 0;
    // The range the second byte must lie in, which excludes overlong forms,
    // surrogates and code points beyond U+10FFFF.
    unsigned char low = 0x80, high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
      length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      length = 3;
      if (lead == 0xE0) low = 0xA0;
      if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      length = 4;
      if (lead == 0xF0) low = 0x90;
      if (lead == 0xF4) high = 0x8F;
    } else {
      return false;
    }
    if (value.size() - i < length) return false;
    for (size_t k = 1; k < length; ++k) {
      const unsigned char byte = static_cast<unsigned char>(value[i + k]);
      if (byte < (k == 1 ? low : 0x80) || byte > (k == 1 ? high : 0xBF)) return false;
    }
    i += length;
  }
  return true;
}

std::string PreviewCaption(const std::string& inputFile) {
  return "Preview (" + std::to_string(kPreviewRows) + " first records) of: " + inputFile;
}

bool LoadTransferPreview(const std::string& inputFile, bool firstRowHasNames,
                         TransferPreview* preview) {
  *preview = TransferPreview();
  DelimitedFile reader;
  reader.m_path = inputFile;
  if (!reader.Open()) {
    preview->message = "Cannot open input file!";
    return false;
  }
  if (!reader.Prepare()) {
    const bool readable = !reader.failed();
    reader.Close();
    preview->message = readable ? "Cannot find a field delimiter!" : "Cannot open input file!";
    return false;
  }
  if (firstRowHasNames) reader.ReadRecord();
  for (int i = 0; i < reader.m_maxFieldCount; ++i) {
    std::string name;
    if (firstRowHasNames) {
      name = reader.m_fields[i];
    } else {
      char numbered[16];
      std::snprintf(numbered, sizeof numbered, "Col%03d", i + 1);
      name = numbered;
    }
    preview->preTicked.push_back(NameSuggestsVariable(name));
    preview->columnNames.push_back(std::move(name));
  }
  while (static_cast<int>(preview->rows.size()) < kPreviewRows && reader.ReadRecord())
    preview->rows.emplace_back(reader.m_fields.begin(),
                               reader.m_fields.begin() + reader.m_fieldCount);
  const bool readable = !reader.failed();
  reader.Close();
  if (!readable) {
    *preview = TransferPreview();
    preview->message = "Cannot open input file!";
  }
  return readable;
}

}  // namespace kelvarin
