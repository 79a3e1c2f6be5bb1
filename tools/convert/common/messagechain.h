// The message appended to a record that cannot be converted: each program
// lists its messages in order and the first that applies is taken.
#pragma once

namespace kelvarin {

// A result value that matches every failing converter result.
inline constexpr int kAnyResult = 1;
// Every record flag.
inline constexpr unsigned kAnyFlag = ~0u;

struct MessageRule {
  unsigned flags;       // applies when one of these record flags is set
  int result;           // or when the converter returned this (0: never; kAnyResult: any failure)
  const char* message;  // appended to the record text, e.g. " (S) Invalid sex code"
};

struct MessageChain {
  const MessageRule* rules;
  int count;
};

template <int N>
constexpr MessageChain MakeMessageChain(const MessageRule (&rules)[N]) {
  return MessageChain{rules, N};
}

// The message of the first rule that applies to the flags and the result.
// A chain ends with a rule for everything else, so a failing record always
// gets a message; a record that did not fail is a programmer error.
const char* SelectMessage(const MessageChain& chain, unsigned flags, int result);

}  // namespace kelvarin
