// Compile-time expansion of the compact code lists in which the classification
// writes its code tables: "8000-8005,8010" (every number of each range) and
// "00:0-6,8-9;01:9" (a two-digit site with the subsite digits it has).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace kelvarin::codelist {

constexpr bool IsDigit(char c) { return c >= '0' && c <= '9'; }

constexpr void SkipBlanks(const char* text, std::size_t& i) {
  while (text[i] == ' ') ++i;
}

// Reads the decimal number at text[i] and moves i past it; -1 when no digit
// stands there (a malformed list, which the callers turn into a wrong count).
constexpr int ReadNumber(const char* text, std::size_t& i) {
  SkipBlanks(text, i);
  if (!IsDigit(text[i])) return -1;
  int value = 0;
  while (IsDigit(text[i])) value = value * 10 + (text[i++] - '0');
  SkipBlanks(text, i);
  return value;
}

// Calls sink(value) for every number of a range list "a-b,c,d-e" that starts
// at text[i]; stops at ';' or the end of the text, leaving i there. A
// malformed item (no number, a range running backwards, a stray character)
// calls sink(-1) and ends the walk at the end of the text, so that the
// expanded table can never look right by accident.
template <typename Sink>
constexpr void ExpandRanges(const char* text, std::size_t& i, Sink& sink) {
  while (text[i] != '\0' && text[i] != ';') {
    const int low = ReadNumber(text, i);
    int high = low;
    if (text[i] == '-') {
      ++i;
      high = ReadNumber(text, i);
    }
    const bool separated = text[i] == ',' || text[i] == ';' || text[i] == '\0';
    if (low < 0 || high < low || !separated) {
      sink(-1);
      while (text[i] != '\0') ++i;  // nothing after a malformed item is read
      return;
    }
    for (int value = low; value <= high; ++value) sink(value);
    if (text[i] == ',') ++i;
  }
}

// Calls sink(site * 10 + subsite) for every code of a site list
// "00:0-6,8-9;01:9;...".
template <typename Sink>
constexpr void ExpandSites(const char* text, Sink& sink) {
  std::size_t i = 0;
  while (text[i] != '\0') {
    const int site = ReadNumber(text, i);
    if (site < 0 || text[i] != ':') {
      sink(-1);
      return;
    }
    ++i;
    auto subsite = [&sink, site](int digit) {
      sink(digit < 0 || digit > 9 ? -1 : site * 10 + digit);
    };
    ExpandRanges(text, i, subsite);
    if (text[i] == ';') ++i;
  }
}

// Counts the codes of a range list (a malformed list counts one extra).
constexpr int CountRanges(const char* text) {
  int count = 0;
  auto counter = [&count](int) { ++count; };
  std::size_t i = 0;
  while (text[i] != '\0') {
    ExpandRanges(text, i, counter);
    if (text[i] == ';') ++i;
  }
  return count;
}

constexpr int CountSites(const char* text) {
  int count = 0;
  auto counter = [&count](int) { ++count; };
  ExpandSites(text, counter);
  return count;
}

// Writes the codes of a list into an array of N values. The sink writes at
// most N values; any surplus or a malformed item leaves a -1 in the last
// place, which breaks the ascending order the callers assert.
template <std::size_t N>
struct ArrayFiller {
  std::array<std::int16_t, N>* out;
  std::size_t count = 0;
  constexpr void operator()(int value) {
    if (count < N)
      (*out)[count] = static_cast<std::int16_t>(value);
    else
      (*out)[N - 1] = -1;
    ++count;
  }
};

template <std::size_t N>
constexpr std::array<std::int16_t, N> ExpandRangeList(const char* text) {
  std::array<std::int16_t, N> codes{};
  ArrayFiller<N> filler{&codes};
  std::size_t i = 0;
  while (text[i] != '\0') {
    ExpandRanges(text, i, filler);
    if (text[i] == ';') ++i;
  }
  return codes;
}

template <std::size_t N>
constexpr std::array<std::int16_t, N> ExpandSiteList(const char* text) {
  std::array<std::int16_t, N> codes{};
  ArrayFiller<N> filler{&codes};
  ExpandSites(text, filler);
  return codes;
}

template <std::size_t N>
constexpr bool IsStrictlyAscending(const std::array<std::int16_t, N>& codes) {
  for (std::size_t i = 1; i < N; ++i)
    if (codes[i] <= codes[i - 1]) return false;
  return N == 0 || codes[0] >= 0;
}

}  // namespace kelvarin::codelist
