// The multiple primaries program's engine: keeps the records that take part,
// groups them by person, applies the multiple primary rules and writes the
// output file, the excluded records and the list of multiples.
#pragma once

#include <string>
#include <string_view>

#include "common/parameterfile.h"
#include "tools/multiple/blockreader.h"
#include "tools/multiple/multiplelayout.h"
#include "tools/multiple/persongroup.h"
#include "tools/multiple/personindex.h"
#include "tools/skeleton/toolengine.h"

namespace kelvarin {

class MultipleEngine : public ToolEngine {
 public:
  // File slots, in opening order.
  enum Slot { kOutputSlot = 1, kExcludedSlot = 2, kMultipleSlot = 3, kKeySlot = 4 };
  // Counters beyond the skeleton's.
  enum Counter { kExcludedCounter = kFirstOwnCounter, kMultiplesCounter, kDuplicatesCounter };
  // The run's phases, one after the other.
  enum class Phase { kReading, kSearching, kWriting, kCompleted };

  MultipleEngine();
  ~MultipleEngine() override;

  // Phase 1 reads up to maxRecords records; at the end of the input it sorts
  // and searches the whole index in the same call. Phase 2 writes up to
  // maxRecords index entries to the output file.
  StepStatus Step(int maxRecords) override;

  int Progress() const override;
  long long Counter(int slot) const override;
  // The bar is hidden while the index is sorted and searched, and at the end.
  bool ProgressVisible() const override {
    return m_phase == Phase::kReading || m_phase == Phase::kWriting;
  }

  Phase phase() const { return m_phase; }
  const MultiplePrimaryRow& row() const { return m_layout; }
  long long included() const { return m_included; }
  long long excluded() const { return m_excluded; }
  long long multiples() const { return m_multiples; }
  long long duplicates() const { return m_duplicates; }
  // The temporary key file of this run ("" before the start).
  std::string keyFilePath() const { return FilePath(kKeySlot); }

 protected:
  bool ReadRow(const std::string& row, std::string* error) override;
  void DeclareFiles() override;
  void WriteHeaders() override;
  void ProcessRecord(std::string_view record) override;
  void ProcessWrongLength(std::string_view record) override;
  void WriteSummaries() override;
  bool KeepFile(int slot, bool completed) const override;

 private:
  class WalkCount;

  StepStatus ReadBatch(int maxRecords);
  StepStatus SortAndSearch();
  StepStatus WriteBatch(int maxRecords);
  // Reads the records of index entries first..end into m_personRecords.
  bool ReadPerson(std::size_t first, std::size_t end);
  void ResolvePerson(std::size_t first, std::size_t end);
  bool writesMultipleFile() const { return m_layout.duplicatesToFile != 0; }

  MultipleLayout m_layout;  // the parameter row
  PersonIndex m_index{1};
  PersonGroup m_group;
  BlockReader m_blocks;
  std::string m_personRecords;
  std::string m_lines;
  Phase m_phase = Phase::kReading;
  bool m_wrongLength = false;
  long long m_included = 0;
  long long m_excluded = 0;
  long long m_multiples = 0;
  long long m_duplicates = 0;
  std::size_t m_cursor = 0;
};

}  // namespace kelvarin
