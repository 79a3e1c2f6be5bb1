// A whole run of Caslov over a small ICD-10 file, compared byte for byte with
// the expected files. Caslov always appends, whatever optionA says,
// and marks its review records in the output file.
#include <gtest/gtest.h>

#include "tests/tools/convert/older/goldenrun.h"
#include "tools/convert/caslov/caslovconverter.h"
#include "tools/convert/caslov/caslovengine.h"

using namespace kelvarin;
using namespace kelvarin::test;

namespace {

TEST(CaslovRun, CodesAppended) {
  CaslovEngine engine;
  ExpectGoldenRun(engine, "Caslov", "icd10.dat", GoldenRow(false, -1, 0, 0), "appended");
  // The four records marked '#' are the warnings; no warning file is written.
  EXPECT_EQ(4, engine.warnings());
  EXPECT_EQ(7, engine.errors());
}

TEST(CaslovRun, OptionsAreIgnored) {
  CaslovEngine engine;
  ExpectGoldenRun(engine, "Caslov", "icd10.dat", GoldenRow(false, -1, 1, 1), "appended");
}

// The program's message order: the first message that applies wins.
TEST(CaslovRun, MessageOrder) {
  const MessageCase cases[] = {
      {"00011C509abcdefghijk", ""},                                   // converts
      {"00012D057abcdefghijk", ""},                                   // converted for review
      {"00012C61 abcdefghijk", " (S) Invalid sex/site combination"},  // woman with C61
      {"00013C5A9abcdefghijk", " (S) Invalid sex code"},              // sex first
      {"00011C5A9abcdefghijk", " (T) Invalid ICD-10 code"},           // digits
      {"00011X509abcdefghijk", " (T) Invalid ICD-10 code"},           // letter left to the table
      {"00011C967abcdefghijk", " (T) Hand review"},                   // hand review
      {"00011D477abcdefghijk", " (T) Hand review"},  // D47.7 reads as hand review here
  };
  caslov::CaslovConverter converter;
  StandardRecordStep step(CaslovEngine::Program(), caslov::CaslovStepRules, converter);
  ExpectMessages(step, GoldenRow(false, -1, 0, 0), cases);
}

}  // namespace
