#include "tools/check/agesitehistology.h"

#include <gtest/gtest.h>

#include <vector>

namespace kelvarin {
namespace {

struct AgeCase {
  int age;
  int topography;
  int morphology;
  int unlikely;
  const char* what;
};

void ExpectCases(const std::vector<AgeCase>& cases) {
  for (const AgeCase& c : cases)
    EXPECT_EQ(c.unlikely, CheckAgeSiteHistology(c.age, c.topography, c.morphology))
        << c.what << ": age " << c.age << ", C" << c.topography << ", M" << c.morphology;
}

TEST(CheckAgeSiteHistology, ChildhoodSitesUnlikelyBeforeTwenty) {
  ExpectCases({
      {10, 619, 8140, 1, "prostate adenocarcinoma"},
      {10, 619, 8149, 1, "prostate adenocarcinoma, last code"},
      {14, 150, 8000, 1, "oesophagus"},
      {14, 199, 8000, 1, "rectosigmoid"},
      {14, 209, 8000, 1, "rectum"},
      {14, 210, 8000, 1, "anus"},
      {14, 239, 8000, 1, "gallbladder"},
      {14, 240, 8000, 1, "biliary tract"},
      {14, 250, 8000, 1, "pancreas"},
      {14, 384, 8000, 1, "pleura"},
      {14, 380, 8000, 0, "heart, unspecified tumour"},
      {14, 509, 8000, 1, "breast"},
      {14, 539, 8000, 1, "cervix"},
      {14, 541, 8000, 1, "corpus uteri"},
      {14, 559, 8000, 1, "uterus"},
      {10, 170, 8240, 1, "small intestine carcinoid"},
      {10, 170, 9680, 0, "small intestine lymphoma"},
      {5, 341, 8140, 1, "lung adenocarcinoma, before any table lookup"},
      {10, 341, 8249, 0, "lung carcinoid (XI(f), acceptable from 5)"},
      {10, 181, 8250, 1, "colon outside the carcinoids"},
      {10, 180, 8240, 0, "caecum carcinoid at 10"},
      {3, 180, 8240, 1, "caecum carcinoid at 3 (XI(f))"},
      {10, 339, 8000, 1, "trachea"},
  });
}

TEST(CheckAgeSiteHistology, ChildhoodMorphologiesAlwaysUnlikely) {
  ExpectCases({
      {14, 421, 9732, 1, "multiple myeloma"},
      {14, 421, 9823, 1, "chronic lymphocytic leukaemia"},
      {14, 770, 9724, 1, "systemic EBV-positive lymphoproliferative disease"},
      {14, 421, 9820, 0, "lymphoid leukaemia"},
  });
}

TEST(CheckAgeSiteHistology, ChildhoodCategoriesAndTheirAges) {
  ExpectCases({
      {2, 770, 9650, 1, "II(a) Hodgkin lymphoma at 2"},
      {1, 770, 9650, 1, "II(a) Hodgkin lymphoma at 1"},
      {3, 770, 9650, 0, "II(a) Hodgkin lymphoma at 3"},
      {9, 740, 9500, 0, "IV(a) neuroblastoma at 9"},
      {10, 740, 9500, 1, "IV(a) neuroblastoma at 10"},
      {5, 692, 9510, 0, "V retinoblastoma at 5"},
      {6, 692, 9510, 1, "V retinoblastoma at 6"},
      {5, 220, 8970, 0, "VII(a) hepatoblastoma at 5"},
      {6, 220, 8970, 1, "VII(a) hepatoblastoma at 6"},
      {8, 649, 8960, 0, "VI(a) nephroblastoma at 8"},
      {9, 649, 8960, 1, "VI(a) nephroblastoma at 9"},
      {8, 649, 8312, 1, "VI(b) renal carcinoma at 8"},
      {9, 649, 8312, 0, "VI(b) renal carcinoma at 9"},
      {8, 220, 8170, 1, "VII(b) hepatic carcinoma at 8"},
      {9, 220, 8170, 0, "VII(b) hepatic carcinoma at 9"},
      {5, 400, 9180, 1, "VIII(a) osteosarcoma at 5"},
      {6, 400, 9180, 0, "VIII(a) osteosarcoma at 6"},
      {5, 410, 9220, 1, "VIII(b) chondrosarcoma at 5"},
      {6, 410, 9220, 0, "VIII(b) chondrosarcoma at 6"},
      {3, 400, 9260, 1, "VIII(c) Ewing sarcoma at 3"},
      {4, 400, 9260, 0, "VIII(c) Ewing sarcoma at 4"},
      {7, 381, 9100, 0, "X(b) choriocarcinoma of the mediastinum at 7"},
      {8, 381, 9100, 1, "X(b) choriocarcinoma of the mediastinum at 8"},
      {4, 569, 8140, 1, "X(d) ovarian carcinoma at 4"},
      {5, 569, 8140, 0, "X(d) ovarian carcinoma at 5"},
      {5, 739, 8140, 1, "XI(b) thyroid carcinoma at 5"},
      {6, 739, 8140, 0, "XI(b) thyroid carcinoma at 6"},
      {5, 111, 8140, 1, "XI(c) nasopharyngeal carcinoma at 5"},
      {6, 111, 8140, 0, "XI(c) nasopharyngeal carcinoma at 6"},
      {4, 443, 8140, 1, "XI(e) skin carcinoma at 4"},
      {5, 443, 8140, 0, "XI(e) skin carcinoma at 5"},
      {4, 79, 8140, 1, "XI(f) parotid carcinoma at 4"},
      {5, 79, 8140, 0, "XI(f) parotid carcinoma at 5"},
      {12, 482, 9050, 1, "XII(a) mesothelioma of the peritoneum"},
      {12, 384, 9050, 1, "mesothelioma of the pleura (site rule)"},
      {12, 482, 9055, 1, "XII(a) cystic mesothelioma"},
      {12, 160, 8936, 0, "XII(a) gastrointestinal stromal tumour"},
      {0, 770, 9590, 0, "II(e) unspecified lymphoma"},
      {0, 770, 8000, 0, "XII(b) unspecified"},
      {10, 420, 8140, 0, "not classified (0)"},
  });
}

TEST(CheckAgeSiteHistology, AdultRules) {
  ExpectCases({
      {35, 619, 8140, 1, "prostate adenocarcinoma at 35"},
      {39, 619, 8149, 1, "prostate adenocarcinoma at 39"},
      {40, 619, 8140, 0, "prostate adenocarcinoma at 40"},
      {60, 619, 8140, 0, "prostate adenocarcinoma at 60"},
      {19, 150, 8140, 1, "oesophagus at 19"},
      {20, 150, 8140, 0, "oesophagus at 20"},
      {19, 384, 8000, 1, "pleura at 19"},
      {19, 341, 8240, 0, "lung carcinoid at 19"},
      {19, 341, 8250, 1, "lung carcinoma at 19"},
      {19, 170, 9680, 0, "small intestine lymphoma at 19"},
      {46, 589, 9100, 1, "placental choriocarcinoma at 46"},
      {50, 589, 9100, 1, "placental choriocarcinoma at 50"},
      {45, 589, 9100, 0, "placental choriocarcinoma at 45"},
      {40, 589, 9100, 0, "placental choriocarcinoma at 40"},
      {50, 569, 9100, 0, "ovarian choriocarcinoma at 50"},
      {20, 421, 9732, 1, "multiple myeloma at 20"},
      {25, 421, 9823, 1, "chronic lymphocytic leukaemia at 25"},
      {26, 421, 9732, 0, "multiple myeloma at 26"},
      {16, 770, 9650, 0, "Hodgkin lymphoma at 16"},
      {30, 710, 9509, 0, "papillary glioneuronal tumour at 30"},
      {30, 300, 9520, 0, "olfactory neurogenic tumour at 30"},
      {30, 770, 9688, 0, "T-cell rich large B-cell lymphoma at 30"},
  });
}

TEST(CheckAgeSiteHistology, ChildhoodMorphologiesUnlikelyFromFifteen) {
  for (int morphology :
       {8910, 8960, 8970, 8981, 8991, 9072, 9470, 9490, 9500, 9510, 9511, 9512, 9513, 9514, 9687}) {
    for (int age : {15, 30, 80})
      EXPECT_EQ(1, CheckAgeSiteHistology(age, 809, morphology)) << morphology << " at " << age;
  }
  for (int morphology : {8912, 8961, 8971, 8980, 8990, 9071, 9471, 9491, 9501, 9520, 9680})
    EXPECT_EQ(0, CheckAgeSiteHistology(30, 809, morphology)) << morphology;
}

}  // namespace
}  // namespace kelvarin
