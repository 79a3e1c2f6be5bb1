// bench-datagen KIND RECORDS OUTPUT: writes a synthetic data file for timing
// a tool engine (fixed-width; comma separated with a header for Transfer),
// and prints the parameter row that reads it.
// Records are deterministic (a fixed pseudo-random sequence).
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "bench/datagen.h"

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: bench-datagen KIND RECORDS OUTPUT\nkinds:");
    for (const auto& kind : kelvarin::BenchDataKinds()) std::fprintf(stderr, " %s", kind.name);
    std::fprintf(stderr, "\n");
    return 2;
  }
  const kelvarin::BenchDataKind* chosen = nullptr;
  for (const auto& kind : kelvarin::BenchDataKinds())
    if (std::strcmp(kind.name, argv[1]) == 0) chosen = &kind;
  if (!chosen) {
    std::fprintf(stderr, "bench-datagen: unknown kind %s\n", argv[1]);
    return 2;
  }
  const long long records = std::atoll(argv[2]);
  std::FILE* out = std::fopen(argv[3], "wb");
  if (!out) {
    std::perror(argv[3]);
    return 1;
  }
  kelvarin::BenchRandom random;
  std::string record;
  for (long long i = 0; i < records; ++i) {
    record.clear();
    chosen->record(i, random, &record);
    record.push_back('\n');
    std::fwrite(record.data(), 1, record.size(), out);
  }
  if (std::fclose(out) != 0) {
    std::perror(argv[3]);
    return 1;
  }
  std::fputs(chosen->row(), stdout);
  return 0;
}
