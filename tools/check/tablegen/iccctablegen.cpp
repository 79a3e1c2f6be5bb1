// Build-time generator: turns the ICCC-3 extended table (CSV: a header, then
// one row per morphology with the morphology and 49 site-class values) into
// the rows of a C++ array initialiser. Any malformed row stops the build.
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int kColumns = 50;
constexpr int kRows = 807;

int Fail(const std::string& path, int line, const std::string& what) {
  std::cerr << path << ":" << line << ": " << what << "\n";
  return 1;
}

// Splits a CSV line (no quoting) into integer fields; false on any field
// that is not a plain decimal integer within the 16-bit range.
bool ParseRow(const std::string& line, std::vector<long>& fields) {
  fields.clear();
  std::stringstream stream(line);
  std::string field;
  while (std::getline(stream, field, ',')) {
    if (field.empty() || field.size() > 6) return false;
    std::size_t i = field[0] == '-' ? 1 : 0;
    if (i == field.size()) return false;
    for (; i < field.size(); ++i)
      if (field[i] < '0' || field[i] > '9') return false;
    const long value = std::strtol(field.c_str(), nullptr, 10);
    if (value < -32768 || value > 32767) return false;
    fields.push_back(value);
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: iccctablegen table.csv rows.inc\n";
    return 2;
  }
  const std::string inPath = argv[1];
  std::ifstream in(inPath);
  if (!in) return Fail(inPath, 0, "cannot open");

  std::string line;
  if (!std::getline(in, line) || line.rfind("morphology,c1,", 0) != 0)
    return Fail(inPath, 1, "header 'morphology,c1,...,c49' expected");

  std::ostringstream out;
  std::vector<long> fields;
  int rows = 0;
  long previous = -1;
  for (int number = 2; std::getline(in, line); ++number) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    if (!ParseRow(line, fields)) return Fail(inPath, number, "not a row of 16-bit integers");
    if (static_cast<int>(fields.size()) != kColumns)
      return Fail(inPath, number, "expected " + std::to_string(kColumns) + " fields");
    if (fields[0] <= previous) return Fail(inPath, number, "morphologies not ascending");
    for (int c = 1; c < kColumns; ++c)
      if (fields[c] < 0) return Fail(inPath, number, "negative category");
    previous = fields[0];
    out << "    {";
    for (int c = 0; c < kColumns; ++c) out << (c ? "," : "") << fields[c];
    out << "},\n";
    ++rows;
  }
  if (rows != kRows)
    return Fail(inPath, 0,
                "expected " + std::to_string(kRows) + " rows, found " + std::to_string(rows));

  std::ofstream result(argv[2], std::ios::trunc);
  result << "// Generated from " << inPath << " by iccctablegen; do not edit.\n" << out.str();
  if (!result.flush()) return Fail(argv[2], 0, "cannot write");
  return 0;
}
