// The included records of a run: the person key and the file position of each.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace kelvarin {

// One entry per included record. Grows as records are added, so no estimate
// of the record count can be too small. Keys are kept in one block, `idLength`
// bytes each.
class PersonIndex {
 public:
  explicit PersonIndex(int idLength);

  // Room for `count` entries ahead (an estimate; the index grows past it).
  void Reserve(std::size_t count);
  // Adds a record: its person key (cut or padded with zero bytes to the id
  // length) and its byte offset in the input file.
  void Add(std::string_view key, std::int64_t offset);

  std::size_t Size() const { return m_entries.size(); }
  int IdLength() const { return m_idLength; }

  // Sorts by person key descending (bytes compared as unsigned), then by file
  // position ascending: the records of one person come together in file order.
  void Sort();

  std::string_view Key(std::size_t i) const;
  std::int64_t Offset(std::size_t i) const { return m_entries[i].offset; }
  bool IsSetAside(std::size_t i) const { return m_entries[i].setAside; }
  // Marks a record the rules set aside; it is left out of the output file.
  void SetAside(std::size_t i) { m_entries[i].setAside = true; }

  // The end of the run of entries that share the key of entry `first`.
  std::size_t PersonEnd(std::size_t first) const;

 private:
  struct Entry {
    std::uint64_t prefix[2];  // the first 16 key bytes, big-endian, for a fast compare
    std::int64_t offset;
    std::uint32_t keySlot;  // where the key stands in m_keys
    bool setAside;
  };

  bool KeyLess(const Entry& a, const Entry& b) const;

  int m_idLength;
  std::vector<Entry> m_entries;
  std::vector<char> m_keys;
};

}  // namespace kelvarin
