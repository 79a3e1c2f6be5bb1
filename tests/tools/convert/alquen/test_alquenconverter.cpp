// The ICD-9-only converter: the behaviour and morphology each category and
// class implies, the special codes, and the second stage that keeps the
// behaviour as the first stage set it.
#include <gtest/gtest.h>

#include <string>

#include "tools/convert/alquen/alquenconverter.h"
#include "tools/convert/older/icd9code.h"

using namespace kelvarin;

namespace {

struct Case {
  const char* code;
  int sexIndex;
  ConversionResult result;
  int topography;  // checked on kConverted
  int morphology;
  int behaviour;
};

const Case kCases[] = {
    {"1402", 1, kInvalidSite, 0, 0, 0},
    {"1750", 1, kInvalidSite, 0, 0, 0},
    {"140 ", 1, kInvalidSite, 0, 0, 0},
    // Defaults by category.
    {"1409", 1, kConverted, 9, 8000, 3},
    {"1958", 1, kConverted, 767, 8000, 3},
    {"2100", 1, kConverted, 9, 8000, 0},
    {"2299", 1, kConverted, 809, 8000, 0},
    {"2300", 1, kConverted, 148, 8010, 2},
    {"2349", 1, kConverted, 809, 8010, 2},
    {"2350", 1, kConverted, 89, 8000, 1},
    {"2399", 1, kConverted, 809, 8000, 1},
    // Three-character codes read with the blank subsite as 0: benign.
    {"217 ", 1, kConverted, 509, 8000, 0},
    {"218 ", 1, kConverted, 559, 8000, 0},
    {"220 ", 1, kConverted, 569, 8000, 0},
    {"226 ", 1, kConverted, 739, 8000, 0},
    {"214 ", 1, kConverted, 809, 8000, 6},  // class '7' sets 6
    {"175 ", 1, kConverted, 509, 8000, 3},
    {"193 ", 1, kConverted, 739, 8000, 3},
    // Classes.
    {"1591", 1, kConverted, 422, 8000, 3},
    {"2179", 1, kConverted, 509, 8000, 0},
    {"2179", 0, kConverted, 509, 8000, 0},
    {"1552", 1, kConverted, 220, 8000, 9},
    {"1720", 1, kConverted, 440, 8720, 3},
    {"1729", 1, kConverted, 449, 8720, 3},
    {"1970", 1, kConverted, 809, 8000, 6},
    {"1960", 1, kConverted, 809, 8000, 6},
    {"2000", 1, kConverted, 779, 9680, 3},
    {"2021", 1, kConverted, 449, 9700, 3},
    {"2024", 1, kConverted, 779, 9941, 3},  // 9940 away from the marrow
    {"2010", 1, kConverted, 779, 9660, 3},
    {"2015", 1, kConverted, 779, 9663, 3},
    {"2030", 1, kConverted, 421, 9732, 3},
    {"2089", 1, kConverted, 421, 9800, 3},
    {"2387", 1, kConverted, 424, 9960, 1},
    // Special codes set only the morphology.
    {"2377", 1, kConverted, 729, 9540, 1},
    {"2384", 1, kConverted, 421, 9950, 1},
    {"2385", 1, kConverted, 424, 9740, 1},
    {"2386", 1, kConverted, 421, 9731, 3},  // 9731 of behaviour 1 is made malignant
    // 273.3: 9761 is no ICD-O-1 morphology, so the second stage refuses it.
    {"2733", 1, kInvalidMorphology, 0, 0, 0},
};

TEST(AlquenConverter, EveryCategoryClassAndSpecialCode) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(testing::Message() << "code '" << c.code << "' sex " << c.sexIndex);
    ConvertedCodes out;
    const ConversionResult result = alquen::Icd9ToIcdO1(c.code, c.sexIndex, out);
    EXPECT_EQ(c.result, result);
    if (result == kConverted && c.result == kConverted) {
      EXPECT_EQ(c.topography, out.topography);
      EXPECT_EQ(c.morphology, out.morphology);
      EXPECT_EQ(c.behaviour, out.behaviour);
    }
  }
}

// Every code of the table converts except 273.3: the table hands the
// second stage only sites and morphologies it knows.
TEST(AlquenConverter, EveryCodeOfTheTableConvertsBut2733) {
  int refused = 0;
  for (std::string_view row : Icd9RuleTable) {
    for (int sexIndex : {0, 1, -1}) {
      ConvertedCodes out;
      const ConversionResult result = alquen::Icd9ToIcdO1(row.data(), sexIndex, out);
      if (row.substr(0, 4) == "2733") {
        EXPECT_EQ(kInvalidMorphology, result);
        ++refused;
      } else {
        EXPECT_EQ(kConverted, result) << row;
      }
    }
  }
  EXPECT_EQ(3, refused);
}

}  // namespace
