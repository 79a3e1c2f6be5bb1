// Gorvat's converter: every class of the morphology map with its site rules
// and review marks, and the failures.
#include "tools/convert/gorvat/icdo2toicdo3.h"

#include <gtest/gtest.h>

using namespace kelvarin;

namespace {

struct Case {
  int topography;
  int code;
  int result;
  char mark;  // the review mark after the call (' ' when untouched)
};

void Expect(const Case& c) {
  char mark = ' ';
  EXPECT_EQ(c.result, IcdO2ToIcdO3(c.topography, c.code, &mark))
      << c.code << " on " << c.topography;
  EXPECT_EQ(c.mark, mark) << c.code << " on " << c.topography;
}

TEST(IcdO2ToIcdO3, SameCodeAndReviewedSameCode) {
  const Case cases[] = {
      {509, 81403, 81403, ' '}, {0, 81403, 81403, ' '},   {809, 81403, 81403, ' '},
      {384, 90533, 90533, ' '}, {509, 81003, 81003, ' '}, {341, 80503, 80503, 'w'},
      {509, 84400, 84400, 'w'}, {509, 98633, 98633, 'w'},
  };
  for (const Case& c : cases) Expect(c);
}

TEST(IcdO2ToIcdO3, TargetsThatDependOnTheSite) {
  const Case cases[] = {
      {649, 91803, 89670, ' '}, {401, 91803, 91803, ' '}, {659, 91803, 91803, ' '},
      {710, 93801, 94441, ' '}, {719, 93801, 94441, ' '}, {720, 93801, 93801, ' '},
      {709, 93801, 93801, ' '}, {751, 95800, 95820, ' '}, {750, 95800, 95800, ' '},
      {379, 96803, 96793, ' '}, {383, 96803, 96793, ' '}, {422, 96803, 96893, ' '},
      {770, 96803, 96803, ' '}, {382, 96803, 96803, ' '}, {440, 97023, 97183, ' '},
      {449, 97023, 97183, ' '}, {509, 97023, 97023, ' '}, {509, 91341, 91333, ' '},
      {649, 91343, 91333, ' '},
  };
  for (const Case& c : cases) Expect(c);
}

TEST(IcdO2ToIcdO3, MeningesTakeTheMeningealMorphology) {
  const Case cases[] = {
      {700, 87203, 87283, ' '}, {709, 87203, 87283, ' '}, {445, 87203, 87203, ' '},
      {701, 87200, 87280, ' '}, {719, 87202, 87202, ' '}, {691, 87201, 87201, ' '},
  };
  for (const Case& c : cases) Expect(c);
}

TEST(IcdO2ToIcdO3, RevisedTargetsAndTheirReviews) {
  const Case cases[] = {
      {509, 82401, 82403, ' '},
      {509, 82411, 82401, ' '},
      {509, 87240, 91600, ' '},
      {739, 85103, 83453, ' '},
      {509, 85103, 85103, ' '},
      {400, 97313, 97313, ' '},
      {419, 97313, 97313, ' '},
      {420, 97313, 97343, ' '},
      {399, 97313, 97343, ' '},
      // 8930: by site, always reviewed.
      {541, 89303, 89303, 'w'},
      {162, 89303, 89363, 'w'},
      {150, 89303, 89363, 'w'},
      {218, 89303, 89363, 'w'},
      {220, 89303, 89353, 'w'},
      {260, 89303, 89363, 'w'},
      {269, 89303, 89363, 'w'},
      {491, 89303, 89353, 'w'},
      {540, 89303, 89353, 'w'},
      // Reviewed morphologies keep the target.
      {509, 84000, 84000, 'w'},
      {509, 84003, 84003, 'w'},
      {509, 84020, 84020, 'w'},
      {509, 85803, 85803, 'w'},
      {509, 88033, 88033, 'w'},
      {509, 88320, 88320, 'w'},
      {509, 88900, 88900, 'w'},
      {509, 91903, 91923, 'w'},
      {509, 94900, 94900, 'w'},
      {509, 96853, 97273, 'w'},
      {509, 97203, 97503, 'w'},
      {509, 98033, 98003, 'w'},
      {509, 98213, 98353, 'w'},
      {509, 98253, 98323, 'w'},
      {509, 98683, 99453, 'w'},
      {509, 99601, 99603, 'w'},
      {509, 99811, 99803, 'w'},
      {509, 99801, 99803, ' '},
  };
  for (const Case& c : cases) Expect(c);
}

TEST(IcdO2ToIcdO3, TargetsOfClassesFiveAndSix) {
  const Case cases[] = {
      {509, 81520, 81521, ' '},
      {509, 88100, 88100, 'w'},
      {509, 88103, 88103, 'w'},
      {509, 95600, 95600, ' '},
      {509, 90530, kIcdO2DeletedCode, ' '},
      {509, 81200, 81201, 'w'},
      {509, 85800, 85800, 'w'},
      {509, 90801, 90801, 'w'},
      {509, 82611, 82610, ' '},
      {509, 99891, 99893, ' '},
  };
  for (const Case& c : cases) Expect(c);
}

TEST(IcdO2ToIcdO3, Failures) {
  const Case cases[] = {
      {509, 80006, kIcdO2InvalidBehaviour, ' '},  // in the table, but behaviour 6
      {509, 80009, kIcdO2InvalidBehaviour, ' '},
      {807, 80006, kIcdO2InvalidBehaviour, ' '},  // behaviour is tested first
      {509, 81404, kIcdO2InvalidBehaviour, ' '},
      {807, 81403, kIcdO2InvalidSite, ' '},
      {799, 81403, kIcdO2InvalidSite, ' '},
      {810, 81403, kIcdO2InvalidSite, ' '},
      {-1, 81403, kIcdO2InvalidSite, ' '},
      {809, 12343, kIcdO2InvalidCode, ' '},
      {509, 80073, kIcdO2InvalidCode, ' '},
      {509, 8003, kIcdO2InvalidCode, ' '},   // " 8003" never matches a key
      {807, 80503, kIcdO2InvalidSite, ' '},  // no review mark without a conversion
  };
  for (const Case& c : cases) Expect(c);
}

}  // namespace
