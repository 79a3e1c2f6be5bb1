// Whole runs of Fenzel over a small ICD-O-1 file: codes appended with and
// without a grade column, and put in place with optionB, compared byte for
// byte with the expected files.
#include <gtest/gtest.h>

#include "tests/tools/convert/older/goldenrun.h"
#include "tools/convert/fenzel/fenzelengine.h"
#include "tools/convert/older/icdo1codeconverter.h"

using namespace kelvarin;
using namespace kelvarin::test;

namespace {

TEST(FenzelRun, CodesAppended) {
  FenzelEngine engine;
  ExpectGoldenRun(engine, "Fenzel", "icdo1.dat", GoldenRow(true, 15, 0, 0), "appended");
}

TEST(FenzelRun, CodesAppendedWithoutGradeColumn) {
  FenzelEngine engine;
  ExpectGoldenRun(engine, "Fenzel", "icdo1.dat", GoldenRow(true, -1, 0, 0), "no-grade");
}

TEST(FenzelRun, CodesInPlaceWithOptionB) {
  FenzelEngine engine;
  ExpectGoldenRun(engine, "Fenzel", "icdo1.dat", GoldenRow(true, 15, 1, 1), "in-place");
}

}  // namespace
