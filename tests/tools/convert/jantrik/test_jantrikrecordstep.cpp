// Jantrik's record step: the error and review marks and their lines, the
// prefix rule, and the fields that hold no code.
#include "tools/convert/jantrik/jantrikrecordstep.h"

#include <gtest/gtest.h>

#include "tests/tools/convert/common/conversionrun.h"

#include <string>
#include <vector>

using namespace kelvarin;

namespace {

using Lines = kelvarin::test::CollectedLines;

// Records: sex at 1, topography at 2-5 ("C509"), morphology 6-9, behaviour 10.
ConversionRow Row() { return kelvarin::test::CodeRow(1, 4, false, 'M', 'F'); }

struct Case {
  const char* record;
  const char* output;   // nullptr: no output line
  const char* warning;  // nullptr: no warning line
  const char* error;    // nullptr: no error line
};

void Expect(JantrikRecordStep& step, const Case& c) {
  Lines lines;
  step.ConvertRecord(c.record, Row(), lines);
  auto one = [](const char* line) {
    return line ? std::vector<std::string>{line} : std::vector<std::string>{};
  };
  EXPECT_EQ(one(c.output), lines.output) << c.record;
  EXPECT_EQ(one(c.warning), lines.warnings) << c.record;
  EXPECT_EQ(one(c.error), lines.errors) << c.record;
  EXPECT_EQ(0, lines.counted) << c.record;
}

TEST(JantrikRecordStep, ConvertedRecordsAndTheirReviews) {
  const Case cases[] = {
      {"FC50981403", "FC50981403 C509", nullptr, nullptr},
      {"fC50981403", "fC50981403 C509", nullptr, nullptr},  // the sex code in either case
      {"FC50980002", "FC50980002 D059", "FC50980002 D059 Unlikely behaviour code", nullptr},
      {"FC50981406", "FC50981406 C509", "FC50981406 C509 Unlikely behaviour code", nullptr},
      {"FC50981409", "FC50981409 C509", "FC50981409 C509 Unlikely behaviour code", nullptr},
      // A '+' review concerns a man only, an '@' review a woman only.
      {"MC49189303", "MC49189303 C491", "MC49189303 C491 Conversion should be checked", nullptr},
      {"FC49189303", "FC49189303 C541", nullptr, nullptr},
      {"MC80990613", "MC80990613 C629", nullptr, nullptr},
      {"FC50980772", "FC50980772 D059", nullptr, nullptr},
      {"FC80980772", "FC80980772 D069", nullptr, nullptr},
      // A row that ends after its code asks for a check.
      {"FC70087280", "FC70087280 D321", "FC70087280 D321 Conversion should be checked", nullptr},
  };
  JantrikRecordStep step;
  for (const Case& c : cases) Expect(step, c);
}

TEST(JantrikRecordStep, ErrorLinesByMark) {
  const Case cases[] = {
      {"XC50981403", nullptr, nullptr, "XC50981403 ???? Invalid sex code"},
      {"XC79981403", nullptr, nullptr, "XC79981403 ???? Invalid sex code"},
      {"MC53981403", nullptr, nullptr, "MC53981403 C539 Invalid sex/site/histology combination"},
      {"FC61981403", nullptr, nullptr, "FC61981403 C61  Invalid sex/site/histology combination"},
      {"MC80980772", nullptr, nullptr, "MC80980772 D069 Invalid sex/site/histology combination"},
      {"FC80990613", nullptr, nullptr, "FC80990613 C629 Invalid sex/site/histology combination"},
      // The sex test on the topography replaces a morphology error.
      {"MC53980063", nullptr, nullptr, "MC53980063 ???? Invalid sex/site/histology combination"},
      {"MC40180102", nullptr, nullptr, "MC40180102    ? Cannot convert record"},
      {"MC79981403", nullptr, nullptr, "MC79981403 Invalid ICD-O-3 code (t)"},
      {"MC50980063", nullptr, nullptr, "MC50980063 Invalid ICD-O-3 code (m)"},
      {"MC5098140x", nullptr, nullptr, "MC5098140x Invalid ICD-O-3 code (m)"},
      {"MC509814 3", nullptr, nullptr, "MC509814 3 Invalid ICD-O-3 code (m)"},
  };
  JantrikRecordStep step;
  for (const Case& c : cases) Expect(step, c);
}

TEST(JantrikRecordStep, ATopographyWithoutANumberIsATopographyError) {
  JantrikRecordStep step;
  Expect(step, {"FC50981403", "FC50981403 C509", nullptr, nullptr});
  Expect(step, {"FCxx981403", nullptr, nullptr, "FCxx981403 Invalid ICD-O-3 code (t)"});
  Expect(step, {"FC--981403", nullptr, nullptr, "FC--981403 Invalid ICD-O-3 code (t)"});
  // Blanks count as '0': "  9" is C00.9 and "5 9" is C50.9.
  Expect(step, {"FC  981403", "FC  981403 C009", nullptr, nullptr});
  Expect(step, {"FC5 981403", "FC5 981403 C509", nullptr, nullptr});
  // Blanks alone are no code, not C00.0.
  Expect(step, {"FC   81403", nullptr, nullptr, "FC   81403 Invalid ICD-O-3 code (t)"});
  Expect(step, {"MCxx981403", nullptr, nullptr, "MCxx981403 Invalid ICD-O-3 code (t)"});
  // A character that is not a digit makes the code an error, never the
  // number found before it ("5x9" is not C00.5).
  Expect(step, {"FC5x981403", nullptr, nullptr, "FC5x981403 Invalid ICD-O-3 code (t)"});
}

TEST(JantrikRecordStep, TheFirstCodeWithCMakesTheCRequired) {
  JantrikRecordStep step;
  Expect(step, {"F    81403", nullptr, nullptr, "F    81403 Invalid ICD-O-3 code (t)"});
  // Without the C the site is read from columns 2 and 3, the subsite from 5.
  Expect(step, {"F50 981403", "F50 981403 C509", nullptr, nullptr});
  Expect(step, {"Fc50981403", "Fc50981403 C509", nullptr, nullptr});
  Expect(step, {"F50 981403", nullptr, nullptr, "F50 981403 Invalid ICD-O-3 code (T)"});
  Expect(step, {"X50 981403", nullptr, nullptr, "X50 981403 ???? Invalid sex code"});
  // Without the C and without a number: still the missing C.
  Expect(step, {"Fxx 981403", nullptr, nullptr, "Fxx 981403 Invalid ICD-O-3 code (T)"});
  Expect(step, {"F-- 981403", nullptr, nullptr, "F-- 981403 Invalid ICD-O-3 code (T)"});
  Expect(step, {"FC50981403", "FC50981403 C509", nullptr, nullptr});
}

}  // namespace
