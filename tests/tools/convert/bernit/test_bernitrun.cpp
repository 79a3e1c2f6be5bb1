// Whole runs of Bernit over a small ICD-9 file with ICD-O-1 morphology: codes
// appended, and put in place with optionB, compared byte for byte with the
// expected files.
#include <gtest/gtest.h>

#include "tests/tools/convert/older/goldenrun.h"
#include "tools/convert/bernit/bernitconverter.h"
#include "tools/convert/bernit/bernitengine.h"

using namespace kelvarin;
using namespace kelvarin::test;

namespace {

TEST(BernitRun, CodesAppended) {
  BernitEngine engine;
  ExpectGoldenRun(engine, "Bernit", "icd9.dat", GoldenRow(true, 15, 0, 0), "appended");
}

TEST(BernitRun, CodesInPlaceWithOptionB) {
  BernitEngine engine;
  ExpectGoldenRun(engine, "Bernit", "icd9.dat", GoldenRow(true, 15, 1, 1), "in-place");
}

// The program's message order: the first message that applies wins.
TEST(BernitRun, MessageOrder) {
  const MessageCase cases[] = {
      {"000121409800039zzzzz", ""},                                   // converts
      {"00011183080003Xzzzzz", " (S) Invalid sex/site combination"},  // man with 183
      {"0001314A98O00xXzzzzz", " (S) Invalid sex code"},              // sex first
      {"0001114A98O00xXzzzzz", " (T) Invalid ICD-9 code"},            // code before behaviour
      {"0001114098O00xXzzzzz", " (B) Invalid behaviour code"},        // behaviour before morphology
      {"0001114098O003Xzzzzz", " (M) Invalid ICD-O-1 (M) code"},      // morphology before grade
      {"00011140980003Xzzzzz", " (G) Invalid grade code"},            // grade last of the flags
      {"000112100800039zzzzz", " (X) Invalid ICD-9/ICD-O-1 combination"},  // combination
      {"000111402963439zzzzz",
       " (T) Invalid ICD-9 code"},  // code before morphology in the converter
      {"000111409963449zzzzz",
       " (M) Invalid ICD-O-1 (M) code"},  // morphology before behaviour in the converter
      {"000111409800049zzzzz",
       " (B) Invalid behaviour code"},  // behaviour refused by the converter
  };
  bernit::BernitConverter converter;
  StandardRecordStep step(BernitEngine::Program(), bernit::BernitStepRules, converter);
  ExpectMessages(step, GoldenRow(true, 15, 0, 0), cases);
}

}  // namespace
