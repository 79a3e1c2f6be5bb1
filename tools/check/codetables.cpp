#include "tools/check/codetables.h"

#include "tools/check/codelist.h"

namespace kelvarin {

namespace {

// The subsites of each two-digit site.
constexpr char kTopographyList[] =
    "00:0-6,8-9;01:9;02:0-4,8-9;03:0-1,9;04:0-1,8-9;05:0-2,8-9;06:0-2,8-9;07:9;"
    "08:0-1,8-9;09:0-1,8-9;10:0-4,8-9;11:0-3,8-9;12:9;13:0-2,8-9;14:0,2,8;"
    "15:0-5,8-9;16:0-6,8-9;17:0-3,8-9;18:0-9;19:9;20:9;21:0-2,8;22:0-1;23:9;"
    "24:0-1,8-9;25:0-4,7-9;26:0,8-9;30:0-1;31:0-3,8-9;32:0-3,8-9;33:9;34:0-3,8-9;"
    "37:9;38:0-4,8;39:0,8-9;40:0-3,8-9;41:0-4,8-9;42:0-4;44:0-9;47:0-6,8-9;"
    "48:0-2,8;49:0-6,8-9;50:0-6,8-9;51:0-2,8-9;52:9;53:0-1,8-9;54:0-3,8-9;55:9;"
    "56:9;57:0-4,7-9;58:9;60:0-2,8-9;61:9;62:0-1,9;63:0-2,7-9;64:9;65:9;66:9;"
    "67:0-9;68:0-1,8-9;69:0-6,8-9;70:0-1,9;71:0-9;72:0-5,8-9;73:9;74:0-1,9;"
    "75:0-5,8-9;76:0-5,7-8;77:0-5,8-9;80:9";

// The morphology codes, one line per hundred.
constexpr char kMorphologyList[] =
    "8000-8005,8010-8015,8020-8022,8030-8035,8040-8046,8050-8053,8060,8070-8078,8080-8084,8090-"
    "8098,"
    "8100-8103,8110,8120-8124,8130-8131,8140-8158,8160-8163,8170-8175,8180,8190-8191,"
    "8200-8202,8204,8210-8215,8220-8221,8230-8231,8240-8255,8260-8265,8270-8272,8280-8281,8290,"
    "8300,8310-8325,8330-8337,8340-8347,8350,8360-8361,8370-8375,8380-8384,8390-8392,"
    "8400-8410,8413,8420,8430,8440-8444,8450-8454,8460-8463,8470-8473,8480-8482,8490,"
    "8500-8508,8510,8512-8514,8520-8525,8530,8540-8543,8550-8552,8560-8562,8570-8576,8580-8593,"
    "8600-8602,8610,8620-8623,8630-8634,8640-8642,8650,8660,8670-8671,8680-8683,8690-8693,"
    "8700,8710-8713,8720-8723,8725-8728,8730,8740-8746,8750,8760-8762,8770-8774,8780,8790,"
    "8800-8806,8810-8815,8820-8827,8830-8836,8840-8842,8850-8858,8860-8862,8870,8880-8881,8890-"
    "8898,"
    "8900-8905,8910,8912,8920-8921,8930-8936,8940-8941,8950-8951,8959-8960,8963-8967,8970-8975,"
    "8980-8983,8990-8991,"
    "9000,9010-9016,9020,9030,9040-9044,9050-9055,9060-9065,9070-9073,9080-9085,9090-9091,"
    "9100-9105,9110,9120-9125,9130-9133,9135-9136,9140-9142,9150,9160-9161,9170-9175,9180-9187,"
    "9191-9195,"
    "9200,9210,9220-9221,9230-9231,9240-9243,9250-9252,9260-9262,9270-9275,9280-9282,9290,"
    "9300-9302,9310-9312,9320-9322,9330,9340-9342,9350-9352,9360-9365,9370-9373,9380-9384,"
    "9390-9395,"
    "9400-9401,9410-9413,9420-9421,9423-9425,9430-9432,9440-9442,9444,9450-9451,9460,9470-9474,"
    "9480,9490-9493,"
    "9500-9514,9520-9523,9530-9535,9537-9541,9550,9560-9562,9570-9571,9580-9582,9590-9591,"
    "9596-9597,"
    "9650-9655,9659,9661-9665,9667,9670-9671,9673,9675,9678-9680,9684,9687-9691,9695,9698-9699,"
    "9700-9702,9705,9708-9709,9712,9714,9716-9719,9724-9729,9731-9735,9737-9738,9740-9742,"
    "9750-9762,9764-9769,"
    "9800-9801,9805-9809,9811-9818,9820,9823,9826-9827,9831-9837,9840,9860-9861,9863,9865-9867,"
    "9869-9876,9891,9895-9898,"
    "9910-9911,9920,9930-9931,9940,9945-9946,9948,9950,9960-9967,9970-9971,9975,9980,9982-9987,"
    "9989,9991-9992";

static_assert(codelist::CountSites(kTopographyList) == kTopographyCodeCount,
              "the topography list must hold 330 codes");
static_assert(codelist::CountRanges(kMorphologyList) == kMorphologyCodeCount,
              "the morphology list must hold 807 codes");

constexpr std::array<std::int16_t, kTopographyCodeCount> kTopographyCodes =
    codelist::ExpandSiteList<kTopographyCodeCount>(kTopographyList);
constexpr std::array<std::int16_t, kMorphologyCodeCount> kMorphologyCodes =
    codelist::ExpandRangeList<kMorphologyCodeCount>(kMorphologyList);

static_assert(codelist::IsStrictlyAscending(kTopographyCodes));
static_assert(codelist::IsStrictlyAscending(kMorphologyCodes));
static_assert(kTopographyCodes.front() == 0 && kTopographyCodes.back() == kMaxTopography);
static_assert(kMorphologyCodes.front() == kFirstMorphology &&
              kMorphologyCodes.back() == kLastMorphology);

// Direct index from a code value to its position (-1 where there is no code).
template <std::size_t N, std::size_t Span>
constexpr std::array<std::int16_t, Span> PositionIndex(const std::array<std::int16_t, N>& codes,
                                                       int first) {
  std::array<std::int16_t, Span> index{};
  for (auto& position : index) position = -1;
  for (std::size_t i = 0; i < N; ++i)
    index[static_cast<std::size_t>(codes[i] - first)] = static_cast<std::int16_t>(i);
  return index;
}

constexpr auto kTopographyPositions =
    PositionIndex<kTopographyCodeCount, kMaxTopography + 1>(kTopographyCodes, 0);
constexpr auto kMorphologyPositions =
    PositionIndex<kMorphologyCodeCount, kLastMorphology - kFirstMorphology + 1>(kMorphologyCodes,
                                                                                kFirstMorphology);

}  // namespace

const std::array<std::int16_t, kTopographyCodeCount> TopographyCodes = kTopographyCodes;
const std::array<std::int16_t, kMorphologyCodeCount> MorphologyCodes = kMorphologyCodes;

int FindTopographyCode(int value) {
  if (value < 0 || value > kMaxTopography) return -1;
  return kTopographyPositions[static_cast<std::size_t>(value)];
}

int FindMorphologyCode(int value) {
  if (value < kFirstMorphology || value > kLastMorphology) return -1;
  return kMorphologyPositions[static_cast<std::size_t>(value - kFirstMorphology)];
}

}  // namespace kelvarin
