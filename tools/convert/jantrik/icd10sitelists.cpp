#include "tools/convert/jantrik/icd10sitelists.h"

#include "tools/convert/common/tablesearch.h"
#include "tools/convert/jantrik/icdo3topographycolumns.h"
#include "tools/convert/jantrik/sexsplitlist.h"
#include "tools/convert/jantrik/sitegrouplist.h"

#include <string_view>

namespace kelvarin {

namespace {

void CopyCode(std::string_view from, char code[4]) {
  for (size_t i = 0; i < 4; ++i) code[i] = i < from.size() ? from[i] : '\0';
}

// Whether a site entry (a blank and three site characters first) names the
// topography exactly or by its two-digit site and '-'.
bool SiteMatches(std::string_view entry, const char topography[3]) {
  return entry[1] == topography[0] && entry[2] == topography[1] &&
         (entry[3] == topography[2] || entry[3] == '-');
}

// The code of a matching site entry: a '-' in its fourth place stands for the
// topography's subsite digit.
void CopySiteCode(std::string_view from, const char topography[3], char code[4]) {
  CopyCode(from, code);
  if (code[3] == '-') code[3] = topography[2];
}

// The character at index i of an entry; an entry that ends before it gives its
// terminator, which as a review mark means "check".
char EntryChar(std::string_view entry, size_t i) { return i < entry.size() ? entry[i] : '\0'; }

bool IsClosingEntry(std::string_view entry) { return entry.substr(0, 4) == "aos."; }

}  // namespace

std::string_view FindSiteColumns(const char topography[3]) {
  const char key[4] = {' ', topography[0], topography[1], topography[2]};
  const int index =
      FindTableRow(IcdO3TopographyColumns, IcdO3TopographyColumnsCount, std::string_view(key, 4));
  return index < 0 ? std::string_view() : IcdO3TopographyColumns[index];
}

void CopySiteColumn(std::string_view row, int column, char code[4]) {
  if (column >= 1 && column <= 5) CopyCode(row.substr(4 + 4 * (column - 1), 4), code);
}

int LookupSiteColumn(int column, const char topography[3], char code[4]) {
  const std::string_view row = FindSiteColumns(topography);
  if (row.empty()) return 1;
  CopySiteColumn(row, column, code);
  return 0;
}

void LookupSiteGroup(int entry, const char topography[3], char code[4], char* reviewMark) {
  for (int i = entry; i >= 1 && i <= SiteGroupListCount; ++i) {
    const std::string_view text = SiteGroupList[i - 1];
    if (IsClosingEntry(text)) {
      if (EntryChar(text, 4) == ':') {
        LookupSiteColumn(EntryChar(text, 5) - '0', topography, code);
      } else {
        CopyCode(text.substr(4), code);
        if (*reviewMark == ' ') *reviewMark = EntryChar(text, 8);
      }
      return;
    }
    if (SiteMatches(text, topography)) {
      CopySiteCode(text.substr(4), topography, code);
      if (*reviewMark == ' ') *reviewMark = EntryChar(text, 8);
      return;
    }
  }
}

void LookupSexSplit(int entry, const char topography[3], int sexIndex, char code[4]) {
  const size_t part = 4 + 4 * static_cast<size_t>(sexIndex == 1 ? 1 : 0);
  for (int i = entry; i >= 1 && i <= SexSplitListCount; ++i) {
    const std::string_view text = SexSplitList[i - 1];
    if (IsClosingEntry(text)) {
      if (EntryChar(text, part) == ':')
        LookupSiteColumn(EntryChar(text, part + 1) - '0', topography, code);
      else
        CopyCode(text.substr(part), code);
      return;
    }
    if (SiteMatches(text, topography)) {
      CopySiteCode(text.substr(part), topography, code);
      return;
    }
  }
}

}  // namespace kelvarin
