#include "common/recordsettings.h"

#include <algorithm>

namespace kelvarin {

namespace {

// Whether the places in a layout file of the entries that pass `counts` are
// 0, 1, 2, ... with none twice.
template <class Counts>
constexpr bool PlacesAreDense(LayoutFile file, Counts counts) {
  int entries = 0;
  for (const RecordField& field : kRecordFields)
    if (counts(field) && field.PlaceIn(file) >= 0) ++entries;
  for (int place = 0; place < entries; ++place) {
    int holders = 0;
    for (const RecordField& field : kRecordFields)
      if (counts(field) && field.PlaceIn(file) == place) ++holders;
    if (holders != 1) return false;
  }
  return true;
}

constexpr bool LayoutPlacesAreDense() {
  for (LayoutFile file :
       {LayoutFile::kCheck, LayoutFile::kMultiplePrimary, LayoutFile::kConversion})
    if (!PlacesAreDense(file, [](const RecordField& f) { return f.IsColumnPair(); }) ||
        !PlacesAreDense(file, [](const RecordField& f) { return !f.IsColumnPair(); }))
      return false;
  return true;
}
static_assert(LayoutPlacesAreDense(), "each layout file's places run 0, 1, 2, ... without a gap");

void CopyValues(const RecordField& field, const RecordSettings& from, RecordSettings& to) {
  switch (field.kind) {
    case RecordField::Kind::kDateColumns:
      to.*field.format = from.*field.format;
      [[fallthrough]];
    case RecordField::Kind::kColumns:
      to.*field.first = from.*field.first;
      to.*field.last = from.*field.last;
      break;
    case RecordField::Kind::kNumber:
      to.*field.number = from.*field.number;
      break;
    case RecordField::Kind::kSize:
      to.*field.size = from.*field.size;
      break;
    case RecordField::Kind::kCode:
      to.*field.code = from.*field.code;
      break;
    case RecordField::Kind::kCodes:
      to.*field.codes = from.*field.codes;
      break;
    case RecordField::Kind::kText:
      to.*field.text = from.*field.text;
      break;
  }
}

}  // namespace

std::vector<const RecordField*> LayoutVariables(LayoutFile file) {
  std::vector<const RecordField*> variables;
  for (const RecordField& field : kRecordFields)
    if (field.IsColumnPair() && field.PlaceIn(file) >= 0) variables.push_back(&field);
  std::sort(variables.begin(), variables.end(), [file](const RecordField* a, const RecordField* b) {
    return a->PlaceIn(file) < b->PlaceIn(file);
  });
  return variables;
}

void CopyRowValues(RowType row, const RecordSettings& from, RecordSettings& to) {
  for (const RecordField& field : kRecordFields)
    if ((field.rows & (RowSet{1} << row)) != 0) CopyValues(field, from, to);
}

}  // namespace kelvarin
