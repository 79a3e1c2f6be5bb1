#include <cstdio>

#include "bench/datagen.h"

namespace kelvarin {

namespace {

void Append(std::string* record, const char* format, int value) {
  char text[32];
  std::snprintf(text, sizeof text, format, value);
  record->append(text);
}

// 80-character records with a registration number, a sex code, an ICD-O-3
// topography and morphology, dates and filler, as a registry file has them.
void RegistryRecord(long long i, BenchRandom& random, std::string* record) {
  char number[32];
  std::snprintf(number, sizeof number, "%010lld", i / 3);
  record->append(number);                                        // 1-10 person
  Append(record, "%02d", static_cast<int>(i % 3) + 1);           // 11-12 sequence
  record->push_back(random.Below(20) == 0 ? '7' : random.Below(2) ? '1' : '2');  // 13 sex
  record->push_back('C');                                        // 14-17 topography
  Append(record, "%03d", random.Below(810));
  Append(record, "%04d", 8000 + random.Below(2000));              // 18-21 morphology
  record->push_back(static_cast<char>('0' + random.Below(4)));   // 22 behaviour
  record->push_back(static_cast<char>('1' + random.Below(9)));   // 23 grade
  record->push_back(static_cast<char>('0' + random.Below(10)));  // 24 basis
  Append(record, "%03d", random.Below(100));                      // 25-27 age
  Append(record, "%04d", 1920 + random.Below(80));                // 28-35 birth date
  Append(record, "%02d", 1 + random.Below(12));
  Append(record, "%02d", 1 + random.Below(31));
  Append(record, "%04d", 1990 + random.Below(30));                // 36-43 incidence date
  Append(record, "%02d", 1 + random.Below(12));
  Append(record, "%02d", 1 + random.Below(28));
  record->append(37, ' ');                                        // 44-80 filler
}

// The same records, nine in ten of them malignant, so that most take part in
// the multiple primaries search (three records a person).
void MalignantRecord(long long i, BenchRandom& random, std::string* record) {
  RegistryRecord(i, random, record);
  if (random.Below(10) != 0) (*record)[21] = '3';
}

const char* MultipleRowText() { return "1 10 11 12 13 13 14 17 18 21 22 22 36 43 0 1 2 0 1 1 80 %llu\n"; }

const char* ReaderRow() { return "1 10 13 13 14 17 18 21 22 22 23 23 1 2 80 %llu 0 0\n"; }

const char* CheckRowText() {
  return "1 10 13 13 14 17 18 21 22 22 23 23 24 24 25 27 28 35 0 36 43 0 5 6 7 7 1 2 80 %llu 0 "
         "999\n";
}

}  // namespace

const std::vector<BenchDataKind>& BenchDataKinds() {
  static const std::vector<BenchDataKind> kinds = {
      {"Skeleton", RegistryRecord, ReaderRow},
      {"Tesmar", RegistryRecord, CheckRowText},
      {"Multiple", MalignantRecord, MultipleRowText},
  };
  return kinds;
}

}  // namespace kelvarin
