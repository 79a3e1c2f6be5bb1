// A running 64-bit checksum of a stream of bytes. It is the same however the
// stream is cut into pieces, and it depends on the order of the bytes, so two
// readings of a file that were handed different bytes (another program
// rewrote it in between, even to the same length) almost surely give
// different values. Cheap enough to follow a reader through its buffer.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace kelvarin {

class ByteDigest {
 public:
  ByteDigest() { Reset(); }
  // Back to the checksum of no bytes.
  void Reset();
  // Adds the bytes that follow those added so far.
  void Add(const char* data, size_t length);
  // The checksum of every byte added since Reset.
  uint64_t Value() const;

 private:
  static constexpr size_t kStripe = 32;  // bytes taken into the four lanes at once
  // Takes the whole stripes at the start of `data`; returns their length.
  size_t AddStripes(const char* data, size_t length);

  std::array<uint64_t, 4> m_lanes{};
  std::array<char, kStripe> m_pending{};  // the start of a stripe not yet whole
  size_t m_pendingLength = 0;
  uint64_t m_length = 0;
};

}  // namespace kelvarin
