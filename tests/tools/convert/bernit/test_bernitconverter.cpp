// The ICD-9 + ICD-O-1 morphology converter: the order of its refusals, the
// behaviour ranges of the codes, the special codes and every class rule, then
// the second stage.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/tools/convert/older/codelists.h"
#include "tools/convert/bernit/bernitconverter.h"

using namespace kelvarin;

namespace {

struct Case {
  const char* code;
  int morphology;
  int behaviour;
  int sexIndex;
  bool optionB;
  ConversionResult result;
  int topography;  // checked on kConverted
  int morphologyOut;
  int behaviourOut;
};

const Case kCases[] = {
    // Order of the refusals: code, morphology, behaviour, combination.
    {"1402", 9634, 4, 1, false, kInvalidSite, 0, 0, 0},
    {"1750", 8000, 3, 1, false, kInvalidSite, 0, 0, 0},
    {"1409", 9634, 4, 1, false, kInvalidMorphology, 0, 0, 0},
    {"1409", 7999, 3, 1, false, kInvalidMorphology, 0, 0, 0},
    {"1409", 8000, 4, 1, false, kInvalidBehaviour, 0, 0, 0},
    {"1409", 8000, 5, 1, false, kInvalidBehaviour, 0, 0, 0},
    {"1409", 8000, 8, 1, false, kInvalidBehaviour, 0, 0, 0},
    // Behaviour against the code number.
    {"1409", 8140, 3, 1, false, kConverted, 9, 8140, 3},
    {"1409", 8140, 0, 1, false, kInvalidCombination, 0, 0, 0},
    {"2100", 8000, 3, 1, false, kInvalidCombination, 0, 0, 0},
    {"2100", 8000, 0, 1, false, kConverted, 9, 8000, 0},
    {"2299", 8000, 0, 1, false, kConverted, 809, 8000, 0},
    {"2300", 8010, 2, 1, false, kConverted, 148, 8010, 2},
    {"2349", 8010, 2, 1, false, kConverted, 809, 8010, 2},
    {"2349", 8010, 1, 1, false, kInvalidCombination, 0, 0, 0},
    {"2350", 8000, 1, 1, false, kConverted, 89, 8000, 1},
    {"2350", 8000, 2, 1, false, kInvalidCombination, 0, 0, 0},
    {"1958", 8000, 3, 1, false, kConverted, 767, 8000, 3},
    {"1958", 8000, 6, 1, false, kInvalidCombination, 0, 0, 0},  // '*' needs 3
    {"1960", 8000, 3, 1, false, kInvalidCombination, 0, 0, 0},
    {"1960", 8000, 6, 1, false, kConverted, 809, 8000, 3},
    {"1552", 8000, 3, 1, false, kInvalidCombination, 0, 0, 0},
    // A three-character code is read with its blank subsite as 0: 217 is a
    // benign code (2170), not a malignant one.
    {"217 ", 8000, 0, 1, false, kConverted, 509, 8000, 0},
    {"217 ", 8000, 3, 1, false, kInvalidCombination, 0, 0, 0},
    {"214 ", 8000, 0, 1, false, kInvalidCombination, 0, 0, 0},  // '7' wants 4 or more
    {"214 ", 8000, 6, 1, false, kInvalidCombination, 0, 0, 0},  // and 6 is not benign
    {"175 ", 8000, 3, 1, false, kConverted, 509, 8000, 3},
    {"218 ", 8890, 0, 1, false, kConverted, 559, 8890, 0},
    {"220 ", 8000, 0, 1, false, kConverted, 569, 8000, 0},
    {"226 ", 8000, 0, 1, false, kConverted, 739, 8000, 0},
    // Special codes, which fix the site themselves.
    {"2377", 9540, 1, 1, false, kConverted, 809, 9540, 1},
    {"2377", 9540, 0, 1, false, kInvalidCombination, 0, 0, 0},
    {"2377", 9530, 1, 1, false, kInvalidCombination, 0, 0, 0},
    {"2384", 9950, 1, 1, false, kConverted, 809, 9950, 1},
    {"2384", 9960, 1, 1, false, kInvalidCombination, 0, 0, 0},
    {"2385", 9741, 1, 1, false, kConverted, 809, 9741, 1},
    {"2385", 9740, 1, 1, false, kConverted, 809, 9740, 1},
    {"2386", 9731, 1, 1, false, kConverted, 809, 9731, 3},
    {"2733", 9761, 1, 1, false, kInvalidMorphology, 0, 0, 0},  // 9761 is no ICD-O-1 code
    {"2733", 8000, 1, 1, false, kInvalidCombination, 0, 0, 0},
    {"2733", 9761, 3, 1, false, kInvalidCombination, 0, 0, 0},
    // ' ' and '0'.
    {"1591", 8000, 3, 1, false, kConverted, 422, 8000, 3},
    {"2179", 8000, 0, 1, false, kConverted, 509, 8000, 0},
    {"2179", 8000, 0, 0, false, kConverted, 509, 8000, 0},
    {"2330", 8500, 2, 0, false, kConverted, 509, 8500, 2},
    // '*': malignant, solid tumours only, except 9710 of the nervous system.
    {"1620", 8140, 3, 1, false, kConverted, 339, 8140, 3},
    {"1620", 9590, 3, 1, false, kInvalidCombination, 0, 0, 0},
    {"1620", 9990, 3, 1, false, kConverted, 339, 8000, 3},
    {"1620", 9710, 3, 1, false, kInvalidCombination, 0, 0, 0},
    {"1910", 9710, 3, 1, false, kConverted, 710, 9594, 3},
    // '1': liver, primary or not.
    {"1552", 8000, 9, 1, false, kConverted, 220, 8000, 3},
    {"1552", 8000, 9, 1, true, kConverted, 809, 8000, 3},
    {"1552", 9590, 9, 1, false, kInvalidCombination, 0, 0, 0},
    {"1552", 9990, 9, 1, false, kConverted, 220, 8000, 3},
    {"1552", 8000, 6, 1, false, kInvalidCombination, 0, 0, 0},
    // '2': melanoma of the skin, moved to the skin site.
    {"1720", 8000, 3, 1, false, kConverted, 440, 8720, 3},
    {"1720", 9990, 3, 1, false, kConverted, 440, 8720, 3},
    {"1725", 8790, 3, 1, false, kConverted, 445, 8790, 3},
    {"1729", 8800, 3, 1, false, kInvalidCombination, 0, 0, 0},
    // '3': secondary sites.
    {"1970", 8140, 6, 1, false, kConverted, 809, 8140, 3},
    {"1970", 9600, 6, 1, false, kInvalidCombination, 0, 0, 0},
    {"1970", 8140, 9, 1, false, kInvalidCombination, 0, 0, 0},
    // '4': lymphomas.
    {"2000", 8000, 3, 1, false, kConverted, 809, 9680, 3},
    {"2000", 8000, 6, 1, false, kConverted, 809, 9680, 3},
    {"2021", 8000, 3, 1, false, kConverted, 449, 9700, 3},
    {"2021", 9700, 3, 1, false, kConverted, 449, 9700, 3},
    {"2021", 9701, 3, 1, false, kInvalidCombination, 0, 0, 0},
    {"2022", 9701, 3, 1, false, kConverted, 809, 9701, 3},
    {"2002", 9600, 3, 1, false, kInvalidCombination, 0, 0, 0},
    {"2002", 9750, 3, 1, false, kConverted, 809, 9687, 3},
    {"2024", 9940, 3, 1, false, kConverted, 421, 9940, 3},
    {"2020", 9940, 3, 1, false, kInvalidCombination, 0, 0, 0},
    {"2020", 9600, 3, 1, false, kConverted, 809, 9686, 3},
    {"2020", 9731, 3, 1, false, kInvalidCombination, 0, 0, 0},
    {"2020", 9650, 3, 1, false, kInvalidCombination, 0, 0, 0},
    {"2020", 9722, 3, 1, false, kInvalidCombination, 0, 0, 0},
    {"2025", 9722, 3, 1, false, kConverted, 809, 9722, 3},
    {"2020", 9740, 3, 1, false, kInvalidCombination, 0, 0, 0},
    {"2026", 9740, 3, 1, false, kConverted, 809, 9740, 3},
    // '5': Hodgkin's disease.
    {"2010", 8000, 3, 1, false, kConverted, 809, 9660, 3},
    {"2010", 9661, 3, 1, false, kInvalidCombination, 0, 0, 0},
    {"2015", 9657, 3, 1, false, kConverted, 809, 9664, 3},
    {"2017", 9690, 3, 1, false, kInvalidCombination, 0, 0, 0},
    {"2017", 9650, 3, 1, false, kConverted, 809, 9650, 3},
    // '6': myeloma and leukaemias.
    {"2030", 9730, 3, 1, false, kConverted, 421, 9732, 3},
    {"2030", 8000, 3, 1, false, kConverted, 421, 9732, 3},
    {"2031", 9730, 3, 1, false, kInvalidCombination, 0, 0, 0},
    {"2030", 9820, 3, 1, false, kInvalidCombination, 0, 0, 0},
    {"2031", 9830, 3, 1, false, kConverted, 421, 9830, 3},
    {"2040", 9821, 3, 1, false, kConverted, 421, 9821, 3},
    {"2040", 9822, 3, 1, false, kInvalidCombination, 0, 0, 0},
    {"2048", 9825, 3, 1, false, kConverted, 421, 9825, 3},
    {"2089", 9800, 3, 1, false, kConverted, 421, 9800, 3},
    {"2080", 9800, 3, 1, false, kInvalidCombination, 0, 0, 0},
    {"2078", 9900, 3, 1, false, kConverted, 421, 9900, 3},
    {"2070", 9841, 3, 1, false, kConverted, 421, 9841, 3},
    {"2088", 9804, 3, 1, false, kConverted, 421, 9804, 3},
    {"2050", 9700, 3, 1, false, kInvalidCombination, 0, 0, 0},
    {"2040", 9731, 3, 1, false, kInvalidCombination, 0, 0, 0},
    {"2038", 9731, 9, 1, false, kConverted, 421, 9731, 3},
    // '7': neoplasms of unspecified behaviour.
    {"2390", 8000, 6, 1, false, kInvalidCombination, 0, 0, 0},
    // '8'.
    {"2387", 9960, 1, 1, false, kConverted, 424, 9960, 1},
    {"2387", 9950, 1, 1, false, kInvalidCombination, 0, 0, 0},
};

TEST(BernitConverter, EveryRuleAndClass) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(testing::Message() << "code '" << c.code << "' M " << c.morphology << " B "
                                    << c.behaviour << " sex " << c.sexIndex);
    ConvertedCodes out;
    const ConversionResult result =
        bernit::Icd9ToIcdO1(c.code, c.morphology, c.behaviour, c.sexIndex, c.optionB, out);
    EXPECT_EQ(c.result, result);
    if (result == kConverted && c.result == kConverted) {
      EXPECT_EQ(c.topography, out.topography);
      EXPECT_EQ(c.morphologyOut, out.morphology);
      EXPECT_EQ(c.behaviourOut, out.behaviour);
    }
  }
}

// The lymphoma, Hodgkin and leukaemia codes: which morphologies each code
// takes, written as lists, over every ICD-O-1 morphology of these families.
TEST(BernitConverter, EachHaematopoieticCodeTakesItsMorphologies) {
  const std::string lymphoma = "9590-9649,9690-9721,9723-9730,9732-9739,9741-9799";
  const std::string leukaemia = "9804-9829,9831-9839,9843-9849,9851-9899,9901-9909,9911-9930";
  struct CodeRule {
    const char* code;
    std::string morphologies;
  };
  const CodeRule rules[] = {
      // Lymphomas.
      {"2000", lymphoma},
      {"2001", lymphoma},
      {"2002", "9750"},
      {"2008", lymphoma},
      {"2020", lymphoma},
      {"2021", "9700"},
      {"2022", "9701"},
      {"2023", lymphoma},
      {"2024", lymphoma + ",9940"},
      {"2025", lymphoma + ",9722"},
      {"2026", lymphoma + ",9740"},
      {"2028", lymphoma},
      {"2029", lymphoma},
      // Hodgkin's disease.
      {"2010", "9660"},
      {"2011", "9661"},
      {"2012", "9662"},
      {"2014", "9651"},
      {"2015", "9656,9657"},
      {"2016", "9652"},
      {"2017", "9650-9689"},
      {"2019", "9650"},
      // Myeloma and leukaemias.
      {"2030", "9730"},
      {"2031", "9830"},
      {"2038", "9731"},
      {"2040", "9821"},
      {"2041", "9823"},
      {"2042", "9822"},
      {"2048", "9820-9829"},
      {"2049", "9820,9825"},
      {"2050", "9861,9866"},
      {"2051", "9863,9865,9870,9880"},
      {"2052", "9862"},
      {"2053", "9930"},
      {"2058", "9860-9869"},
      {"2059", "9860"},
      {"2060", "9891"},
      {"2061", "9893"},
      {"2062", "9892"},
      {"2068", "9894"},
      {"2069", "9890"},
      {"2070", leukaemia + ",9840,9841"},
      {"2071", leukaemia + ",9842"},
      {"2072", leukaemia + ",9910"},
      {"2078", leukaemia + ",9850,9900"},
      {"2080", leukaemia + ",9801"},
      {"2081", leukaemia + ",9803"},
      {"2082", leukaemia + ",9802"},
      {"2088", leukaemia},
      {"2089", leukaemia + ",9800"},
  };
  std::vector<int> morphologies = {9761};
  for (int m = 9500; m <= 9989; ++m)
    if (bernit::IsIcdO1MorphologyCode(m)) morphologies.push_back(m);
  for (const CodeRule& rule : rules) {
    const int code = std::stoi(rule.code);
    const int site = code >= 2030 ? 421 : code >= 2010 && code <= 2019 ? 809 : -1;
    for (int m : morphologies) {
      ConvertedCodes out;
      const ConversionResult result = bernit::Icd9ToIcdO1(rule.code, m, 3, 1, false, out);
      const bool taken = test::InCodeList(m, rule.morphologies);
      // 9761 passes the first stage's list but not the second stage's table.
      const ConversionResult expected = !taken      ? kInvalidCombination
                                        : m == 9761 ? kInvalidMorphology
                                                    : kConverted;
      EXPECT_EQ(expected, result) << rule.code << " M " << m;
      if (!taken || result != kConverted) continue;
      // Lymphomas: 9700 of the skin, 9940 of the marrow, the rest of no site.
      const int topography = site >= 0 ? site : m == 9700 ? 449 : m == 9940 ? 421 : 809;
      EXPECT_EQ(topography, out.topography) << rule.code << " M " << m;
      EXPECT_EQ(3, out.behaviour) << rule.code << " M " << m;
    }
  }
}

TEST(BernitConverter, MorphologyListHas9761InPlaceOf9634) {
  EXPECT_FALSE(bernit::IsIcdO1MorphologyCode(9634));
  EXPECT_TRUE(bernit::IsIcdO1MorphologyCode(9761));
  EXPECT_TRUE(bernit::IsIcdO1MorphologyCode(8000));
  EXPECT_TRUE(bernit::IsIcdO1MorphologyCode(9990));
  EXPECT_FALSE(bernit::IsIcdO1MorphologyCode(8044));  // field trial only
  EXPECT_FALSE(bernit::IsIcdO1MorphologyCode(-1));
  EXPECT_FALSE(bernit::IsIcdO1MorphologyCode(10000));
  int accepted = 0;
  for (int m = 0; m <= 9999; ++m) accepted += bernit::IsIcdO1MorphologyCode(m);
  EXPECT_EQ(619, accepted);  // as many as the ICD-O-1 table has rows
}

}  // namespace
