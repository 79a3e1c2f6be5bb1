// The layout-definition files' contents (.frm, .mpr): any bytes decode
// without a crash, and what decodes encodes to bytes that decode the same.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "common/layoutfile.h"
#include "tests/fuzz/fuzzsupport.h"

using namespace kelvarin;

namespace {

// What decodes encodes to bytes that decode to the same.
template <class Record>
void RoundTrip(const std::vector<uint8_t>& bytes,
               bool (*decode)(const std::vector<uint8_t>&, Record&),
               std::vector<uint8_t> (*encode)(const Record&)) {
  Record record;
  if (!decode(bytes, record)) return;
  const std::vector<uint8_t> encoded = encode(record);
  Record again;
  fuzz::Require(decode(encoded, again), "an encoded layout decodes");
  fuzz::Require(encode(again) == encoded, "an encoded layout decodes the same");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::vector<uint8_t> bytes(data, data + size);
  RoundTrip<CheckLayoutRecord>(bytes, DecodeCheckLayout, EncodeCheckLayout);
  RoundTrip<MultiplePrimaryLayoutRecord>(bytes, DecodeMultiplePrimaryLayout,
                                         EncodeMultiplePrimaryLayout);
  return 0;
}
