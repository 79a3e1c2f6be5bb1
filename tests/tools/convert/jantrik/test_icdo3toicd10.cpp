// Jantrik's converter: each rule of the behaviour/histology table, the codes
// fixed for named sites and the liver, the behaviour above 3, and the errors.
#include "tools/convert/jantrik/icdo3toicd10.h"

#include <gtest/gtest.h>

#include <string>

using namespace kelvarin;

namespace {

constexpr int kMan = 0, kWoman = 1;

struct Case {
  const char* topography;  // three digits
  const char* key;         // morphology and behaviour as in the record
  int sex;
  const char* code;
  char errorMark;
  char reviewMark;
};

void Expect(const Case& c) {
  Icd10Conversion result{{'x', 'x', 'x', 'x', '\0'}, ' ', ' '};
  IcdO3ToIcd10(c.topography, c.key, c.sex, &result);
  const std::string what = std::string(c.key) + " on " + c.topography;
  EXPECT_EQ(c.code, std::string(result.code, 4)) << what;
  EXPECT_EQ(c.errorMark, result.errorMark) << what;
  EXPECT_EQ(c.reviewMark, result.reviewMark) << what;
}

TEST(IcdO3ToIcd10, ColumnsOfTheSite) {
  const Case cases[] = {
      {"509", "81403", kWoman, "C509", ' ', ' '},  // 814031: column 1
      {"509", "81402", kWoman, "D059", ' ', ' '},  // 814023: column 3
      {"509", "80002", kWoman, "D059", ' ', 'b'},  // 80002G: column 3, unlikely
      {"000", "80003", kMan, "C000", ' ', ' '},   {"809", "80003", kMan, "C800", ' ', ' '},
      {"401", "80102", kMan, "   ?", ' ', ' '},  // bone has no in situ code
  };
  for (const Case& c : cases) Expect(c);
}

TEST(IcdO3ToIcd10, BehaviourAboveThreeIsMalignantAndUnlikely) {
  const Case cases[] = {
      {"509", "80006", kWoman, "C509", ' ', 'b'},  // not the /6 row: column 1, not 5
      {"509", "80009", kWoman, "C509", ' ', 'b'}, {"509", "80005", kWoman, "C509", ' ', 'b'},
      {"509", "8000x", kWoman, "????", 'm', ' '},  // a letter is no behaviour
      {"509", "8000 ", kWoman, "????", 'm', ' '}, {"509", "8000:", kWoman, "????", 'm', ' '},
  };
  for (const Case& c : cases) Expect(c);
}

TEST(IcdO3ToIcd10, CodeWrittenInTheRow) {
  const Case cases[] = {
      {"221", "81603", kWoman, "C221", ' ', ' '},
      {"509", "81603", kWoman, "C221", ' ', ' '},
      {"240", "81603", kWoman, "C240", ' ', ' '},  // 8160-8162/3 on C24.0
      {"240", "81623", kMan, "C240", ' ', ' '},
      {"241", "81603", kMan, "C221", ' ', ' '},
      {"509", "81420", kWoman, "D131", ' ', 'b'},   // 81420KD131
      {"700", "87280", kWoman, "D321", ' ', '\0'},  // a row ending after its code
      {"420", "96993", kMan, "C830", ' ', ' '},     // 9699 on C42.0, C42.1, C42.4, C77
      {"421", "96993", kMan, "C830", ' ', ' '},
      {"424", "96993", kMan, "C830", ' ', ' '},
      {"773", "96993", kMan, "C830", ' ', ' '},
      {"422", "96993", kMan, "C884", ' ', ' '},
      {"509", "96993", kMan, "C884", ' ', ' '},
      // 8930/3: a man takes column 1, a woman on C54.0 takes C54.0.
      {"491", "89303", kMan, "C491", ' ', '+'},
      {"541", "89303", kMan, "C541", ' ', '+'},
      {"540", "89303", kWoman, "C540", ' ', '+'},
      {"491", "89303", kWoman, "C541", ' ', '+'},
      // Jantrik reads a rule where the check program has an unlikely letter.
      {"589", "91043", kWoman, "C58 ", ' ', '+'},
      {"509", "93931", kWoman, "D432", ' ', ' '},
  };
  for (const Case& c : cases) Expect(c);
}

TEST(IcdO3ToIcd10, SiteGroups) {
  const Case cases[] = {
      {"384", "90503", kMan, "C450", ' ', ' '},  // entry 153
      {"480", "90503", kMan, "C457", ' ', ' '},  // the exact site comes before 48-
      {"481", "90503", kMan, "C451", ' ', ' '},
      {"509", "90503", kMan, "C457", ' ', ' '},  // the closing entry's code
      {"445", "87203", kMan, "C435", ' ', ' '},  // 44- and C43-: the subsite digit
      {"449", "87203", kMan, "C439", ' ', ' '},
      {"509", "87203", kWoman, "C509", ' ', ' '},  // the closing entry's column 1
      {"619", "81400", kMan, "N40 ", ' ', ' '},    // entry 3
      {"509", "81400", kWoman, "D24 ", ' ', ' '},
      {"809", "80420", kMan, "D143", ' ', 'b'},  // 80420L 446
      {"341", "80420", kMan, "D143", ' ', 'b'},
      {"300", "91800", kMan, "D140", ' ', ' '},  // entry 185 on the nasal cartilage
      {"401", "91800", kMan, "D161", ' ', ' '},
      {"300", "91803", kMan, "C300", ' ', ' '},  // entry 415 on C30.0 and C32.3
      {"323", "91803", kMan, "C323", ' ', ' '},
      {"694", "91803", kMan, "C410", ' ', ' '},
      {"509", "91803", kMan, "C419", ' ', ' '},
      {"809", "88603", kMan, "C499", ' ', ' '},  // 886038 359: no letter, no review
      {"509", "88603", kMan, "C509", ' ', ' '},
  };
  for (const Case& c : cases) Expect(c);
}

TEST(IcdO3ToIcd10, SexSplitList) {
  const Case cases[] = {
      {"509", "85003", kWoman, "C509", ' ', ' '},  // 850039 5
      {"809", "85003", kMan, "C509", ' ', ' '},
      {"509", "85073", kWoman, "C509", ' ', 'b'},  // 85073M 5
  };
  for (const Case& c : cases) Expect(c);
}

TEST(IcdO3ToIcd10, Liver) {
  const Case cases[] = {
      {"220", "81703", kMan, "C220", ' ', ' '}, {"221", "88003", kMan, "C224", ' ', ' '},
      {"220", "96803", kMan, "C833", ' ', ' '},  // 9590 and above keep the rule's code
      {"220", "80003", kMan, "C229", ' ', ' '}, {"220", "80103", kMan, "C227", ' ', ' '},
      {"221", "81403", kMan, "C221", ' ', ' '}, {"220", "89703", kMan, "C222", ' ', ' '},
      {"220", "91203", kMan, "C223", ' ', ' '}, {"220", "91613", kMan, "C223", ' ', 'b'},
      {"220", "80006", kMan, "C229", ' ', 'b'},  // behaviour 6 is converted as 3
      {"220", "80002", kMan, "D015", ' ', 'b'},  // not malignant: no liver code
  };
  for (const Case& c : cases) Expect(c);
}

TEST(IcdO3ToIcd10, FixedCodes) {
  struct Fixed {
    const char* topography;
    int morphology;
    char behaviour;
    const char* before;
    const char* after;
  };
  const Fixed cases[] = {
      {"220", 9120, '3', "C833", "C223"}, {"229", 9133, '3', "C833", "C223"},
      {"221", 9134, '3', "C833", "C224"}, {"220", 9161, '3', "C833", "C223"},
      {"220", 8970, '3', "C833", "C222"}, {"220", 8560, '3', "C833", "C221"},
      {"220", 8171, '3', "C833", "C220"}, {"220", 8000, '3', "C833", "C229"},
      {"220", 8799, '3', "C833", "C227"}, {"220", 8800, '3', "C833", "C224"},
      {"220", 9589, '3', "C833", "C224"}, {"220", 9590, '3', "C833", "C833"},
      {"220", 8140, '2', "D015", "D015"}, {"230", 8140, '3', "C239", "C239"},
      {"492", 8890, '0', "D218", "D219"}, {"221", 8890, '0', "D218", "D219"},
  };
  for (const Fixed& c : cases) {
    char code[4];
    std::copy(c.before, c.before + 4, code);
    ApplyFixedCodes(c.topography, c.morphology, c.behaviour, code);
    EXPECT_EQ(c.after, std::string(code, 4)) << c.morphology << " on " << c.topography;
  }
}

TEST(IcdO3ToIcd10, CodesNotInTheTables) {
  const Case cases[] = {
      {"799", "81403", kMan, "????", 't', ' '}, {"507", "81403", kMan, "????", 't', ' '},
      {"-12", "81403", kMan, "????", 't', ' '}, {"509", "80063", kMan, "????", 'm', ' '},
      {"509", "97653", kMan, "????", 'm', ' '},  // no malignant row for 9765
      {"509", "8x403", kMan, "????", 'm', ' '},
  };
  for (const Case& c : cases) Expect(c);
}

}  // namespace
