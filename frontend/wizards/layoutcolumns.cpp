#include "frontend/wizards/layoutcolumns.h"

#include <algorithm>
#include <cassert>
#include <cstdio>

namespace kelvarin {

namespace {

template <typename... Args>
std::string Format(const char* format, Args... args) {
  const int size = std::snprintf(nullptr, 0, format, args...);
  std::string text(static_cast<size_t>(std::max(size, 0)) + 1, '\0');
  std::snprintf(text.data(), text.size(), format, args...);
  text.resize(static_cast<size_t>(std::max(size, 0)));
  return text;
}

bool Contains(VariableSet set, int variable) { return (set >> variable) & 1u; }

}  // namespace

std::string FormatMessage(const char* format, const char* name) { return Format(format, name); }

std::string FormatMessage(const char* format, const char* name, int column, const char* owner) {
  return Format(format, name, column, owner);
}

CLayoutColumns::CLayoutColumns(const LayoutRules& rules)
    : m_rules(rules),
      m_start(rules.variables.size(), -1),
      m_end(rules.variables.size(), -1),
      m_owner(kOwnerMapColumns, -1) {
  assert(rules.variables.size() <= 32);
}

void CLayoutColumns::Clear() {
  std::fill(m_start.begin(), m_start.end(), -1);
  std::fill(m_end.begin(), m_end.end(), -1);
  std::fill(m_owner.begin(), m_owner.end(), -1);
}

std::vector<bool> CLayoutColumns::FittingPairs(const std::vector<int32_t>& firstLast,
                                               int recordLength) {
  const int lastColumn = std::min(recordLength, kLastOwnedColumn);
  std::vector<bool> taken(kOwnerMapColumns, false);
  std::vector<bool> fits(firstLast.size() / 2, false);
  for (size_t v = 0; v < fits.size(); ++v) {
    const int32_t first = firstLast[2 * v];
    const int32_t last = firstLast[2 * v + 1];
    if (first == -1 && last == -1) {
      fits[v] = true;
      continue;
    }
    if (first < 1 || first > last || last > lastColumn) continue;
    bool free = true;
    for (int c = first; c <= last && free; ++c) free = !taken[static_cast<size_t>(c)];
    if (!free) continue;
    for (int c = first; c <= last; ++c) taken[static_cast<size_t>(c)] = true;
    fits[v] = true;
  }
  return fits;
}

bool CLayoutColumns::Enter(const std::vector<int32_t>& firstLast, int recordLength) {
  assert(firstLast.size() == 2 * m_start.size());
  Clear();
  const std::vector<bool> fits = FittingPairs(firstLast, recordLength);
  bool all = true;
  for (int v = 0; v < variableCount(); ++v) {
    const int32_t first = firstLast[2 * static_cast<size_t>(v)];
    const int32_t last = firstLast[2 * static_cast<size_t>(v) + 1];
    if (!fits[static_cast<size_t>(v)]) {
      all = false;
      continue;
    }
    if (first == -1) continue;
    m_start[static_cast<size_t>(v)] = first - 1;
    m_end[static_cast<size_t>(v)] = last;
    Own(first, last, v);
  }
  return all;
}

int CLayoutColumns::Owner(int column) const {
  if (column < 0 || column >= kOwnerMapColumns) return -1;
  return m_owner[static_cast<size_t>(column)];
}

bool CLayoutColumns::IsDefined(int variable) const {
  for (int c = 1; c <= kLastOwnedColumn; ++c)
    if (m_owner[static_cast<size_t>(c)] == variable) return true;
  return false;
}

void CLayoutColumns::Own(int from, int to, int variable) {
  for (int c = std::max(from, 1); c <= std::min(to, kLastOwnedColumn); ++c)
    m_owner[static_cast<size_t>(c)] = variable;
}

ClickOutcome CLayoutColumns::Click(int variable, int boundary) {
  assert(variable >= 0 && variable < variableCount());
  int& s = m_start[static_cast<size_t>(variable)];
  int& e = m_end[static_cast<size_t>(variable)];
  const char* name = m_rules.variables[static_cast<size_t>(variable)].name;

  if (boundary == e || boundary == s) {
    if (s != -1 && e != -1) {
      // A marker of a whole range: the range goes, the other marker stays as
      // a lone start.
      Own(s + 1, e, -1);
      if (boundary == e) {
        e = -1;
      } else {
        s = e;
        e = -1;
      }
    } else {
      s = -1;
    }
    return {ClickOutcome::kRemoved, {}};
  }

  if (s != -1 && e != -1) return {ClickOutcome::kRefused, FormatMessage(kAlreadySetMessage, name)};

  if (s == -1) {
    // A start may touch a range but not lie inside one.
    const int owner = Owner(boundary + 1);
    if (owner != -1 && Owner(boundary) == owner) {
      return {ClickOutcome::kRefused,
              FormatMessage(m_rules.firstClickOverlapMessage, name, boundary,
                            m_rules.variables[static_cast<size_t>(owner)].name)};
    }
    s = boundary;
    return {ClickOutcome::kStarted, {}};
  }

  const int from = std::min(s, boundary);
  const int to = std::max(s, boundary);
  for (int c = from + 1; c <= to; ++c) {
    const int owner = Owner(c);
    if (owner != -1) {
      return {ClickOutcome::kRefused,
              FormatMessage(kSecondClickOverlapMessage, name, boundary,
                            m_rules.variables[static_cast<size_t>(owner)].name)};
    }
  }
  s = from;
  e = to;
  Own(from + 1, to, variable);
  return {ClickOutcome::kEnded, {}};
}

std::string CLayoutColumns::WidthMessage(int variable) const {
  const LayoutVariable& rule = m_rules.variables[static_cast<size_t>(variable)];
  const int width = Width(variable);
  if (rule.minWidth > 0 && width < rule.minWidth) return rule.tooNarrowMessage;
  if (rule.maxWidth > 0 && width > rule.maxWidth) return rule.tooWideMessage;
  return {};
}

std::string CLayoutColumns::Validate() const {
  std::vector<bool> defined(m_start.size());
  for (int v = 0; v < variableCount(); ++v) defined[static_cast<size_t>(v)] = IsDefined(v);

  for (const PresenceRule& rule : m_rules.presence) {
    bool any = false, all = true;
    for (int v = 0; v < variableCount(); ++v) {
      if (!Contains(rule.variables, v)) continue;
      any = any || defined[static_cast<size_t>(v)];
      all = all && defined[static_cast<size_t>(v)];
    }
    if (rule.kind == PresenceRule::kAnyOf ? !any : !all) return rule.message;
  }

  for (bool late : {false, true}) {
    for (int v = 0; v < variableCount(); ++v) {
      if (!defined[static_cast<size_t>(v)] ||
          m_rules.variables[static_cast<size_t>(v)].ruleAfterOthers != late)
        continue;
      std::string message = WidthMessage(v);
      if (!message.empty()) return message;
    }
  }

  for (const DependencyRule& rule : m_rules.dependencies) {
    if (defined[static_cast<size_t>(rule.variable)] && !defined[static_cast<size_t>(rule.needs)])
      return rule.message;
  }
  return {};
}

int CLayoutColumns::RunEnd(int column, int limit) const {
  const int owner = Owner(column);
  int k = column;
  while (k < limit && Owner(k) == owner) ++k;
  return k;
}

std::pair<int32_t, int32_t> CLayoutColumns::Pair(int variable) const {
  for (int c = 1; c <= kLastOwnedColumn; ++c) {
    if (m_owner[static_cast<size_t>(c)] == variable)
      return {c, RunEnd(c, kLastOwnedColumn + 1) - 1};
  }
  return {-1, -1};
}

void FitDefinitionPairs(std::vector<int32_t>& firstLast, int recordLength,
                        const std::function<DefinitionAnswer()>& ask) {
  const size_t count = firstLast.size() / 2;
  for (size_t v = 0; v < count; ++v) {
    if (CLayoutColumns::FittingPairs(firstLast, recordLength)[v]) continue;
    switch (ask()) {
      case DefinitionAnswer::kDeleted:
        std::fill(firstLast.begin(), firstLast.end(), -1);
        return;
      case DefinitionAnswer::kNotDeleted:
        firstLast[2 * v] = firstLast[2 * v + 1] = -1;
        break;
      case DefinitionAnswer::kNo: {
        const std::vector<bool> fits = CLayoutColumns::FittingPairs(firstLast, recordLength);
        for (size_t w = 0; w < count; ++w)
          if (!fits[w]) firstLast[2 * w] = firstLast[2 * w + 1] = -1;
        return;
      }
    }
  }
}

}  // namespace kelvarin
