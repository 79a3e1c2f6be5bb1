// The checksum by which the transfer compares what its two passes read.
#include "tools/transfer/bytedigest.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

using namespace kelvarin;

namespace {

uint64_t DigestOf(const std::string& bytes, size_t piece) {
  ByteDigest digest;
  for (size_t at = 0; at < bytes.size(); at += piece)
    digest.Add(bytes.data() + at, std::min(piece, bytes.size() - at));
  return digest.Value();
}

TEST(ByteDigest, SameBytesHoweverCutOtherBytesOtherValue) {
  std::string bytes;
  for (int i = 0; i < 300; ++i) bytes += static_cast<char>(i * 7 + i / 5);
  const uint64_t value = DigestOf(bytes, bytes.size());
  for (size_t piece : {1, 3, 8, 31, 32, 33, 100}) EXPECT_EQ(value, DigestOf(bytes, piece)) << piece;

  std::vector<std::string> others = {bytes.substr(1), bytes.substr(0, 299), bytes + '\0'};
  for (size_t i = 0; i < bytes.size(); ++i) {
    others.push_back(bytes);
    others.back()[i] ^= 1;
  }
  // Two records swapped, within a stripe of the lanes and across stripes.
  for (auto [a, b] : {std::pair<size_t, size_t>{0, 8}, {40, 72}, {5, 205}}) {
    others.push_back(bytes);
    std::swap_ranges(others.back().begin() + a, others.back().begin() + a + 8,
                     others.back().begin() + b);
  }
  for (const std::string& other : others) EXPECT_NE(value, DigestOf(other, 7));
}

}  // namespace
