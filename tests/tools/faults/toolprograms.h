// The ten tool programs as the fault and accounting tests see them: the
// engine, a row, a record the program's rules send to the output file and one
// they send elsewhere (the error file; Multiple: the excluded file).
#pragma once

#include <cstdio>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "tests/tools/convert/older/goldenrun.h"
#include "tools/check/tesmarengine.h"
#include "tools/convert/alquen/alquenengine.h"
#include "tools/convert/bernit/bernitengine.h"
#include "tools/convert/caslov/caslovengine.h"
#include "tools/convert/dorwim/dorwimengine.h"
#include "tools/convert/elbrac/elbracengine.h"
#include "tools/convert/fenzel/fenzelengine.h"
#include "tools/convert/gorvat/gorvatengine.h"
#include "tools/convert/jantrik/jantrikengine.h"
#include "tools/multiple/multipleengine.h"

namespace kelvarin::test {

struct ToolProgram {
  const char* name;
  std::unique_ptr<ToolEngine> (*make)();
  std::string row;       // fileSize 0, line end included
  std::string record;    // goes to the output file; its last two columns are filler
  std::string rejected;  // as long as record; goes to the error (excluded) file
  bool multiple;         // a record of the wrong length halts the run; the key is "P" and 5 digits

  // The record with its registration number (its person key) made n.
  std::string Numbered(const std::string& text, int n) const {
    char id[8];
    std::snprintf(id, sizeof id, multiple ? "P%05d" : "%04d", n % (multiple ? 100000 : 10000));
    return std::string(id) + text.substr(multiple ? 6 : 4);
  }
};

template <class Engine>
std::unique_ptr<ToolEngine> MakeEngine() {
  return std::make_unique<Engine>();
}

// Conversion rows of 20-character records: sex 5, site 6-9, morphology 10-13,
// behaviour 14, grade 15 (where the program reads them).
inline std::string ConversionRowText(bool withMorphology, int gradeStart) {
  return FormatRow(GoldenRow(withMorphology, gradeStart, 0, 0));
}

inline const std::vector<ToolProgram>& ToolPrograms() {
  static const std::vector<ToolProgram> programs = {
      {"Tesmar", MakeEngine<TesmarEngine>,
       "1 4 5 5 6 9 10 13 14 14 15 15 16 16 17 19 20 27 0 28 35 0 5 6 7 8 M F 37 0 0 999\n",
       "0001FC50985003270501960031520100620ab", "0002XC50985003270501960031520100620ab", false},
      {"Multiple", MakeEngine<MultipleEngine>,
       "1 6 7 8 9 9 10 13 14 17 18 18 19 26 0 1 2 1 1 0 40 0\n",
       "P00002011C1878140320010315note r01      ", "P00001012C1878140920010315note r02      ",
       true},
      {"Alquen", MakeEngine<AlquenEngine>, ConversionRowText(false, -1), "000112021abcdefghijk",
       "0001x2021abcdefghijk", false},
      {"Bernit", MakeEngine<BernitEngine>, ConversionRowText(true, 15), "000121409814031abcde",
       "0001x1409814031abcde", false},
      {"Caslov", MakeEngine<CaslovEngine>, ConversionRowText(false, -1), "00051C509abcdefghijk",
       "0005xC509abcdefghijk", false},
      {"Dorwim", MakeEngine<DorwimEngine>, ConversionRowText(true, 15), "00011C509850039abcde",
       "0001xC509850039abcde", false},
      {"Elbrac", MakeEngine<ElbracEngine>, ConversionRowText(true, 15), "000111409800039abcde",
       "0001x1409800039abcde", false},
      {"Fenzel", MakeEngine<FenzelEngine>, ConversionRowText(true, 15), "000111409800039abcde",
       "0001x1409800039abcde", false},
      {"Gorvat", MakeEngine<GorvatEngine>, ConversionRowText(true, 15), "00012C509814033abcde",
       "0001xC509814033abcde", false},
      {"Jantrik", MakeEngine<JantrikEngine>, ConversionRowText(true, -1), "00012C509814033abcde",
       "0001xC509814033abcde", false},
  };
  return programs;
}

// gtest shows a program by its name.
inline void PrintTo(const ToolProgram& program, std::ostream* out) { *out << program.name; }

inline std::string PrintProgramName(const ::testing::TestParamInfo<ToolProgram>& info) {
  return info.param.name;
}

}  // namespace kelvarin::test
