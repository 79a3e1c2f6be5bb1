#include <cstdio>

#include "bench/datagen.h"
#include "bench/olderdata.h"

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
  record->append(number);                                                        // 1-10 person
  Append(record, "%02d", static_cast<int>(i % 3) + 1);                           // 11-12 sequence
  record->push_back(random.Below(20) == 0 ? '7' : random.Below(2) ? '1' : '2');  // 13 sex
  record->push_back('C');                                                        // 14-17 topography
  Append(record, "%03d", random.Below(810));
  Append(record, "%04d", 8000 + random.Below(2000));             // 18-21 morphology
  record->push_back(static_cast<char>('0' + random.Below(4)));   // 22 behaviour
  record->push_back(static_cast<char>('1' + random.Below(9)));   // 23 grade
  record->push_back(static_cast<char>('0' + random.Below(10)));  // 24 basis
  Append(record, "%03d", random.Below(100));                     // 25-27 age
  Append(record, "%04d", 1920 + random.Below(80));               // 28-35 birth date
  Append(record, "%02d", 1 + random.Below(12));
  Append(record, "%02d", 1 + random.Below(31));
  Append(record, "%04d", 1990 + random.Below(30));  // 36-43 incidence date
  Append(record, "%02d", 1 + random.Below(12));
  Append(record, "%02d", 1 + random.Below(28));
  record->append(37, ' ');  // 44-80 filler
}

// The check program's record layout as above, with the mix of a registry
// file: nearly every code valid, sites and morphologies that go together, the
// age agreeing with the dates, and a few percent of invalid codes, dates and
// ages and of unlikely combinations.
void CheckMixRecord(long long i, BenchRandom& random, std::string* record) {
  struct Tumour {
    int site, morphology;
    char sex;  // '1' male only, '2' female only, ' ' either
  };
  static const Tumour kTumours[] = {
      {509, 8500, '2'}, {504, 8520, '2'}, {539, 8070, '2'}, {569, 8441, '2'}, {541, 8380, '2'},
      {619, 8140, '1'}, {629, 9061, '1'}, {341, 8140, ' '}, {341, 8070, ' '}, {349, 8041, ' '},
      {180, 8140, ' '}, {187, 8140, ' '}, {209, 8140, ' '}, {160, 8140, ' '}, {649, 8312, ' '},
      {679, 8130, ' '}, {739, 8260, ' '}, {445, 8720, ' '}, {443, 8090, ' '}, {250, 8500, ' '},
      {421, 9732, ' '}, {421, 9861, ' '}, {770, 9680, ' '}, {779, 9650, ' '}, {809, 8000, ' '},
      {710, 9440, ' '}};
  char number[32];
  std::snprintf(number, sizeof number, "%010lld", i / 3);
  record->append(number);                               // 1-10 person
  Append(record, "%02d", static_cast<int>(i % 3) + 1);  // 11-12 sequence
  const Tumour& tumour = kTumours[random.Below(sizeof kTumours / sizeof kTumours[0])];
  char sex = tumour.sex != ' ' ? tumour.sex : random.Below(2) ? '1' : '2';
  if (random.Below(200) == 0) sex = random.Below(2) ? '7' : sex == '1' ? '2' : '1';
  record->push_back(sex);  // 13 sex
  record->push_back('C');  // 14-17 topography
  Append(record, "%03d", random.Below(100) == 0 ? random.Below(1000) : tumour.site);
  Append(record, "%04d",  // 18-21 morphology
         random.Below(100) == 0 ? 8000 + random.Below(2000) : tumour.morphology);
  record->push_back(random.Below(50) == 0 ? static_cast<char>('0' + random.Below(10)) : '3');
  const bool lymphoid = tumour.morphology >= 9590;  // 23 grade
  record->push_back(random.Below(2) ? '9'
                                    : static_cast<char>((lymphoid ? '5' : '1') + random.Below(4)));
  record->push_back(random.Below(20) == 0 ? '1' : '7');  // 24 basis
  const bool child = random.Below(100) == 0;
  const int birthYear = child ? 2000 + random.Below(15) : 1920 + random.Below(60);
  const int birthMonth = 1 + random.Below(12);
  const int incidenceYear = child ? 2019 : birthYear + 30 + random.Below(2020 - birthYear - 30);
  const int incidenceMonth = 1 + random.Below(12);
  int age = ((incidenceYear - birthYear) * 12 + incidenceMonth - birthMonth) / 12;
  if (random.Below(100) == 0) age += 2 + random.Below(5);
  Append(record, "%03d", age);   // 25-27 age
  if (random.Below(100) == 0) {  // 28-35 birth date
    record->append(8, ' ');
  } else {
    Append(record, "%04d", birthYear);
    Append(record, "%02d", birthMonth);
    Append(record, "%02d", random.Below(200) == 0 ? 32 : 1 + random.Below(28));
  }
  if (random.Below(200) == 0) {  // 36-43 incidence date
    record->append(8, '9');
  } else {
    Append(record, "%04d", incidenceYear);
    Append(record, "%02d", incidenceMonth);
    Append(record, "%02d", 1 + random.Below(28));
  }
  record->append(37, ' ');  // 44-80 filler
}

// The same records, nine in ten of them malignant, so that most take part in
// the multiple primaries search (three records a person).
void MalignantRecord(long long i, BenchRandom& random, std::string* record) {
  RegistryRecord(i, random, record);
  if (random.Below(10) != 0) (*record)[21] = '3';
}

const char* MultipleRowText() {
  return "1 10 11 12 13 13 14 17 18 21 22 22 36 43 0 1 2 0 1 1 80 %llu\n";
}
// 80-character records laid out as RegistryRecord, with topography,
// morphology and behaviour drawn from codes a registry commonly holds, so that
// most records convert; one in twenty has a sex code that is neither.
void CodedRecord(long long i, BenchRandom& random, std::string* record) {
  static const char* const kSites[] = {"C509", "C180", "C341", "C619", "C220", "C445",
                                       "C739", "C421", "C809", "C539", "C162", "C649"};
  static const char* const kCodes[] = {"81403", "80003", "80703", "81402", "85003", "96803",
                                       "88003", "91803", "80503", "81400", "89303", "97023"};
  char number[32];
  std::snprintf(number, sizeof number, "%010lld", i / 3);
  record->append(number);
  Append(record, "%02d", static_cast<int>(i % 3) + 1);
  record->push_back(random.Below(20) == 0 ? '7' : random.Below(2) ? '1' : '2');
  record->append(kSites[random.Below(12)]);
  record->append(kCodes[random.Below(12)]);
  record->push_back(static_cast<char>('1' + random.Below(9)));
  record->append(57, ' ');
}

const char* GorvatRow() { return "1 10 13 13 14 17 18 21 22 22 23 23 1 2 80 %llu 0 0\n"; }
const char* JantrikRow() { return "1 10 13 13 14 17 18 21 22 22 -1 -1 1 2 80 %llu\n"; }

const char* ReaderRow() { return "1 10 13 13 14 17 18 21 22 22 23 23 1 2 80 %llu 0 0\n"; }

const char* CheckRowText() {
  return "1 10 13 13 14 17 18 21 22 22 23 23 24 24 25 27 28 35 0 36 43 0 5 6 7 7 1 2 80 %llu 0 "
         "999\n";
}

// A spreadsheet export of a registry, comma separated, with a header row
// before the first record: ten columns, names in quotes (some holding a
// comma), a remark in quotes now and then with a doubled quote in it.
void TransferRecord(long long i, BenchRandom& random, std::string* record) {
  static const char* const kSurnames[] = {"Smith", "Okafor",   "Nguyen", "Garcia", "Müller",
                                          "Rossi", "Kowalski", "Haddad", "Silva",  "Jensen"};
  static const char* const kGiven[] = {"Anna", "Ben", "Chloé", "David", "Eva", "Farid", "Grace"};
  static const char* const kRemarks[] = {
      "", "", "", "seen at \"\"St Mary\"\"", "DCO", "review, path report", ""};
  if (i == 0)
    record->append(
        "RegNo,Name,Sex,BirthDate,IncidenceDate,Topography,Morphology,Behaviour,Grade,Remark\n");
  char number[32];
  std::snprintf(number, sizeof number, "%lld", 100000 + i);
  record->append(number);
  record->append(",\"");
  record->append(kSurnames[random.Below(10)]);
  record->append(random.Below(4) == 0 ? ", " : " ");
  record->append(kGiven[random.Below(7)]);
  record->append("\",");
  record->push_back(random.Below(2) ? '1' : '2');
  Append(record, ",%04d", 1920 + random.Below(80));
  Append(record, "-%02d", 1 + random.Below(12));
  Append(record, "-%02d", 1 + random.Below(28));
  Append(record, ",%04d", 1990 + random.Below(30));
  Append(record, "-%02d", 1 + random.Below(12));
  Append(record, "-%02d", 1 + random.Below(28));
  Append(record, ",C%02d", random.Below(81));
  Append(record, ".%d", random.Below(10));
  Append(record, ",%04d", 8000 + random.Below(2000));
  Append(record, ",%d", random.Below(4));
  Append(record, ",%d", 1 + random.Below(9));
  const char* remark = kRemarks[random.Below(7)];
  if (*remark) {
    record->append(",\"");
    record->append(remark);
    record->push_back('"');
  } else {
    record->push_back(',');
  }
}

// Every column, the first row holding the names.
const char* TransferRow() { return "1 1 2 3 4 5 6 7 8 9 10\n"; }

}  // namespace

const std::vector<BenchDataKind>& BenchDataKinds() {
  static const std::vector<BenchDataKind> kinds = {
      {"Skeleton", RegistryRecord, ReaderRow},
      {"Tesmar", RegistryRecord, CheckRowText},
      {"TesmarMix", CheckMixRecord, CheckRowText},
      {"Multiple", MalignantRecord, MultipleRowText},
      {"Gorvat", CodedRecord, GorvatRow},
      {"Jantrik", CodedRecord, JantrikRow},
      {"Alquen", Icd9BenchRecord, OlderConversionRow},
      {"Bernit", Icd9BenchRecord, OlderConversionRow},
      {"Caslov", Icd10BenchRecord, OlderConversionRow},
      {"Dorwim", Icd10BenchRecord, OlderConversionRow},
      {"Elbrac", IcdO1BenchRecord, OlderConversionRow},
      {"Fenzel", IcdO1BenchRecord, OlderConversionRow},
      {"Transfer", TransferRecord, TransferRow},
  };
  return kinds;
}

}  // namespace kelvarin
