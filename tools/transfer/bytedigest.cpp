#include "tools/transfer/bytedigest.h"

#include <algorithm>
#include <cstring>

namespace kelvarin {

namespace {

constexpr uint64_t kPrime1 = 0x9E3779B185EBCA87ULL;
constexpr uint64_t kPrime2 = 0xC2B2AE3D27D4EB4FULL;
constexpr uint64_t kPrime3 = 0x165667B19E3779F9ULL;
constexpr uint64_t kPrime4 = 0x85EBCA77C2B2AE63ULL;
constexpr uint64_t kPrime5 = 0x27D4EB2F165667C5ULL;

uint64_t RotateLeft(uint64_t value, int bits) { return (value << bits) | (value >> (64 - bits)); }

uint64_t Word(const char* p) {
  uint64_t word;
  std::memcpy(&word, p, sizeof word);
  return word;
}

// Mixes one word into a lane.
uint64_t Round(uint64_t lane, uint64_t word) {
  return RotateLeft(lane + word * kPrime2, 31) * kPrime1;
}

}  // namespace

void ByteDigest::Reset() {
  m_lanes = {kPrime1 + kPrime2, kPrime2, 0, 0 - kPrime1};
  m_pendingLength = 0;
  m_length = 0;
}

size_t ByteDigest::AddStripes(const char* data, size_t length) {
  // The lanes in locals: stores to them could otherwise alias the bytes read.
  uint64_t a = m_lanes[0], b = m_lanes[1], c = m_lanes[2], d = m_lanes[3];
  size_t done = 0;
  for (; length - done >= kStripe; done += kStripe) {
    const char* stripe = data + done;
    a = Round(a, Word(stripe));
    b = Round(b, Word(stripe + 8));
    c = Round(c, Word(stripe + 16));
    d = Round(d, Word(stripe + 24));
  }
  m_lanes = {a, b, c, d};
  return done;
}

void ByteDigest::Add(const char* data, size_t length) {
  m_length += length;
  if (m_pendingLength > 0) {
    const size_t taken = std::min(length, kStripe - m_pendingLength);
    std::memcpy(m_pending.data() + m_pendingLength, data, taken);
    m_pendingLength += taken;
    data += taken;
    length -= taken;
    if (m_pendingLength < kStripe) return;
    AddStripes(m_pending.data(), kStripe);
    m_pendingLength = 0;
  }
  const size_t done = AddStripes(data, length);
  m_pendingLength = length - done;
  std::memcpy(m_pending.data(), data + done, m_pendingLength);
}

uint64_t ByteDigest::Value() const {
  uint64_t value = RotateLeft(m_lanes[0], 1) + RotateLeft(m_lanes[1], 7) +
                   RotateLeft(m_lanes[2], 12) + RotateLeft(m_lanes[3], 18);
  for (uint64_t lane : m_lanes) value = (value ^ Round(0, lane)) * kPrime1 + kPrime4;
  value += m_length;
  // The bytes after the last whole stripe: words, then single bytes.
  const char* p = m_pending.data();
  const char* end = p + m_pendingLength;
  for (; end - p >= 8; p += 8)
    value = RotateLeft(value ^ Round(0, Word(p)), 27) * kPrime1 + kPrime4;
  for (; p < end; ++p)
    value = RotateLeft(value ^ (static_cast<unsigned char>(*p) * kPrime5), 11) * kPrime1;
  value ^= value >> 33;
  value *= kPrime2;
  value ^= value >> 29;
  value *= kPrime3;
  value ^= value >> 32;
  return value;
}

}  // namespace kelvarin
