#include "tools/convert/common/outputforms.h"

#include <vector>

namespace kelvarin {

namespace {

char Digit(int value) { return static_cast<char>('0' + value % 10); }

// Columns a replaced code occupies.
struct WrittenSpan {
  const char* field;
  int first, last;
};

std::string Columns(int first, int last) {
  return std::to_string(first) + " to " + std::to_string(last);
}

}  // namespace

void AppendConvertedCodes(RecordLine& line, int topography, int morphology, int behaviour,
                          char last) {
  line.Append(" C");
  line.AppendNumber(topography, 3, '0');
  line.AppendNumber(morphology, 0, ' ');
  line.AppendNumber(behaviour, 0, ' ');
  line.Append(last);
}

void ReplaceConvertedCodes(ReplaceForm form, const ConversionRow& row, RecordLine& line,
                           int topography, int morphology, int behaviour) {
  if (form == ReplaceForm::kNone) return;
  if (form == ReplaceForm::kSiteAndCodes) {
    const char site[3] = {'C', Digit(topography / 100), Digit(topography / 10)};
    line.Overwrite(row.topographyStart, std::string_view(site, 3));
    const char subsite = Digit(topography);
    line.Overwrite(row.topographyEnd, std::string_view(&subsite, 1));
  }
  const char codes[4] = {Digit(morphology / 1000), Digit(morphology / 100), Digit(morphology / 10),
                         Digit(morphology)};
  line.Overwrite(row.histologyStart, std::string_view(codes, 4));
  const char digit = Digit(behaviour);
  line.Overwrite(row.behaviourStart, std::string_view(&digit, 1));
}

bool CheckReplaceColumns(ReplaceForm form, const ConversionRow& row, std::string* error) {
  if (form == ReplaceForm::kNone) return true;
  struct Field {
    const char* name;
    int first, last, width;
  };
  std::vector<Field> fields;
  std::vector<WrittenSpan> spans;
  if (form == ReplaceForm::kSiteAndCodes) {
    fields.push_back({"topography", row.topographyStart, row.topographyEnd, 4});
    spans.push_back({"topography", row.topographyStart, row.topographyStart + 2});
    spans.push_back({"topography", row.topographyEnd, row.topographyEnd});
  }
  fields.push_back({"morphology", row.histologyStart, row.histologyEnd, 4});
  spans.push_back({"morphology", row.histologyStart, row.histologyStart + 3});
  fields.push_back({"behaviour", row.behaviourStart, row.behaviourEnd, 1});
  spans.push_back({"behaviour", row.behaviourStart, row.behaviourStart});

  for (const Field& field : fields) {
    if (field.last - field.first + 1 >= field.width) continue;
    *error = std::string("the ") + field.name + " field at columns " +
             Columns(field.first, field.last) + " is narrower than the " +
             std::to_string(field.width) + " characters of the converted code that replaces it";
    return false;
  }
  for (size_t i = 0; i < spans.size(); ++i) {
    for (size_t j = 0; j < i; ++j) {
      if (spans[i].first > spans[j].last || spans[j].first > spans[i].last) continue;
      *error = std::string("the converted ") + spans[j].field + " code at columns " +
               Columns(spans[j].first, spans[j].last) + " and the " + spans[i].field +
               " code at columns " + Columns(spans[i].first, spans[i].last) +
               " would share columns";
      return false;
    }
  }
  return true;
}

}  // namespace kelvarin
