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
