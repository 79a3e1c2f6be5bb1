// The ICD-10 + ICD-O-2 morphology converter: the order of its refusals, the
// behaviour ranges of the codes, every class rule and the lymphoma table.
#include <gtest/gtest.h>

#include <string>

#include "tests/tools/convert/older/codelists.h"
#include "tools/convert/dorwim/dorwimconverter.h"
#include "tools/convert/dorwim/lymphomatable.h"
#include "tools/convert/older/icd10code.h"
#include "tools/convert/older/icdo2morphologycodes.h"

using namespace kelvarin;

namespace {

struct Case {
  const char* code;
  int morphology;
  int behaviour;
  ConversionResult result;
  int topography;  // checked on kConverted
  int morphologyOut;
  int behaviourOut;
};

const Case kCases[] = {
    // Order of the refusals: code, morphology, behaviour, combination.
    {"c509", 7999, 9, kInvalidSite, 0, 0, 0},
    {"C50 ", 8500, 3, kInvalidSite, 0, 0, 0},
    {"C509", 7999, 9, kInvalidMorphology, 0, 0, 0},
    {"C509", 9990, 3, kInvalidMorphology, 0, 0, 0},
    {"C509", 8500, 9, kInvalidBehaviour, 0, 0, 0},
    {"C509", 8500, 4, kInvalidBehaviour, 0, 0, 0},
    {"C509", 8500, 5, kInvalidBehaviour, 0, 0, 0},
    // Behaviour against the code.
    {"C509", 8500, 3, kConverted, 509, 8500, 3},
    {"C509", 8500, 6, kInvalidCombination, 0, 0, 0},
    {"C509", 8500, 0, kInvalidCombination, 0, 0, 0},
    {"C61 ", 8140, 3, kConverted, 619, 8140, 3},
    {"C770", 8000, 6, kConverted, 770, 8000, 3},
    {"C770", 8000, 3, kInvalidCombination, 0, 0, 0},
    {"C809", 8000, 6, kConverted, 809, 8000, 3},
    {"C809", 8000, 3, kConverted, 809, 8000, 3},
    {"C780", 8140, 6, kConverted, 809, 8140, 3},
    {"D100", 8000, 0, kConverted, 9, 8000, 0},
    {"D369", 8000, 0, kConverted, 809, 8000, 0},
    {"D370", 8000, 0, kInvalidCombination, 0, 0, 0},
    {"D370", 8000, 1, kConverted, 148, 8000, 1},
    {"D489", 8000, 1, kConverted, 809, 8000, 1},
    {"D369", 8000, 1, kInvalidCombination, 0, 0, 0},
    {"D090", 8010, 2, kConverted, 679, 8010, 2},
    {"D090", 8679 - 9, 2, kConverted, 679, 8670, 2},
    {"D090", 8000, 2, kInvalidCombination, 0, 0, 0},
    {"D090", 8680, 2, kInvalidCombination, 0, 0, 0},
    {"D030", 8720, 2, kConverted, 440, 8720, 2},
    {"D030", 8010, 2, kInvalidCombination, 0, 0, 0},
    {"D100", 8010, 2, kInvalidCombination, 0, 0, 0},
    {"D100", 8000, 3, kInvalidCombination, 0, 0, 0},
    // '*' and ' ', '+': solid tumours only.
    {"C509", 9590, 3, kInvalidCombination, 0, 0, 0},
    {"C01 ", 8070, 3, kConverted, 19, 8070, 3},
    {"C01 ", 9590, 3, kInvalidCombination, 0, 0, 0},
    {"D487", 8000, 1, kConverted, 767, 8000, 1},
    {"D487", 9590, 1, kInvalidCombination, 0, 0, 0},
    // '1': liver by subsite.
    {"C220", 8170, 3, kConverted, 220, 8170, 3},
    {"C220", 8171, 3, kConverted, 220, 8171, 3},
    {"C220", 8160, 3, kInvalidCombination, 0, 0, 0},
    {"C221", 8160, 3, kConverted, 221, 8160, 3},
    {"C221", 8162, 3, kConverted, 221, 8162, 3},
    {"C221", 8560, 3, kConverted, 221, 8560, 3},
    {"C221", 8170, 3, kInvalidCombination, 0, 0, 0},
    {"C222", 8970, 3, kConverted, 220, 8970, 3},
    {"C223", 9120, 3, kConverted, 220, 9120, 3},
    {"C223", 9161, 3, kConverted, 220, 9161, 3},
    {"C223", 9134, 3, kInvalidCombination, 0, 0, 0},
    {"C224", 8811, 3, kConverted, 220, 8811, 3},
    {"C224", 8812, 3, kInvalidCombination, 0, 0, 0},
    {"C224", 9044, 3, kConverted, 220, 9044, 3},
    {"C224", 9581, 3, kConverted, 220, 9581, 3},
    {"C227", 8001, 3, kConverted, 220, 8001, 3},
    {"C227", 8000, 3, kInvalidCombination, 0, 0, 0},
    {"C229", 8000, 3, kConverted, 220, 8000, 3},
    {"C229", 8010, 3, kInvalidCombination, 0, 0, 0},
    // '2': melanoma and naevi.
    {"C430", 8720, 3, kConverted, 440, 8720, 3},
    {"C439", 8790, 3, kConverted, 449, 8790, 3},
    {"C430", 8800, 3, kInvalidCombination, 0, 0, 0},
    {"D220", 8720, 0, kConverted, 440, 8720, 0},
    // '3': mesothelioma; '4': Kaposi's sarcoma.
    {"C450", 9050, 3, kConverted, 384, 9050, 3},
    {"C450", 9055, 3, kConverted, 384, 9055, 3},
    {"C451", 9040, 3, kInvalidCombination, 0, 0, 0},
    {"D190", 9050, 0, kConverted, 384, 9050, 0},
    {"C460", 9140, 3, kConverted, 449, 9140, 3},
    {"C460", 9141, 3, kInvalidCombination, 0, 0, 0},
    // '5': secondary; '8': no conversion.
    {"C780", 8140, 3, kInvalidCombination, 0, 0, 0},
    {"C967", 9720, 3, kCannotConvert, 0, 0, 0},
    {"D357", 8000, 0, kCannotConvert, 0, 0, 0},
    {"D467", 9989, 1, kCannotConvert, 0, 0, 0},
    // '9': carcinoma in situ of the breast.
    {"D050", 8520, 2, kConverted, 509, 8520, 2},
    {"D050", 8522, 2, kConverted, 509, 8522, 2},
    {"D050", 8500, 2, kInvalidCombination, 0, 0, 0},
    {"D051", 8500, 2, kConverted, 509, 8500, 2},
    {"D051", 8520, 2, kInvalidCombination, 0, 0, 0},
    {"D057", 8021, 2, kConverted, 509, 8021, 2},
    {"D057", 8010, 2, kInvalidCombination, 0, 0, 0},
    {"D059", 8010, 2, kConverted, 509, 8010, 2},
    // 'A': lipoma; 'B': haemangioma; 'C': leiomyoma; 'E'.
    {"D170", 8850, 0, kConverted, 490, 8850, 0},
    {"D172", 8890, 0, kInvalidCombination, 0, 0, 0},
    {"D180", 9120, 0, kConverted, 809, 9120, 0},
    {"D181", 9180, 0, kInvalidCombination, 0, 0, 0},
    {"D250", 8890, 0, kConverted, 549, 8890, 0},
    {"D259", 8900, 0, kInvalidCombination, 0, 0, 0},
    {"D477", 9766, 1, kConverted, 809, 9766, 1},
    {"D477", 9768, 1, kConverted, 809, 9768, 1},
    {"D477", 9760, 1, kInvalidCombination, 0, 0, 0},
    // '6': lymphomas, topography by morphology.
    {"C810", 9657, 3, kConverted, 779, 9657, 3},
    {"C810", 9650, 3, kInvalidCombination, 0, 0, 0},
    {"C810", 9657, 6, kInvalidCombination, 0, 0, 0},
    {"C840", 9700, 3, kConverted, 449, 9700, 3},
    {"C845", 9709, 3, kConverted, 449, 9709, 3},
    {"C844", 9704, 3, kInvalidCombination, 0, 0, 0},
    {"C859", 9594, 3, kConverted, 719, 9594, 3},
    {"C880", 9761, 3, kConverted, 420, 9761, 3},
    {"C883", 9764, 3, kConverted, 179, 9764, 3},
    {"C837", 9687, 3, kConverted, 779, 9687, 3},
    {"C830", 9687, 3, kInvalidCombination, 0, 0, 0},
    {"C830", 9593, 3, kConverted, 779, 9593, 3},
    // '7': leukaemias; D codes take the row's morphology.
    {"C900", 9732, 3, kConverted, 421, 9732, 3},
    {"C900", 9731, 3, kInvalidCombination, 0, 0, 0},
    {"C910", 9826, 3, kConverted, 421, 9826, 3},
    {"D45 ", 8000, 1, kConverted, 421, 9950, 1},
    {"D45 ", 9950, 1, kConverted, 421, 9950, 1},
    {"D460", 9989, 1, kConverted, 421, 9981, 1},
    {"D45 ", 9950, 3, kInvalidCombination, 0, 0, 0},
};

TEST(DorwimConverter, EveryRuleAndClass) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(testing::Message()
                 << "code '" << c.code << "' M " << c.morphology << " B " << c.behaviour);
    ConvertedCodes out;
    const ConversionResult result = dorwim::Icd10ToIcdO2(c.code, c.morphology, c.behaviour, out);
    EXPECT_EQ(c.result, result);
    if (result == kConverted && c.result == kConverted) {
      EXPECT_EQ(c.topography, out.topography);
      EXPECT_EQ(c.morphologyOut, out.morphology);
      EXPECT_EQ(c.behaviourOut, out.behaviour);
    }
  }
}

// Each lymphoma and leukaemia code of the table accepts the morphology its
// row names, and the table speaks for every one of them.
TEST(DorwimConverter, EveryLymphomaCodeTakesItsOwnMorphology) {
  int rows = 0;
  for (std::string_view row : Icd10RuleTable) {
    const char cls = RowClass(row);
    if ((cls != '6' && cls != '7') || row[0] != 'C') continue;
    ++rows;
    const int nnn = Icd10ThreeDigits(row.data());
    ASSERT_NE(nullptr, dorwim::FindLymphomaRow(nnn)) << row;
    ConvertedCodes out;
    EXPECT_EQ(kConverted, dorwim::Icd10ToIcdO2(row.data(), RowNumber(row, 5, 4), 3, out)) << row;
  }
  EXPECT_EQ(42 + 35, rows);
}

TEST(DorwimConverter, LymphomaTableBoundaries) {
  struct Probe {
    int code;
    int morphology;
    bool accepted;
  };
  const Probe probes[] = {
      {810, 9656, false}, {810, 9660, true},  {817, 9651, true},  {817, 9668, false},
      {820, 9690, true},  {829, 9699, true},  {820, 9700, false}, {837, 9687, true},
      {837, 9670, false}, {839, 9686, true},  {839, 9688, true},  {839, 9687, false},
      {835, 9595, true},  {835, 9594, false}, {844, 9702, true},  {844, 9703, false},
      {844, 9707, true},  {845, 9700, true},  {850, 9590, true},  {859, 9594, true},
      {850, 9593, false}, {850, 9719, true},  {887, 9765, true},  {887, 9769, false},
      {910, 9826, true},  {910, 9822, false}, {914, 9941, true},  {921, 9880, true},
      {921, 9864, false}, {927, 9864, true},  {927, 9863, false}, {940, 9841, true},
      {962, 9741, true},  {963, 9723, true},
  };
  for (const Probe& p : probes) {
    const dorwim::LymphomaRow* row = dorwim::FindLymphomaRow(p.code);
    ASSERT_NE(nullptr, row) << p.code;
    EXPECT_EQ(p.accepted, dorwim::LymphomaRowAccepts(*row, p.morphology))
        << p.code << " " << p.morphology;
  }
  for (int unlisted : {814, 818, 846, 860, 884, 903, 916, 926, 933, 946, 953, 964, 809})
    EXPECT_EQ(nullptr, dorwim::FindLymphomaRow(unlisted)) << unlisted;
}

// The codes whose class asks for certain morphologies: every ICD-O-2
// morphology against the class's list as the rules print it (for in situ
// codes narrowed by what their behaviour allows).
TEST(DorwimConverter, EachClassTakesItsMorphologies) {
  struct ClassRule {
    const char* code;
    int behaviour;
    const char* morphologies;
    int topography;
  };
  const ClassRule rules[] = {
      {"C220", 3, "8170-8171", 220},
      {"C221", 3, "8140-8141,8160-8162,8260,8440,8480-8481,8490,8500,8550,8560", 221},
      {"C222", 3, "8970", 220},
      {"C223", 3, "9120-9133,9161", 220},
      {"C224", 3, "8800-8811,8830,8840-8920,8990-8991,9040-9044,9150,9170,9540-9581", 220},
      {"C227", 3, "8001-8572", 220},
      {"C229", 3, "8000", 220},
      {"C430", 3, "8720-8790", 440},
      {"D030", 2, "8720-8790", 440},
      {"D220", 0, "8720-8790", 440},
      {"C450", 3, "9050-9055", 384},
      {"D190", 0, "9050-9055", 384},
      {"C460", 3, "9140", 449},
      {"D050", 2, "8520,8522", 509},
      {"D051", 2, "8500-8506", 509},
      {"D057", 2, "8021-8572", 509},
      {"D059", 2, "8010-8679", 509},
      {"D170", 0, "8850-8889", 490},
      {"D180", 0, "9120-9179", 809},
      {"D250", 0, "8890-8899", 549},
      {"D477", 1, "9766-9768", 809},
      {"C509", 3, "8000-9589", 509},
      {"C01 ", 3, "8000-9589", 19},
      {"D487", 1, "8000-9589", 767},
      {"C780", 6, "8000-9989", 809},
  };
  for (const ClassRule& rule : rules) {
    for (std::string_view text : IcdO2MorphologyCodes) {
      const int m = RowNumber(text, 0, 4);
      ConvertedCodes out;
      const ConversionResult result = dorwim::Icd10ToIcdO2(rule.code, m, rule.behaviour, out);
      const bool taken = test::InCodeList(m, rule.morphologies);
      EXPECT_EQ(taken ? kConverted : kInvalidCombination, result) << rule.code << " M " << m;
      if (taken && result == kConverted) {
        EXPECT_EQ(rule.topography, out.topography) << rule.code << " M " << m;
      }
    }
  }
}

// The lymphoma and leukaemia codes: every ICD-O-2 morphology against the
// lymphoma rule's table, written out as the rules print it.
TEST(DorwimConverter, EachLymphomaCodeTakesItsMorphologies) {
  struct LymphomaRule {
    int first, last;  // NNN
    const char* morphologies;
  };
  // In the rules' order; the first row holding NNN speaks for it, so 837
  // stands before the rest of 830 to 839.
  const LymphomaRule rules[] = {
      {810, 810, "9657-9660"},
      {811, 811, "9663-9667"},
      {812, 812, "9652"},
      {813, 813, "9653-9655"},
      {817, 817, "9651-9667"},
      {819, 819, "9650"},
      {820, 829, "9690-9699"},
      {837, 837, "9687"},
      {830, 839, "9670-9686,9688-9689,9593,9595"},
      {840, 840, "9700"},
      {841, 841, "9701"},
      {842, 842, "9703"},
      {843, 843, "9704"},
      {844, 844, "9702,9705-9707"},
      {845, 845, "9700-9709"},
      {850, 859, "9710-9719,9590-9592,9594"},
      {880, 880, "9761"},
      {881, 881, "9762"},
      {882, 882, "9763"},
      {883, 883, "9764"},
      {887, 887, "9765-9768"},
      {889, 889, "9760"},
      {900, 900, "9732"},
      {901, 901, "9830"},
      {902, 902, "9731"},
      {910, 910, "9821,9826"},
      {911, 911, "9823"},
      {912, 912, "9822"},
      {913, 913, "9825"},
      {914, 914, "9940,9941"},
      {915, 915, "9827"},
      {917, 917, "9824,9826"},
      {919, 919, "9820"},
      {920, 920, "9861"},
      {921, 921, "9863,9868,9870,9880"},
      {922, 922, "9862"},
      {923, 923, "9930"},
      {924, 924, "9866"},
      {925, 925, "9867"},
      {927, 927, "9864,9868,9870,9880"},
      {929, 929, "9860"},
      {930, 930, "9891"},
      {931, 931, "9893"},
      {932, 932, "9892"},
      {937, 937, "9894"},
      {939, 939, "9890"},
      {940, 940, "9840,9841"},
      {941, 941, "9842"},
      {942, 942, "9910"},
      {943, 943, "9900"},
      {944, 944, "9931"},
      {945, 945, "9932"},
      {947, 947, "9850"},
      {950, 950, "9801"},
      {951, 951, "9803"},
      {952, 952, "9802"},
      {957, 957, "9804"},
      {959, 959, "9800"},
      {960, 960, "9722"},
      {961, 961, "9720"},
      {962, 962, "9740,9741"},
      {963, 963, "9723"},
  };
  int codes = 0;
  for (std::string_view row : Icd10RuleTable) {
    const char cls = RowClass(row);
    if ((cls != '6' && cls != '7') || row[0] != 'C') continue;
    ++codes;
    const std::string code(row.substr(0, 4));
    const int nnn = Icd10ThreeDigits(code.c_str());
    const LymphomaRule* rule = nullptr;
    for (const LymphomaRule& r : rules) {
      if (nnn >= r.first && nnn <= r.last) {
        rule = &r;
        break;
      }
    }
    ASSERT_NE(nullptr, rule) << code;
    for (std::string_view text : IcdO2MorphologyCodes) {
      const int m = RowNumber(text, 0, 4);
      ConvertedCodes out;
      const ConversionResult result = dorwim::Icd10ToIcdO2(code.c_str(), m, 3, out);
      const bool taken = test::InCodeList(m, rule->morphologies);
      EXPECT_EQ(taken ? kConverted : kInvalidCombination, result) << code << " M " << m;
    }
  }
  EXPECT_EQ(42 + 35, codes);
}

TEST(DorwimConverter, MorphologyCodes) {
  EXPECT_TRUE(dorwim::IsIcdO2MorphologyCode(8000));
  EXPECT_TRUE(dorwim::IsIcdO2MorphologyCode(9989));
  EXPECT_FALSE(dorwim::IsIcdO2MorphologyCode(9990));
  EXPECT_FALSE(dorwim::IsIcdO2MorphologyCode(7999));
}

}  // namespace
