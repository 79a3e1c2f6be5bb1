#include "personindex.h"

#include <algorithm>
#include <cassert>
#include <cstring>
#include <limits>

namespace kelvarin {

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

  std::uint64_t prefix = 0;
  for (std::size_t i = 0; i < 8; ++i)
    prefix = (prefix << 8) | (i < used ? static_cast<unsigned char>(key[i]) : 0u);
  m_entries.push_back({prefix, offset, static_cast<std::uint32_t>(m_entries.size()), false});
}

std::string_view PersonIndex::Key(std::size_t i) const {
  const std::size_t length = static_cast<std::size_t>(m_idLength);
  return {m_keys.data() + m_entries[i].keySlot * length, length};
}

bool PersonIndex::KeyLess(const Entry& a, const Entry& b) const {
  if (a.prefix != b.prefix) return a.prefix < b.prefix;
  if (m_idLength <= 8) return false;
  const std::size_t length = static_cast<std::size_t>(m_idLength);
  return std::memcmp(m_keys.data() + a.keySlot * length + 8, m_keys.data() + b.keySlot * length + 8,
                     length - 8) < 0;
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
