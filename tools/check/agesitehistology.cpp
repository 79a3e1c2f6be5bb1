#include "tools/check/agesitehistology.h"

#include "common/between.h"
#include "tools/check/iccctable.h"

namespace kelvarin {

namespace {

// Sites and morphologies that are unlikely below 20 years of age: prostate
// adenocarcinoma, sites of adult carcinomas, and colon, trachea and lung
// outside the carcinoid tumours.
bool IsUnlikelyBeforeTwenty(int topography, int morphology) {
  const int site = topography / 10;
  switch (site) {
    case 15:
    case 19:
    case 20:
    case 21:
    case 23:
    case 24:
    case 25:
    case 50:
    case 53:
    case 54:
    case 55:
      return true;
    case 17:
      return morphology < 9590;
    case 18:
    case 33:
    case 34:
      return !Between(morphology, 8240, 8249);
    default:
      return topography == 384;
  }
}

bool IsProstateAdenocarcinoma(int topography, int morphology) {
  return topography / 10 == 61 && Between(morphology, 8140, 8149);
}

// Childhood tumour types by their ICCC-3 category (value / 100) and the ages
// at which each is unlikely.
int CheckChildByCategory(int age, int category, int morphology) {
  switch (category) {
    case 21:
      return age <= 2;  // II(a) Hodgkin lymphomas
    case 41:
      return age >= 10;  // IV(a) neuroblastomas
    case 51:
    case 71:
      return age >= 6;  // V retinoblastoma, VII(a) hepatoblastoma
    case 61:
      return age >= 9;  // VI(a) nephroblastoma
    case 62:
    case 72:
      return age < 9;  // VI(b), VII(b) renal, hepatic carcinomas
    case 81:
    case 82:
    case 112:
    case 113:
      return age <= 5;  // osteo-, chondrosarcomas; thyroid,
                        // nasopharyngeal carcinomas
    case 83:
      return age <= 3;  // VIII(c) Ewing tumours
    case 102:
      return age >= 8;  // X(b) extracranial germ cell tumours
    case 104:
    case 115:
    case 116:
      return age <= 4;  // X(d) gonadal, skin, other carcinomas
    case 121:
      return Between(morphology, 9050, 9059);  // XII(a) mesotheliomas
    default:
      return 0;
  }
}

}  // namespace

int CheckAgeSiteHistology(int age, int topography, int morphology) {
  if (age < 15) {
    if (IsProstateAdenocarcinoma(topography, morphology)) return 1;
    if (IsUnlikelyBeforeTwenty(topography, morphology)) return 1;
    if (morphology == 9724 || morphology == 9732 || morphology == 9823) return 1;
    const int category = LookupIccc(topography, morphology);
    if (category <= 0) return 0;
    return CheckChildByCategory(age, category / 100, morphology);
  }
  if (age < 40 && IsProstateAdenocarcinoma(topography, morphology)) return 1;
  if (age < 20 && IsUnlikelyBeforeTwenty(topography, morphology)) return 1;
  if (age > 45 && topography / 10 == 58 && morphology == 9100) return 1;
  if (age <= 25 && (morphology == 9732 || morphology == 9823)) return 1;
  switch (morphology) {
    case 8910:
    case 8960:
    case 8970:
    case 8981:
    case 8991:
    case 9072:
    case 9470:
    case 9490:
    case 9500:
    case 9687:
      return 1;
    default:
      return Between(morphology, 9510, 9519) ? 1 : 0;
  }
}

}  // namespace kelvarin
