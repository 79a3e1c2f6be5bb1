// Whole runs of Dorwim over a small ICD-10 file with ICD-O-2 morphology:
// codes appended and put in place, compared byte for byte with the expected
// files. Dorwim writes no warning file.
#include <gtest/gtest.h>

#include "tests/tools/convert/older/goldenrun.h"
#include "tools/convert/dorwim/dorwimconverter.h"
#include "tools/convert/dorwim/dorwimengine.h"

using namespace kelvarin;
using namespace kelvarin::test;

namespace {

TEST(DorwimRun, CodesAppended) {
  DorwimEngine engine;
  ExpectGoldenRun(engine, "Dorwim", "icd10.dat", GoldenRow(true, 15, 0, 0), "appended");
}

TEST(DorwimRun, CodesInPlace) {
  DorwimEngine engine;
  ExpectGoldenRun(engine, "Dorwim", "icd10.dat", GoldenRow(true, 15, 1, 0), "in-place");
}

// The program's message order: the first message that applies wins.
TEST(DorwimRun, MessageOrder) {
  const MessageCase cases[] = {
      {"00012C509850039zzzzz", ""},  // converts
      {"00012C61 814039zzzzz",
       " (S) Invalid sex/site combination"},                    // woman with C61, after conversion
      {"00013X50985O0xXzzzzz", " (S) Invalid sex code"},        // sex first
      {"00012X5098O00xXzzzzz", " (T) Invalid ICD-10 code"},     // letter before behaviour
      {"00012C5A98O00xXzzzzz", " (T) Invalid ICD-10 code"},     // digits before behaviour
      {"00012C5098O00xXzzzzz", " (B) Invalid behaviour code"},  // behaviour before morphology
      {"00012C5098O003Xzzzzz", " (M) Invalid ICD-O-2 (M) code"},  // morphology before grade
      {"00012C50985003Xzzzzz", " (G) Invalid grade code"},        // grade
      {"00012C509850069zzzzz", " (X) Invalid ICD-10/ICD-O-2 combination"},  // combination
      {"00012C509999939zzzzz",
       " (M) Invalid ICD-O-2 (M) code"},  // morphology refused by the converter
      {"00012C967972039zzzzz", " (?) Program cannot convert"},  // no conversion
  };
  dorwim::DorwimConverter converter;
  StandardRecordStep step(DorwimEngine::Program(), dorwim::DorwimStepRules, converter);
  ExpectMessages(step, GoldenRow(true, 15, 0, 0), cases);
}

}  // namespace
