#include "tools/multiple/persongroup.h"

#include "tools/multiple/histologygroups.h"
#include "tools/multiple/multiplelayout.h"

#include <algorithm>
#include <cstdio>

namespace kelvarin {

namespace {

constexpr int kMyeloid = 8;
constexpr int kHistiocytic = 13;

// What the rules make of a later record j against an earlier record i.
enum class PairOutcome { kSeparate, kDuplicate, kMoreSpecific };

// The histology rules for two records of one site (group): g is the earlier
// record's current group, h the later one's.
PairOutcome CompareHistology(int g, int h, bool iHasTakenGroup) {
  const PairOutcome moreSpecific =
      iHasTakenGroup ? PairOutcome::kSeparate : PairOutcome::kMoreSpecific;
  if (g == kUnspecifiedCarcinoma && h <= kUnspecifiedCarcinoma)
    return h == kUnspecifiedCarcinoma ? PairOutcome::kDuplicate : moreSpecific;
  if (g < kUnspecifiedCarcinoma && h == kUnspecifiedCarcinoma) return PairOutcome::kDuplicate;
  if (g == kUnspecifiedTypes)
    return h == kUnspecifiedTypes ? PairOutcome::kDuplicate : moreSpecific;
  if (h == kUnspecifiedTypes) return PairOutcome::kDuplicate;
  if (g == kUnspecifiedHaematopoietic && h >= kMyeloid && h <= kUnspecifiedHaematopoietic)
    return h == kUnspecifiedHaematopoietic ? PairOutcome::kDuplicate : moreSpecific;
  if (g >= kMyeloid && g <= kHistiocytic && h == kUnspecifiedHaematopoietic)
    return PairOutcome::kDuplicate;
  if (g == h) return PairOutcome::kDuplicate;
  return PairOutcome::kSeparate;
}

void AppendRecord(std::string& out, std::string_view record) {
  out.append(record.data(), record.size());
}

}  // namespace

bool GroupEntryBefore(const GroupEntry& a, const GroupEntry& b) {
  if (a.dateKey != b.dateKey) return a.dateKey < b.dateKey;
  return a.morphology > b.morphology;
}

void PersonGroup::Clear() {
  m_entries.clear();
  m_sexMark = ' ';
}

void PersonGroup::Add(std::string_view record, std::int64_t offset, std::size_t indexPosition,
                      const MultipleLayout& layout) {
  GroupEntry entry;
  entry.record = record;
  entry.offset = offset;
  entry.indexPosition = indexPosition;
  entry.sex = layout.Sex(record);
  entry.site = layout.Site(record);
  entry.morphology = layout.Morphology(record);
  entry.dateKey = layout.IncidenceKey(record);
  m_entries.push_back(entry);
}

void PersonGroup::Resolve() {
  std::stable_sort(m_entries.begin(), m_entries.end(), GroupEntryBefore);

  m_sexMark = ' ';
  for (const GroupEntry& entry : m_entries)
    if (entry.sex != m_entries.front().sex) m_sexMark = 's';

  for (GroupEntry& entry : m_entries) {
    const HistologyGroup group = HistologyGroupOf(entry.morphology);
    entry.histology = group.group;
    if (group.replacedSite >= 0) entry.site = group.replacedSite;
    entry.mark = PrimaryMark::kStays;
  }
  MarkPairs();
}

// Each record still standing is compared with every later one still standing.
void PersonGroup::MarkPairs() {
  const std::size_t count = m_entries.size();
  for (std::size_t i = 0; i + 1 < count; ++i) {
    GroupEntry& first = m_entries[i];
    if (first.SetAside()) continue;
    bool hasTakenGroup = false;
    for (std::size_t j = i + 1; j < count; ++j) {
      GroupEntry& later = m_entries[j];
      if (later.SetAside()) continue;
      if (first.site != later.site && SiteGroupOf(first.site) != SiteGroupOf(later.site)) continue;
      switch (CompareHistology(first.histology, later.histology, hasTakenGroup)) {
        case PairOutcome::kSeparate:
          break;
        case PairOutcome::kDuplicate:
          later.mark = PrimaryMark::kDuplicate;
          break;
        case PairOutcome::kMoreSpecific:
          later.mark = PrimaryMark::kMoreSpecific;
          first.histology = later.histology;
          hasTakenGroup = true;
          break;
      }
    }
  }
}

int PersonGroup::SetAsideCount() const {
  return static_cast<int>(std::count_if(m_entries.begin(), m_entries.end(),
                                        [](const GroupEntry& e) { return e.SetAside(); }));
}

void PersonGroup::AppendMultipleLines(std::string& out) const {
  for (std::size_t i = 0; i < m_entries.size(); ++i) {
    const GroupEntry& entry = m_entries[i];
    AppendRecord(out, entry.record);
    if (i > 0) {
      switch (entry.mark) {
        case PrimaryMark::kStays:
          out += ' ';
          break;
        case PrimaryMark::kDuplicate:
          out += " *  ";
          break;
        case PrimaryMark::kMoreSpecific:
          out += " ** ";
          break;
      }
      out += m_sexMark;
    }
    out += '\n';
  }
  out += '\n';
}

void PersonGroup::AppendNumberedSetAside(std::string& out) const {
  char number[24];
  for (std::size_t i = 0; i < m_entries.size(); ++i) {
    if (!m_entries[i].SetAside()) continue;
    AppendRecord(out, m_entries[i].record);
    std::snprintf(number, sizeof number, " %02zu\n", i);
    out += number;
  }
}

}  // namespace kelvarin
