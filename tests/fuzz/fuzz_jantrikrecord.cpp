// Jantrik's record step under a fixed row (without a grade).
#include "tests/fuzz/fuzzsupport.h"
#include "tools/convert/jantrik/jantrikrecordstep.h"

using namespace kelvarin;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::FuzzConversionStep<JantrikRecordStep>(data, size, false);
  return 0;
}
