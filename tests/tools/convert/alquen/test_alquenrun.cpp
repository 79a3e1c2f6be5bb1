// A whole run of Alquen over a small ICD-9 file, compared byte for byte with
// the expected files. Alquen always appends, whatever optionA says.
#include <gtest/gtest.h>

#include "tests/tools/convert/older/goldenrun.h"
#include "tools/convert/alquen/alquenconverter.h"
#include "tools/convert/alquen/alquenengine.h"

using namespace kelvarin;
using namespace kelvarin::test;

namespace {

TEST(AlquenRun, CodesAppended) {
  AlquenEngine engine;
  ExpectGoldenRun(engine, "Alquen", "icd9.dat", GoldenRow(false, -1, 0, 0), "appended");
}

TEST(AlquenRun, OptionsAreIgnored) {
  AlquenEngine engine;
  ExpectGoldenRun(engine, "Alquen", "icd9.dat", GoldenRow(false, -1, 1, 1), "appended");
}

// The program's message order: the first message that applies wins.
TEST(AlquenRun, MessageOrder) {
  const MessageCase cases[] = {
      {"000121409abcdefghijk", ""},                                   // converts
      {"000111830abcdefghijk", " (S) Invalid sex/site combination"},  // man with 183
      {"000121850abcdefghijk", " (S) Invalid sex/site combination"},  // woman with 185
      {"00013A140abcdefghijk", " (S) Invalid sex code"},              // sex before the code
      {"000121A40abcdefghijk", " (T) Invalid ICD-9 code"},            // letter in the code
      {"00012140 abcdefghijk", " (T) Invalid ICD-9 code"},            // not a key
      {"000122733abcdefghijk", " (?)"},                               // second stage refuses 9761
  };
  alquen::AlquenConverter converter;
  StandardRecordStep step(AlquenEngine::Program(), alquen::AlquenStepRules, converter);
  ExpectMessages(step, GoldenRow(false, -1, 0, 0), cases);
}

}  // namespace
