#include "tools/multiple/multiplelayout.h"

#include "common/dateformats.h"

#include <limits>
#include <string>

namespace kelvarin {

namespace {

// The characters of a field, or an empty view when it is absent or does not
// lie wholly inside the record.
std::string_view Field(std::string_view record, int column, int width) {
  if (column < 1 || width < 1) return {};
  const std::size_t start = static_cast<std::size_t>(column - 1);
  if (start + static_cast<std::size_t>(width) > record.size()) return {};
  return record.substr(start, static_cast<std::size_t>(width));
}

char CharAt(std::string_view record, int column) {
  const std::string_view field = Field(record, column, 1);
  return field.empty() ? ' ' : field[0];
}

}  // namespace

int FieldNumber(std::string_view record, int column, int width) {
  if (column < 1 || width < 1 || static_cast<std::size_t>(column - 1) >= record.size()) return 0;
  // Characters past the end of the record end the number like any non-digit.
  std::string_view field = record.substr(static_cast<std::size_t>(column - 1));
  if (field.size() > static_cast<std::size_t>(width)) field = field.substr(0, width);
  std::size_t i = 0;
  while (i < field.size() && field[i] == ' ') ++i;
  int value = 0;
  for (; i < field.size() && field[i] >= '0' && field[i] <= '9'; ++i)
    value = value * 10 + (field[i] - '0');
  return value;
}

bool IsIncluded(int site, char behaviour, bool includeBrain, bool includeBladder) {
  if (behaviour == '3') return true;
  if (includeBladder && site == 67 && (behaviour == '1' || behaviour == '2')) return true;
  if (includeBrain && site >= 70 && site <= 72 && (behaviour == '0' || behaviour == '1'))
    return true;
  return false;
}

MultipleLayout MultipleLayout::FromRow(const MultiplePrimaryRow& row) {
  MultipleLayout layout;
  layout.regNoStart = row.regNoStart;
  layout.regNoEnd = row.regNoEnd;
  layout.seqNoStart = row.seqNoStart;
  layout.seqNoEnd = row.seqNoEnd;
  layout.sexStart = row.sexStart;
  layout.topographyStart = row.topographyStart;
  layout.histologyStart = row.histologyStart;
  layout.behaviourStart = row.behaviourStart;
  layout.incidenceDateStart = row.incidenceDateStart;
  layout.incidenceDateEnd = row.incidenceDateEnd;
  layout.incidenceDateFormat = row.incidenceDateFormat;
  return layout;
}

std::string_view MultipleLayout::PersonKey(std::string_view record) const {
  return Field(record, regNoStart, IdLength());
}

char MultipleLayout::Sex(std::string_view record) const { return CharAt(record, sexStart); }

char MultipleLayout::Behaviour(std::string_view record) const {
  return CharAt(record, behaviourStart);
}

int MultipleLayout::Site(std::string_view record) const {
  const char first = CharAt(record, topographyStart);
  const int column = (first == 'C' || first == 'c') ? topographyStart + 1 : topographyStart;
  return FieldNumber(record, column, kSiteWidth);
}

int MultipleLayout::Morphology(std::string_view record) const {
  return FieldNumber(record, histologyStart, kMorphologyWidth);
}

std::int64_t MultipleLayout::Sequence(std::string_view record) const {
  const std::string_view field = Field(record, seqNoStart, seqNoEnd - seqNoStart + 1);
  if (field.empty()) return 0;
  std::string digits(field);
  if (IsAllDigits(digits.data(), static_cast<int>(digits.size())) != 0) return 0;
  constexpr std::int64_t kLimit = std::numeric_limits<std::int64_t>::max() / 10 - 9;
  std::int64_t value = 0;
  for (char c : digits) {
    if (value > kLimit)
      return std::numeric_limits<std::int64_t>::max();  // saturate, keeps the order
    value = value * 10 + (c - '0');
  }
  return value;
}

DateKey MultipleLayout::IncidenceKey(std::string_view record) const {
  const int width = incidenceDateEnd - incidenceDateStart + 1;
  const std::string_view field = Field(record, incidenceDateStart, width);
  if (field.empty()) return DateKey{};
  return MakeDateKey(field.data(), width, incidenceDateFormat, Sequence(record));
}

}  // namespace kelvarin
