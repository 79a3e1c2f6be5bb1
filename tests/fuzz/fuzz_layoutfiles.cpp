// The layout-definition files' contents (.frm, .mpr, and .dfi with none, one
// or two option words): any bytes decode without a crash, and what decodes
// whole encodes to bytes that decode to the same values.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "common/layoutfile.h"
#include "tests/fuzz/fuzzsupport.h"

using namespace kelvarin;

namespace {

void RoundTrip(LayoutFile file, const std::vector<uint8_t>& bytes, const OptionWords& words) {
  RecordSettings values;
  const bool whole = DecodeLayout(file, bytes, values, words);
  fuzz::Require(whole == (bytes.size() >= LayoutFileSize(file, words.size())),
                "a record is whole exactly when the bytes hold its size");
  const std::vector<uint8_t> encoded = EncodeLayout(file, values, words);
  fuzz::Require(encoded.size() == LayoutFileSize(file, words.size()),
                "an encoded layout has its file's size");
  RecordSettings again;
  fuzz::Require(DecodeLayout(file, encoded, again, words), "an encoded layout decodes whole");
  fuzz::Require(EncodeLayout(file, again, words) == encoded, "an encoded layout decodes the same");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::vector<uint8_t> bytes(data, data + size);
  RoundTrip(LayoutFile::kCheck, bytes, {});
  RoundTrip(LayoutFile::kMultiplePrimary, bytes, {});
  RoundTrip(LayoutFile::kConversion, bytes, {});
  RoundTrip(LayoutFile::kConversion, bytes, {&RecordSettings::optionA});
  RoundTrip(LayoutFile::kConversion, bytes, {&RecordSettings::optionA, &RecordSettings::optionB});
  return 0;
}
