// Gorvat's record step under a fixed row (with a grade), appending or
// replacing the codes.
#include "tests/fuzz/fuzzsupport.h"
#include "tools/convert/gorvat/gorvatrecordstep.h"

using namespace kelvarin;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::FuzzConversionStep<GorvatRecordStep>(data, size, true);
  return 0;
}
