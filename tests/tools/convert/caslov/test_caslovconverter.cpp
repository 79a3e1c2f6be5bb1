// The ICD-10-only converter: defaults, every class rule, the review and
// hand-review answers, and the three rows it reads differently.
#include <gtest/gtest.h>

#include "tools/convert/caslov/caslovconverter.h"

using namespace kelvarin;

namespace {

struct Case {
  const char* code;
  ConversionResult result;
  int topography;  // checked on kConverted and kCannotConvert
  int morphology;
  int behaviour;
  int grade;
};

const Case kCases[] = {
    {"c509", kInvalidSite, 0, 0, 0, 0},
    {"C50 ", kInvalidSite, 0, 0, 0, 0},
    // ' ' and '*', with the behaviour of the D ranges.
    {"C509", kConverted, 509, 8000, 3, 9},
    {"C01 ", kConverted, 19, 8000, 3, 9},
    {"C97 ", kConverted, 809, 8000, 3, 9},
    {"D000", kConverted, 148, 8010, 2, 9},
    {"D090", kConverted, 679, 8010, 2, 9},
    {"D100", kConverted, 9, 8000, 0, 9},
    {"D369", kConverted, 809, 8000, 0, 9},
    {"D370", kConverted, 148, 8000, 1, 9},
    {"D489", kConverted, 809, 8000, 1, 9},
    // '+': the same, for review.
    {"D487", kCannotConvert, 767, 8000, 1, 9},
    {"D015", kCannotConvert, 220, 8010, 2, 9},
    {"D330", kCannotConvert, 710, 8000, 0, 9},
    // '1': liver.
    {"C220", kConverted, 220, 8170, 3, 9},
    {"C221", kConverted, 221, 8160, 3, 9},
    {"C222", kConverted, 220, 8970, 3, 9},
    {"C223", kConverted, 220, 9124, 3, 9},
    {"C224", kConverted, 220, 8800, 3, 9},
    {"C227", kConverted, 220, 8010, 3, 9},
    {"C229", kConverted, 220, 8000, 3, 9},
    // '2': melanoma and naevi.
    {"C430", kConverted, 440, 8720, 3, 9},
    {"D030", kConverted, 440, 8720, 2, 9},
    {"D229", kConverted, 449, 8720, 0, 9},
    // '3', '4', '5'.
    {"C450", kConverted, 384, 9050, 3, 9},
    {"D190", kConverted, 384, 9050, 0, 9},
    {"C460", kConverted, 449, 9140, 3, 9},
    {"C780", kCannotConvert, 809, 8000, 3, 9},
    {"C798", kCannotConvert, 809, 8000, 3, 9},
    // '6': lymphomas with the row's morphology and grade.
    {"C810", kConverted, 779, 9657, 3, 9},
    {"C840", kConverted, 449, 9700, 3, 5},
    {"C844", kConverted, 779, 9705, 3, 5},
    {"C880", kConverted, 420, 9761, 3, 9},
    {"C883", kConverted, 179, 9764, 3, 9},
    // '7': leukaemias, at the marrow.
    {"C900", kConverted, 421, 9732, 3, 9},
    {"C901", kConverted, 421, 9830, 3, 9},
    {"C927", kConverted, 421, 9860, 3, 9},
    {"D45 ", kConverted, 421, 9950, 3, 9},
    // '8': hand review.
    {"C967", kInvalidBehaviour, 0, 0, 0, 0},
    {"D357", kInvalidBehaviour, 0, 0, 0, 0},
    {"D477", kInvalidBehaviour, 0, 0, 0, 0},
    // '9': carcinoma in situ of the breast.
    {"D050", kConverted, 509, 8520, 2, 9},
    {"D051", kConverted, 509, 8500, 2, 9},
    {"D057", kCannotConvert, 509, 8010, 2, 9},
    {"D059", kConverted, 509, 8010, 2, 9},
    // 'A', 'B', 'C'.
    {"D170", kConverted, 490, 8850, 0, 9},
    {"D172", kCannotConvert, 492, 8850, 0, 9},
    {"D180", kCannotConvert, 809, 9120, 0, 9},
    {"D181", kCannotConvert, 809, 9170, 0, 9},
    {"D250", kConverted, 549, 8890, 0, 9},
};

TEST(CaslovConverter, EveryClassAndDefault) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(testing::Message() << "code '" << c.code << "'");
    ConvertedCodes out;
    const ConversionResult result = caslov::Icd10ToIcdO2(c.code, out);
    EXPECT_EQ(c.result, result);
    if (c.result == result && (result == kConverted || result == kCannotConvert)) {
      EXPECT_EQ(c.topography, out.topography);
      EXPECT_EQ(c.morphology, out.morphology);
      EXPECT_EQ(c.behaviour, out.behaviour);
      EXPECT_EQ(c.grade, out.grade);
    }
  }
}

}  // namespace
