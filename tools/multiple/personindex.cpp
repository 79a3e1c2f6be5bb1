#include "tools/multiple/personindex.h"

#include <algorithm>
#include <cassert>
#include <cstring>
#include <limits>

namespace kelvarin {

namespace {
constexpr std::size_t kPrefixBytes = 16;
}

PersonIndex::PersonIndex(int idLength) : m_idLength(idLength > 0 ? idLength : 0) {}

void PersonIndex::Reserve(std::size_t count) {
  m_entries.reserve(count);
  m_keys.reserve(count * static_cast<std::size_t>(m_idLength));
}

void PersonIndex::Add(std::string_view key, std::int64_t offset) {
  assert(m_entries.size() < std::numeric_limits<std::uint32_t>::max());
  const std::size_t length = static_cast<std::size_t>(m_idLength);
  const std::size_t used = std::min(key.size(), length);
  m_keys.insert(m_keys.end(), key.data(), key.data() + used);
  m_keys.insert(m_keys.end(), length - used, '\0');

  Entry entry{{0, 0}, offset, static_cast<std::uint32_t>(m_entries.size()), false};
  for (std::size_t i = 0; i < kPrefixBytes; ++i)
    entry.prefix[i / 8] =
        (entry.prefix[i / 8] << 8) | (i < used ? static_cast<unsigned char>(key[i]) : 0u);
  m_entries.push_back(entry);
}

std::string_view PersonIndex::Key(std::size_t i) const {
  const std::size_t length = static_cast<std::size_t>(m_idLength);
  return {m_keys.data() + m_entries[i].keySlot * length, length};
}

bool PersonIndex::KeyLess(const Entry& a, const Entry& b) const {
  if (a.prefix[0] != b.prefix[0]) return a.prefix[0] < b.prefix[0];
  if (a.prefix[1] != b.prefix[1]) return a.prefix[1] < b.prefix[1];
  if (m_idLength <= static_cast<int>(kPrefixBytes)) return false;
  const std::size_t length = static_cast<std::size_t>(m_idLength);
  return std::memcmp(m_keys.data() + a.keySlot * length + kPrefixBytes,
                     m_keys.data() + b.keySlot * length + kPrefixBytes, length - kPrefixBytes) < 0;
}

void PersonIndex::Sort() {
  std::sort(m_entries.begin(), m_entries.end(), [this](const Entry& a, const Entry& b) {
    if (KeyLess(b, a)) return true;
    if (KeyLess(a, b)) return false;
    return a.offset < b.offset;
  });
}

std::size_t PersonIndex::PersonEnd(std::size_t first) const {
  std::size_t end = first + 1;
  while (end < m_entries.size() && !KeyLess(m_entries[first], m_entries[end]) &&
         !KeyLess(m_entries[end], m_entries[first]))
    ++end;
  return end;
}

}  // namespace kelvarin
