// The columns of a layout page's variables: which variable owns each record
// column, the clicks that set and remove the boundaries of a variable, and
// the rules a layout must pass before the page hands it to its sheet.
//
// Record columns are numbered from 1; boundary b is the edge after column b
// (boundary 0 is the left edge of column 1). While a page is shown a
// variable's position is a pair of boundaries (start, end) with start = first
// column - 1 and end = last column, -1 meaning not set. Outside the page a
// position is (first column, last column), -1 meaning not defined.
#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace kelvarin {

// The owner map covers columns 0 to 1026; column 0 belongs to nobody.
inline constexpr int kOwnerMapColumns = 1027;
inline constexpr int kLastOwnedColumn = kOwnerMapColumns - 1;

// A variable of a layout page with its width rule. A bound of 0 is no bound;
// a message is given for each bound there is.
struct LayoutVariable {
  const char* name;  // the name in the page's messages, and its list text unless listText is given
  int minWidth;
  int maxWidth;
  const char* tooNarrowMessage;
  const char* tooWideMessage;
  bool ruleAfterOthers;            // tested after every other variable's width rule
  const char* listText = nullptr;  // the list shows this in place of the name

  const char* ListText() const { return listText != nullptr ? listText : name; }
};

// A set of variables as a bit mask: bit i is variable i.
using VariableSet = uint32_t;
constexpr VariableSet Variables(std::initializer_list<int> indices) {
  VariableSet set = 0;
  for (int i : indices) set |= VariableSet{1} << i;
  return set;
}

// Which variables a layout needs before anything else is tested.
struct PresenceRule {
  enum Kind { kAnyOf, kAllOf } kind;
  VariableSet variables;
  const char* message;
};

// A variable that may be defined only together with another one.
struct DependencyRule {
  int variable;
  int needs;
  const char* message;
};

// Everything that tells one layout page's columns from another's.
struct LayoutRules {
  std::vector<LayoutVariable> variables;
  std::vector<PresenceRule> presence;
  std::vector<DependencyRule> dependencies;
  const char* firstClickOverlapMessage;  // name, boundary, owner's name
};

inline constexpr const char* kAlreadySetMessage = "\nLayout definition for \n'%s'\n already set!";
inline constexpr const char* kSecondClickOverlapMessage =
    "\nLayout definition for \n%s:%d \noverlaps with %s.";

struct ClickOutcome {
  enum Kind { kRemoved, kStarted, kEnded, kRefused } kind;
  std::string message;  // the refusal, for the stop icon
};

// What the question about a definition file that does not fit the record
// came to: the file deleted, the file kept because it could not be deleted,
// or the user's No.
enum class DefinitionAnswer { kDeleted, kNotDeleted, kNo };

class CLayoutColumns {
 public:
  explicit CLayoutColumns(const LayoutRules& rules);

  const LayoutRules& rules() const { return m_rules; }
  int variableCount() const { return static_cast<int>(m_start.size()); }

  // Every variable unset, every column unowned.
  void Clear();

  // Takes (first, last) pairs, one per variable (first, last, first, ...).
  // A pair enters only when it fits the record: (-1, -1), or
  // 1 <= first <= last <= min(recordLength, kLastOwnedColumn) without
  // touching a column of a pair entered before it. Returns whether all did.
  bool Enter(const std::vector<int32_t>& firstLast, int recordLength);

  // Whether the pair of variable `index` in firstLast fits the record and
  // the pairs before it that fit.
  static std::vector<bool> FittingPairs(const std::vector<int32_t>& firstLast, int recordLength);

  int start(int variable) const { return m_start[static_cast<size_t>(variable)]; }
  int end(int variable) const { return m_end[static_cast<size_t>(variable)]; }
  // The variable that owns a column, -1 for none or a column outside the map.
  int Owner(int column) const;
  bool IsDefined(int variable) const;

  // A click on boundary `boundary` (0 to the record length) with `variable`
  // selected.
  ClickOutcome Click(int variable, int boundary);

  // The first rule the layout breaks, as its message; empty when it passes.
  std::string Validate() const;

  // (first, last) of a variable from the owner map: its lowest owned column
  // and the end of the unbroken run from there; (-1, -1) when it owns none.
  std::pair<int32_t, int32_t> Pair(int variable) const;

  // The run of columns [column, result) that share the owner of `column`,
  // stopping before `limit`.
  int RunEnd(int column, int limit) const;

 private:
  void Own(int from, int to, int variable);  // columns from..to inclusive
  int Width(int variable) const { return end(variable) - start(variable); }
  std::string WidthMessage(int variable) const;

  LayoutRules m_rules;
  std::vector<int> m_start;
  std::vector<int> m_end;
  std::vector<int> m_owner;
};

// Asks, for every pair of a definition file that does not fit the record,
// whether the file is to be deleted (`ask`, which deletes and tells the
// user). A deleted file leaves no pair; a pair that does not fit is dropped
// in every case, so it never reaches the owner map; after No no more
// questions are asked.
void FitDefinitionPairs(std::vector<int32_t>& firstLast, int recordLength,
                        const std::function<DefinitionAnswer()>& ask);

// printf-style formatting of the page's messages.
std::string FormatMessage(const char* format, const char* name);
std::string FormatMessage(const char* format, const char* name, int column, const char* owner);

}  // namespace kelvarin
