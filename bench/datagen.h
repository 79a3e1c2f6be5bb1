// Kinds of synthetic data for the benchmarks: a record maker and the
// parameter row (without fileSize; the script fills it) per kind.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kelvarin {

// A small deterministic generator (xorshift), so runs are repeatable.
struct BenchRandom {
  uint64_t state = 0x9E3779B97F4A7C15ULL;
  uint64_t Next() {
    state ^= state << 13;
    state ^= state >> 7;
    state ^= state << 17;
    return state;
  }
  int Below(int n) { return static_cast<int>(Next() % static_cast<uint64_t>(n)); }
};

struct BenchDataKind {
  const char* name;
  // Appends record number i (no line end) to *record.
  void (*record)(long long i, BenchRandom& random, std::string* record);
  // The parameter row line with "%llu" where the file size goes (the tools
  // that take a size).
  const char* (*row)();
};

const std::vector<BenchDataKind>& BenchDataKinds();

}  // namespace kelvarin
