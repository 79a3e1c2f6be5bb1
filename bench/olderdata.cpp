#include "bench/olderdata.h"

#include <cstdio>

namespace kelvarin {

namespace {

template <int N>
const char* Pick(BenchRandom& random, const char* const (&codes)[N]) {
  return codes[random.Below(N)];
}

void Fill(long long i, BenchRandom& random, const char* site, const char* morphology,
          std::string* record) {
  char number[16];
  std::snprintf(number, sizeof number, "%010lld", i);
  record->append(number);                                                        // 1-10
  record->push_back(random.Below(50) == 0 ? '7' : random.Below(2) ? '1' : '2');  // 11 sex
  record->append(site, 4);                                                       // 12-15
  record->append(morphology, 4);                                                 // 16-19
  static const char kBehaviours[] = "3333333012369";
  record->push_back(kBehaviours[random.Below(sizeof kBehaviours - 1)]);  // 20
  record->push_back(static_cast<char>('1' + random.Below(9)));           // 21 grade
  record->append(19, ' ');                                               // 22-40
}

const char* const kMorphologies[] = {"8000", "8010", "8070", "8140", "8500", "8720",
                                     "8890", "9590", "9700", "9731", "8240", "8960"};

}  // namespace

void IcdO1BenchRecord(long long i, BenchRandom& random, std::string* record) {
  static const char* const kSites[] = {"1409", "1510", "1530", "1629", "1749", "1820",
                                       "1830", "1850", "1710", "1940", "1890", "1999"};
  Fill(i, random, Pick(random, kSites), Pick(random, kMorphologies), record);
}

void Icd9BenchRecord(long long i, BenchRandom& random, std::string* record) {
  static const char* const kCodes[] = {"1409", "1510", "1530", "1629", "1749", "1850",
                                       "1552", "1720", "2021", "2050", "2100", "217 ",
                                       "2300", "2350", "2377", "1970"};
  Fill(i, random, Pick(random, kCodes), Pick(random, kMorphologies), record);
}

void Icd10BenchRecord(long long i, BenchRandom& random, std::string* record) {
  static const char* const kCodes[] = {"C509", "C61 ", "C180", "C349", "D051", "D45 ",
                                       "C810", "C900", "C220", "C430", "D170", "C780",
                                       "D487", "C967", "C770", "D100"};
  Fill(i, random, Pick(random, kCodes), Pick(random, kMorphologies), record);
}

const char* OlderConversionRow() { return "1 10 11 11 12 15 16 19 20 20 21 21 1 2 40 %llu 0 0\n"; }

}  // namespace kelvarin
