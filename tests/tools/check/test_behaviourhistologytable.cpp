#include "tools/check/behaviourhistologytable.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "tests/tools/check/morphologylist.h"
#include "tools/check/consistency.h"

using namespace kelvarin;
using kelvarin::test::ExpandMorphologies;
using kelvarin::test::KnownMorphologies;

namespace {

// The usual behaviours 0..3 of every morphology: the combinations that have a
// digit-class row. Each morphology is in exactly one entry.
struct UsualBehaviours {
  const char* behaviours;
  size_t count;
  const char* morphologies;
};

const UsualBehaviours kUsual[] = {
    {"3", 378,
     "8002-8004, 8012-8035, 8041-8046, 8071-8075, 8078, 8082-8084, 8092-8095, 8097-8098, "
     "8122-8124, 8131, 8141-8145, 8154, 8162-8163, 8171-8180, 8214-8215, 8231-8241, 8243-8244, "
     "8246, 8249, 8255, 8262, 8265, 8312, 8314-8320, 8331-8332, 8335, 8337-8350, 8382-8384, "
     "8413, 8481-8490, 8510-8514, 8521, 8523-8525, 8540, 8543, 8552, 8562-8576, 8586, "
     "8588-8589, 8710, 8745-8746, 8773-8774, 8801-8806, 8814, 8833, 8896, 8901-8902, "
     "8910-8921, 8931, 8933-8934, 8941-8951, 8963-8964, 8970-8971, 8973, 8980-8981, 8991, "
     "9041-9044, 9053, 9060, 9062-9063, 9065-9072, 9081-9083, 9085, 9101-9102, 9105, 9124, "
     "9140, 9181-9187, 9192-9195, 9231-9240, 9242-9243, 9260-9261, 9342, 9362, 9364-9372, "
     "9380, 9382, 9391-9393, 9400-9411, 9420, 9423-9430, 9440-9441, 9450-9480, 9500, "
     "9503-9504, 9508, 9511-9513, 9520-9523, 9561, 9581, 9590-9738, 9742-9750, 9754-9764, "
     "9800-9897, 9910-9967, 9975-9992"},
    {"0", 124,
     "8053-8060, 8096, 8100-8101, 8103, 8146, 8149, 8191, 8202-8204, 8212, 8264, 8271, 8321, "
     "8324-8325, 8334, 8336, 8361, 8371-8375, 8391-8392, 8404-8405, 8443, 8454, 8506, 8561, "
     "8587, 8601-8610, 8660, 8671, 8683, 8712-8713, 8725, 8727, 8750-8760, 8790, 8820, 8823, "
     "8826, 8831, 8842, 8856, 8860-8881, 8892-8893, 8903-8905, 8932, 8965-8967, 8983, "
     "9010-9012, 9030, 9054, 9103, 9121-9123, 9125, 9131-9132, 9141-9142, 9160, 9171-9173, "
     "9175, 9191, 9241, 9262, 9271-9282, 9300-9302, 9311-9322, 9340, 9363, 9373, 9413, "
     "9491-9493, 9507, 9532-9535, 9541-9550, 9562-9570, 9582"},
    {"03", 94,
     "8005, 8011, 8051, 8102, 8110, 8147, 8151, 8160-8161, 8170, 8190, 8200, 8211, 8251, 8260, "
     "8270, 8272-8310, 8322-8323, 8333, 8370, 8390, 8401-8403, 8406-8407, 8409-8410, 8420, "
     "8440-8441, 8450, 8460-8461, 8471, 8560, 8600, 8700, 8711, 8723, 8726, 8770-8772, 8780, "
     "8800, 8811-8813, 8815, 8840, 8851-8855, 8857-8858, 8891, 8894-8895, 8900, 8930, 8940, "
     "8982, 9013, 9040, 9050-9052, 9090, 9120, 9170, 9180, 9221-9230, 9252, 9290, 9310, 9330, "
     "9490, 9501-9502, 9510, 9531, 9537, 9571-9580"},
    {"1", 57,
     "8158, 8248, 8311, 8360, 8442, 8444, 8451, 8462-8463, 8472-8473, 8590-8593, 8623, "
     "8632-8633, 8642, 8681-8682, 8690, 8762, 8822, 8827, 8834-8836, 8841, 8897-8898, "
     "8974-8975, 9104, 9135-9136, 9341, 9350-9352, 9384, 9412, 9421, 9431-9432, 9444, 9506, "
     "9509, 9514, 9752-9753, 9765-9769, 9970"},
    {"13", 48,
     "8152-8153, 8155-8157, 8242, 8245, 8250, 8252-8254, 8430, 8452, 8581-8585, 8620-8622, "
     "8634, 8691-8693, 8821, 8960, 8972, 9073, 9091, 9133, 9250-9251, 9360-9361, 9381, 9383, "
     "9394-9395, 9442, 9505, 9538-9539, 9740-9741, 9751, 9898, 9971"},
    {"013", 47,
     "8000-8001, 8121, 8150, 8313, 8330, 8380-8381, 8400, 8408, 8480, 8550-8551, 8580, "
     "8630-8631, 8640, 8650, 8680, 8728, 8810, 8830, 8832, 8850, 8890, 8935-8936, 8959, 8990, "
     "9000, 9014-9020, 9080, 9084, 9100, 9110, 9130, 9150, 9200, 9220, 9270, 9390, 9530, 9540, "
     "9560"},
    {"23", 23,
     "8070, 8076, 8081, 8091, 8201, 8230, 8247, 8500-8502, 8508, 8520, 8522, 8530, 8541-8542, "
     "8721, 8741-8744, 9061, 9064"},
    {"023", 15,
     "8010, 8050, 8052, 8210, 8213, 8220-8221, 8261, 8263, 8503-8504, 8720, 8722, 8730-8740"},
    {"01", 8, "8040, 8641, 8824-8825, 9055, 9161, 9174, 9210"},
    {"0123", 6, "8120, 8140, 8453, 8470, 8670, 8761"},
    {"02", 3, "8077, 8148, 8505"},
    {"2", 2, "8080, 8507"},
    {"123", 2, "8090, 8130"},
};

int Morphology(std::string_view row) { return std::stoi(std::string(row.substr(0, 4))); }
int Behaviour(std::string_view row) { return row[4] - '0'; }
char Class(std::string_view row) { return row[kBehaviourHistologyClassPosition]; }
bool IsDigitClass(std::string_view row) { return Class(row) >= '0' && Class(row) <= '9'; }

// Morphology -> its usual behaviours, from the listing above.
std::map<int, std::set<int>> UsualByMorphology() {
  std::map<int, std::set<int>> usual;
  for (const UsualBehaviours& entry : kUsual) {
    const std::set<int> codes = ExpandMorphologies(entry.morphologies);
    EXPECT_EQ(entry.count, codes.size()) << "behaviours " << entry.behaviours;
    for (int code : codes) {
      EXPECT_EQ(0u, usual.count(code)) << code << " listed twice";
      for (const char* b = entry.behaviours; *b; ++b) usual[code].insert(*b - '0');
    }
  }
  return usual;
}

}  // namespace

TEST(BehaviourHistologyTable, RowsAscendWithWellFormedKeys) {
  for (int i = 0; i < kBehaviourHistologyRowCount; ++i) {
    const std::string_view row = BehaviourHistologyTable[i];
    ASSERT_GE(row.size(), 6u) << i;
    EXPECT_NE(std::string_view::npos, std::string_view("012369").find(row[4])) << row;
    EXPECT_NE(std::string_view::npos, std::string_view("12345789EFGHKLM").find(Class(row))) << row;
    if (i > 0) {
      EXPECT_LT(BehaviourHistologyTable[i - 1].substr(0, 5), row.substr(0, 5));
    }
  }
}

TEST(BehaviourHistologyTable, CountsByClassAndBehaviour) {
  int digit = 0;
  std::map<int, int> byBehaviour;
  std::set<int> morphologies;
  for (std::string_view row : BehaviourHistologyTable) {
    digit += IsDigitClass(row);
    ++byBehaviour[Behaviour(row)];
    morphologies.insert(Morphology(row));
  }
  EXPECT_EQ(1138, digit);
  EXPECT_EQ(1631, kBehaviourHistologyRowCount - digit);
  EXPECT_EQ((std::map<int, int>{{0, 650}, {1, 661}, {2, 647}, {3, 802}, {6, 6}, {9, 3}}),
            byBehaviour);
  // Every morphology code has a row, and the two tables know the same codes.
  EXPECT_EQ(KnownMorphologies(), morphologies);
}

TEST(BehaviourHistologyTable, DigitRowsAreExactlyTheUsualBehaviours) {
  const std::map<int, std::set<int>> usual = UsualByMorphology();
  EXPECT_EQ(KnownMorphologies().size(), usual.size());
  std::map<int, std::set<int>> digitRows;
  std::set<std::string> otherBehaviours;
  for (std::string_view row : BehaviourHistologyTable) {
    if (!IsDigitClass(row)) continue;
    if (Behaviour(row) <= 3)
      digitRows[Morphology(row)].insert(Behaviour(row));
    else
      otherBehaviours.insert(std::string(row.substr(0, 5)));
  }
  EXPECT_EQ(usual, digitRows);
  // The classification's metastatic (6) and uncertain primary (9) codes.
  EXPECT_EQ((std::set<std::string>{"80006", "80009", "80106", "80109", "80706", "81406", "84806",
                                   "84906", "88009"}),
            otherBehaviours);
}

TEST(BehaviourHistologyTable, TellingRowsStandAsTheyAre) {
  const char* const telling[] = {
      "800002",      "800014",      "80002G",     "800031",     "814008 3",    "814023",
      "814031",      "85000L 20",   "872028 391", "88603L 359", "91043KC58 +", "93931KD432 ",
      "848067C786 ", "81420KD131 ", "872807D321", "80420L 446", "850039 5",    "85073M 5"};
  for (const char* row : telling) {
    const int found = FindBehaviourHistologyRow(row);
    ASSERT_GE(found, 0) << row;
    EXPECT_EQ(std::string_view(row), BehaviourHistologyTable[found]);
  }
}

// The ICD-10 part after the class, by the rule the class selects (a digit is
// the rule, a letter the rule + 'D'): rules 1-5 nothing; 7 a code and at most a
// mark; 8 and 9 a blank and an entry number.
TEST(BehaviourHistologyTable, Icd10PartHasTheFormOfItsRule) {
  std::map<int, int> rows;
  int codeOnly = 0;
  for (std::string_view row : BehaviourHistologyTable) {
    const int rule = IsDigitClass(row) ? Class(row) - '0' : Class(row) - 'D';
    const std::string_view part = row.substr(6);
    ++rows[rule];
    if (rule <= 5) {
      EXPECT_TRUE(part.empty()) << row;
    } else if (rule == 7) {
      ASSERT_TRUE(part.size() == 4 || part.size() == 5) << row;
      EXPECT_TRUE(part[0] == 'C' || part[0] == 'D' || part[0] == 'N' || part[0] == 'O' ||
                  part[0] == 'Q')
          << row;
      if (part.size() == 5) {
        EXPECT_NE(std::string_view::npos, std::string_view(" +@").find(part[4])) << row;
      }
      codeOnly += part.size() == 4;
    } else {
      ASSERT_TRUE(rule == 8 || rule == 9) << row;
      ASSERT_GE(part.size(), 2u) << row;
      EXPECT_EQ(' ', part[0]) << row;
      const std::string number(part.substr(1));
      EXPECT_EQ(std::string::npos, number.find_first_not_of("0123456789")) << row;
      EXPECT_GT(std::stoi(number), 0) << row;
    }
  }
  EXPECT_EQ(732, rows[1] + rows[2] + rows[3] + rows[4] + rows[5]);
  EXPECT_EQ(829, rows[7]);
  EXPECT_EQ(1134, rows[8]);
  EXPECT_EQ(74, rows[9]);
  EXPECT_EQ(24, codeOnly);
}

TEST(BehaviourHistologyTable, FindsEveryRowAndNothingElse) {
  std::map<std::string, int> rows;
  for (int i = 0; i < kBehaviourHistologyRowCount; ++i)
    rows[std::string(BehaviourHistologyTable[i].substr(0, 5))] = i;
  for (int morphology = 7000; morphology <= 9999; ++morphology) {
    for (int behaviour = 0; behaviour <= 9; ++behaviour) {
      const std::string key = std::to_string(morphology) + std::to_string(behaviour);
      const auto found = rows.find(key);
      const int expected = found == rows.end() ? -1 : found->second;
      ASSERT_EQ(expected, FindBehaviourHistologyRow(key.c_str())) << key;
      ASSERT_EQ(expected, FindBehaviourHistologyRow(morphology, behaviour)) << key;
    }
  }
  for (const char* key : {"00000", "80004", "80063", "99999", "8000 ", "8a003", "8000\0"})
    EXPECT_EQ(-1, FindBehaviourHistologyRow(key)) << key;
  const int absent[][2] = {{8000, 4},  {8006, 3},  {800, 3},  {80003, 0},
                           {8000, -1}, {8000, 10}, {-8000, 3}};
  for (const auto& [morphology, behaviour] : absent)
    EXPECT_EQ(-1, FindBehaviourHistologyRow(morphology, behaviour))
        << morphology << "/" << behaviour;
}

// The behaviour/histology rule warns exactly for the combinations outside the
// usual ones, whether they have a letter row or none.
TEST(CheckBehaviourHistology, WarnsOutsideTheUsualBehaviours) {
  for (const auto& [morphology, behaviours] : UsualByMorphology())
    for (int behaviour = 0; behaviour <= 3; ++behaviour)
      EXPECT_EQ(behaviours.count(behaviour) ? 0 : 1, CheckBehaviourHistology(morphology, behaviour))
          << morphology << "/" << behaviour;
  EXPECT_EQ(1, CheckBehaviourHistology(8000, 2));  // letter row 80002G
  EXPECT_EQ(0, CheckBehaviourHistology(8000, 3));
  EXPECT_EQ(1, CheckBehaviourHistology(8077, 1));  // no row at all
  EXPECT_EQ(1, CheckBehaviourHistology(8006, 3));  // not a morphology code
}
