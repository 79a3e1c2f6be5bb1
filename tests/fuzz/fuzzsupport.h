// What the fuzz targets share: the records of an input, and a crash that
// libFuzzer reports when an invariant does not hold.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "tests/tools/convert/common/conversionrun.h"
#include "tools/convert/common/conversionrecordstep.h"

namespace kelvarin::fuzz {

// Fails the run (libFuzzer keeps the input) when an invariant does not hold.
inline void Require(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "invariant broken: %s\n", what);
  std::abort();
}

// The input's lines, each cut or padded with blanks to `length`, at most
// `most` of them: records of the right length, as the engines hand them to
// their record steps.
inline std::vector<std::string> Records(const uint8_t* data, size_t size, size_t length,
                                        size_t most) {
  std::vector<std::string> records;
  std::string_view text(reinterpret_cast<const char*>(data), size);
  while (!text.empty() && records.size() < most) {
    const size_t end = text.find('\n');
    std::string record(text.substr(0, end));
    record.resize(length, ' ');
    records.push_back(std::move(record));
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return records;
}

// Takes the lines a conversion record step writes and checks that each
// begins with the record it was given (in place of it when the codes are
// put in place: as long as it).
class CheckedReports : public ConversionReports {
 public:
  void Expect(std::string_view record, bool inPlace) {
    m_record = record;
    m_inPlace = inPlace;
    m_lines = 0;
  }
  int lines() const { return m_lines; }
  void WriteOutput(std::string_view line) override { Take(line); }
  void WriteWarning(std::string_view line) override { Take(line); }
  void WriteError(std::string_view line) override { Take(line); }
  void CountWarning() override {}

 private:
  void Take(std::string_view line) {
    Require(line.size() >= m_record.size(), "a line holds its whole record");
    Require(m_inPlace || line.substr(0, m_record.size()) == m_record,
            "a line begins with its record");
    ++m_lines;
  }
  std::string_view m_record;
  bool m_inPlace = false;
  int m_lines = 0;
};

// Runs a conversion record step over the records of an input, the first
// byte choosing whether the codes are appended or put in place. The row:
// registration 1-6, sex 7, topography 8-12 ("C50.9"), morphology 13-16,
// behaviour 17 and, with a grade, grade 18; records of 30 characters.
template <class Step>
void FuzzConversionStep(const uint8_t* data, size_t size, bool withGrade) {
  if (size == 0) return;
  ConversionRow row = test::CodeRow(7, 5, withGrade);
  row.regNoStart = 1;
  row.regNoEnd = 6;
  row.recordLength = 30;
  row.optionA = data[0] & 1;
  Step step;
  CheckedReports reports;
  for (const std::string& record : Records(data, size, static_cast<size_t>(row.recordLength), 64)) {
    reports.Expect(record, row.optionA != 0);
    step.ConvertRecord(record, row, reports);
    Require(reports.lines() >= 1, "every record goes somewhere");
  }
}

}  // namespace kelvarin::fuzz
