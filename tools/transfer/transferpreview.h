// What the transfer wizard's column page shows of a delimited file: one
// column per field (named by the header or numbered), the columns whose names
// suggest a registry variable pre-ticked, and the first records as rows.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kelvarin {

// Rows of the preview list.
inline constexpr int kPreviewRows = 1500;

struct TransferPreview {
  // The column list: column i (the tree item's data) at index i.
  std::vector<std::string> columnNames;
  // Whether column i starts ticked.
  std::vector<bool> preTicked;
  // The preview rows, each the fields of one record (its field count of them).
  std::vector<std::vector<std::string>> rows;
  // Why the preview could not be built, for an information box.
  std::string message;
};

// Reads the columns and the first kPreviewRows records that follow the header
// (when the first row holds names). False with preview->message set to
// "Cannot open input file!" or "Cannot find a field delimiter!".
bool LoadTransferPreview(const std::string& inputFile, bool firstRowHasNames,
                         TransferPreview* preview);

// Whether a column name holds one of the keywords of the registry variables
// (sex, age, topography, morphology, histology, date, basis, behaviour, grade,
// ICD), case-sensitively.
bool NameSuggestsVariable(const std::string& name);

// Whether a value is valid UTF-8 (no overlong form, no surrogate, nothing
// beyond U+10FFFF): the preview then shows it as UTF-8, otherwise each byte
// as one Latin-1 character.
bool IsValidUtf8(std::string_view value);

// The preview's caption line.
std::string PreviewCaption(const std::string& inputFile);

}  // namespace kelvarin
