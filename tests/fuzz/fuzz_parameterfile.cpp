// The parameter file's lines and the three rows read from them: no crash,
// and a row read, written and read again is the same row.
#include <cstddef>
#include <cstdint>

#include "common/parameterfile.h"
#include "tests/fuzz/fuzzsupport.h"

using namespace kelvarin;

namespace {

template <class Row>
void RoundTrip(const std::string& line) {
  Row row;
  std::string error;
  if (!ParseRow(line, &row, &error)) return;
  const std::string written = FormatRow(row);
  Row again;
  fuzz::Require(ParseRow(written, &again, &error), "a written row reads back");
  fuzz::Require(FormatRow(again) == written, "a written row reads back the same");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  ParameterFileLines lines;
  const ParameterFileStatus status = SplitParameterLines(text, false, &lines);
  if (status != ParameterFileStatus::kOk && status != ParameterFileStatus::kNulInPath) return 0;
  RoundTrip<CheckRow>(lines.row);
  RoundTrip<MultiplePrimaryRow>(lines.row);
  RoundTrip<ConversionRow>(lines.row);
  ConversionRow sixteen;
  std::string error;
  ParseRow(lines.row, &sixteen, &error, 16);
  return 0;
}
