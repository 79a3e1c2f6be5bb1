// The records of one person and the multiple primary rules applied to them.
#pragma once

#include "tools/multiple/datekey.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kelvarin {

struct MultipleLayout;

// What the rules decide for a record.
enum class PrimaryMark {
  kStays,         // a primary tumour of its own, or the earliest record of one
  kDuplicate,     // repeats a tumour already registered
  kMoreSpecific,  // same tumour, its more specific histology belongs to an earlier record
};

// One record of a person.
struct GroupEntry {
  std::string_view record;  // the record's text, valid while the group is resolved and written
  std::int64_t offset = 0;  // position of the record in the input file
  std::size_t indexPosition = 0;  // position of the record's entry in the person index
  DateKey dateKey;
  char sex = ' ';
  int site = 0;        // two-digit site; replaced by the group's site for some histology groups
  int morphology = 0;  // the 4-digit code as read
  int histology = 0;   // histology group, filled by Resolve
  PrimaryMark mark = PrimaryMark::kStays;

  bool SetAside() const { return mark != PrimaryMark::kStays; }
};

// The records of one person. Any number of records takes part in the rules.
class PersonGroup {
 public:
  void Clear();
  // Adds a record, reading its variables through the layout.
  void Add(std::string_view record, std::int64_t offset, std::size_t indexPosition,
           const MultipleLayout& layout);
  // Adds an entry whose variables are already read.
  void Add(const GroupEntry& entry) { m_entries.push_back(entry); }

  // Applies the rules: sorts the records earliest first, sets the mixed-sex
  // mark, replaces morphologies by their histology groups and marks the
  // duplicate registrations and the records with a more specific histology.
  void Resolve();

  const std::vector<GroupEntry>& Entries() const { return m_entries; }
  std::size_t Size() const { return m_entries.size(); }
  // 's' when the person's records carry more than one sex code, else a blank.
  char SexMark() const { return m_sexMark; }
  // Number of records set aside by the rules.
  int SetAsideCount() const;

  // The person's lines of the multiple file: the first record alone, the
  // others with their mark and the sex mark, then an empty line.
  void AppendMultipleLines(std::string& out) const;
  // The set-aside records as they go to the output file when there is no
  // multiple file: each followed by its position in the group.
  void AppendNumberedSetAside(std::string& out) const;

 private:
  void MarkPairs();

  std::vector<GroupEntry> m_entries;
  char m_sexMark = ' ';
};

// The order of a person's records: date key ascending, then the larger
// morphology first. A strict weak order; equal entries keep their order.
bool GroupEntryBefore(const GroupEntry& a, const GroupEntry& b);

}  // namespace kelvarin
