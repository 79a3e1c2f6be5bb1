// The delimited-text reader: delimiter detection and the records it reads
// from files in every delimiter and line-end form.
#include "tools/transfer/delimitedfile.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <ostream>
#include <string>
#include <vector>

#include "tests/support/testfiles.h"

using namespace kelvarin;
using namespace kelvarin::test;

namespace {

struct ReadResult {
  bool prepared = false;
  char delimiter = 0;
  std::vector<std::string> records;  // each "[field][field]..."
};

ReadResult ReadAll(const std::string& bytes) {
  TempDir dir;
  DelimitedFile reader;
  reader.m_path = dir.Write("in.txt", bytes);
  EXPECT_TRUE(reader.Open());
  ReadResult result;
  result.prepared = reader.Prepare();
  result.delimiter = reader.m_delimiter;
  while (reader.ReadRecord()) {
    std::string record;
    for (int i = 0; i < reader.m_fieldCount; ++i) record += "[" + reader.m_fields[i] + "]";
    result.records.push_back(record);
  }
  EXPECT_FALSE(reader.failed());
  reader.Close();
  return result;
}

struct ReadCase {
  const char* name;
  std::string bytes;
  char delimiter;
  std::vector<std::string> records;
};

void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.name; }

class ReadRecords : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadRecords, FieldsAsStored) {
  const ReadCase& c = GetParam();
  const ReadResult result = ReadAll(c.bytes);
  EXPECT_TRUE(result.prepared);
  EXPECT_EQ(c.delimiter, result.delimiter);
  EXPECT_EQ(c.records, result.records);
}

INSTANTIATE_TEST_SUITE_P(
    Reader, ReadRecords,
    ::testing::Values(
        ReadCase{"SemicolonCrLf", "a;b;c\r\nd;e;f\r\n", ';', {"[a][b][c]", "[d][e][f]"}},
        ReadCase{"TabLf", "a\tb\tc\nd\te\tf\n", '\t', {"[a][b][c]", "[d][e][f]"}},
        ReadCase{"BarLoneCr", "a|b|c\rd|e|f\r", '|', {"[a][b][c]", "[d][e][f]"}},
        ReadCase{"CommaNoFinalLineEnd", "a,b,c\nd,e,f", ',', {"[a][b][c]", "[d][e][f]"}},
        ReadCase{"MixedLineEnds",
                 "a,b,c\r\nd,e,f\rg,h,i\n",
                 ',',
                 {"[a][b][c]", "[d][e][f]", "[g][h][i]"}},
        // After a CR only a LF belongs to the line end: the comma opens the next record.
        ReadCase{"CrThenDelimiter", "a,b,c\r,e,f\r", ',', {"[a][b][c]", "[][e][f]"}},
        ReadCase{"QuotedDelimiter", "\"x,y\",z,w\n", ',', {"[x,y][z][w]"}},
        ReadCase{"DoubledQuote", "\"say \"\"hi\"\"\",b,c\n", ',', {"[say 'hi'][b][c]"}},
        ReadCase{"EmptyQuoted", "\"\",b,c\n", ',', {"[][b][c]"}},
        ReadCase{"QuotedLastField", "a,b,\"c\"\r\nd,e,\"f\"", ',', {"[a][b][c]", "[d][e][f]"}},
        ReadCase{"QuotesOrdinaryWithSemicolon", "\"a\";b;\"c;d\"\n", ';', {"[\"a\"][b][\"c][d\"]"}},
        ReadCase{"QuotesOrdinaryWithTab", "\"a\tb\"\tc\td\n", '\t', {"[\"a][b\"][c][d]"}},
        ReadCase{"LfInsideQuotes",
                 "\"two\nlines\",b,c,d\ne,f,g,h\n",
                 ',',
                 {"[two lines][b][c][d]", "[e][f][g][h]"}},
        ReadCase{"CrLfInsideQuotes",
                 "\"two\r\nlines\",b,c,d\r\ne,f,g,h\r\n",
                 ',',
                 {"[two lines][b][c][d]", "[e][f][g][h]"}},
        ReadCase{"LoneCrInsideQuotes",
                 "\"two\rlines\",b,c,d\re,f,g,h\r",
                 ',',
                 {"[two lines][b][c][d]", "[e][f][g][h]"}},
        ReadCase{
            "EmptyLineInside", "a,b,c,d\n\ne,f,g,h\n", ',', {"[a][b][c][d]", "[]", "[e][f][g][h]"}},
        ReadCase{"EmptyCrLfLineInside",
                 "a,b,c,d\r\n\r\ne,f,g,h\r\n",
                 ',',
                 {"[a][b][c][d]", "[]", "[e][f][g][h]"}},
        // A lone line end closing the file is not a record.
        ReadCase{"TrailingLf", "a,b,c,d,e\n\n", ',', {"[a][b][c][d][e]"}},
        ReadCase{"TrailingCrLf", "a,b,c,d,e\r\n\r\n", ',', {"[a][b][c][d][e]"}},
        ReadCase{"TrailingCr", "a,b,c,d,e\r\r", ',', {"[a][b][c][d][e]"}},
        ReadCase{"LastLineOneCharacter",
                 "a,b,c,d\ne,f,g,h\ni",
                 ',',
                 {"[a][b][c][d]", "[e][f][g][h]", "[i]"}},
        ReadCase{"TrailingDelimiter", "a,b,\n", ',', {"[a][b][]"}},
        ReadCase{
            "ShortAndLong", "a,b,c\nd\ne,f,g,h,i\n", ',', {"[a][b][c]", "[d]", "[e][f][g][h][i]"}},
        ReadCase{
            "EightBitBytes", "\xe9t\xe9,\xff\xfe,\x80\n", ',', {"[\xe9t\xe9][\xff\xfe][\x80]"}},
        // After the closing quote any byte but a comma, a line end or a
        // second quote is stored, and the field goes on unquoted.
        ReadCase{"QuoteExitOtherByte",
                 "\"Li, Sofia\"x,b,c\nd,e,f\n",
                 ',',
                 {"[Li, Sofiax][b][c]", "[d][e][f]"}},
        ReadCase{"QuoteExitBlank", "\"Smith\" ,Ann,x\n", ',', {"[Smith ][Ann][x]"}},
        ReadCase{"QuoteExitLaterQuoteOrdinary", "\"a\"b\"c\",d,e\n", ',', {"[ab\"c\"][d][e]"}},
        ReadCase{"QuoteExitLineEndEndsRecord",
                 "x,y,\"a\"b\r\nc,d,e\r\n",
                 ',',
                 {"[x][y][ab]", "[c][d][e]"}},
        ReadCase{"ByteOrderMarkIsNotData",
                 "\xEF\xBB\xBF"
                 "a,b,c\nd,e,f\n",
                 ',',
                 {"[a][b][c]", "[d][e][f]"}},
        ReadCase{
            "ByteOrderMarkOnlyAtTheStart", "a,\xEF\xBB\xBF,c\n", ',', {"[a][\xEF\xBB\xBF][c]"}},
        ReadCase{"LongValues",
                 "abcdefghijklmnopqrstuvwxy,\"abcdefghijklmnopqrstu\"\"x\",c\n",
                 ',',
                 {"[abcdefghijklmnopqrst][abcdefghijklmnopqrst][c]"}}),
    [](const ::testing::TestParamInfo<ReadCase>& info) { return std::string(info.param.name); });

struct DetectCase {
  const char* name;
  std::string bytes;
  char delimiter;  // 0: none found
};

void PrintTo(const DetectCase& c, std::ostream* os) { *os << c.name; }

class DetectDelimiter : public ::testing::TestWithParam<DetectCase> {};

TEST_P(DetectDelimiter, Finds) {
  const DetectCase& c = GetParam();
  const ReadResult result = ReadAll(c.bytes);
  EXPECT_EQ(c.delimiter != 0, result.prepared);
  EXPECT_EQ(c.delimiter, result.delimiter);
}

std::string Lines(int lines, const std::string& line) {
  std::string text;
  for (int i = 0; i < lines; ++i) text += line;
  return text;
}

INSTANTIATE_TEST_SUITE_P(
    Reader, DetectDelimiter,
    ::testing::Values(
        DetectCase{"TieGoesToTab", "a\t,b\t,c\n", '\t'},
        DetectCase{"TieGoesToComma", "a,|b,|c\n", ','}, DetectCase{"MostWins", "a;b;c,d\n", ';'},
        // Ten lines: 19 commas are too few, 20 are enough.
        DetectCase{"NineteenOfTen", Lines(9, "a,b,c\n") + "a,b\n", 0},
        DetectCase{"TwentyOfTen", Lines(10, "a,b,c\n"), ','},
        DetectCase{"CrLfCountsOnce", Lines(10, "a,b,c\r\n"), ','},
        DetectCase{"LoneCrCounts", Lines(10, "a,b,c\r"), ','},
        DetectCase{"CrThenCandidateCounts", ",a,\r,b,\r", ','},
        DetectCase{"NoCandidate", "abc\ndef\n", 0}, DetectCase{"Empty", "", 0},
        DetectCase{"OnlyLineEnds", "\n\n\n", 0},
        // Inside quotes neither candidates nor line ends count.
        DetectCase{"DecimalCommas",
                   "weight;height;bmi\n72,5;1,80;22,4\n" + Lines(3, "80,1;1,75;26,2\n"), ';'},
        DetectCase{"SemicolonsInQuotedNotes", "id,name,note\n" + Lines(3, "1,Ann,\"a;b;c;d\"\n"),
                   ','},
        DetectCase{"LineEndsInQuotes", "a,b,\"x\ny\"\nc,d,e\n", ','},
        DetectCase{"OpenQuoteHidesTheSample", "\"" + Lines(9, "a,b,c\n"), 0},
        // A quote opens only where a quoted field can begin: at the start,
        // after a line end or after a comma; anywhere else it is a byte.
        DetectCase{"InchMarkInTabFile", "1\t12\" ruler\tM\n2\tbox\tF\n3\tpen\tM\n", '\t'},
        DetectCase{"MidFieldQuoteBeforeQuotedField", Lines(3, "1,5\" pipe,\"a;b;c\"\n"), ','},
        DetectCase{"QuoteAfterClosingQuoteIsAByte", Lines(3, "id,\"a\"b\"c;d;e;f,g\n"), ';'},
        DetectCase{"QuoteAfterLineEndOpens", Lines(3, "a;b;c;d\n") + "\"p,q,r,s,t,u,v,w,x,y,z\"\n",
                   ';'},
        // The same count on every line beats a higher total,
        // unless a blank line breaks the sameness.
        DetectCase{"SameOnEveryLineWins", "a;b;c;d,e\nf;g;h;i,j,k,l,m,n,o,p\n", ';'},
        DetectCase{"BlankLineIsALine", "a;b;c;d,e\n\nf;g;h;i,j,k,l,m,n,o,p\n", ','},
        // The rest after the last line end counts but is no line.
        DetectCase{"RestIsNoLine", "a,b,c\nd", ','}, DetectCase{"NoLineEnd", "a,b,c", 0}),
    [](const ::testing::TestParamInfo<DetectCase>& info) { return std::string(info.param.name); });

TEST(DelimitedFile, ShortRecordFieldsReadAsFullStop) {
  TempDir dir;
  DelimitedFile reader;
  reader.m_path = dir.Write("in.csv", "a,b,c,d,e\nf,g,h\n");
  ASSERT_TRUE(reader.Open());
  ASSERT_TRUE(reader.Prepare());
  EXPECT_EQ(5, reader.m_maxFieldCount);
  ASSERT_TRUE(reader.ReadRecord());
  ASSERT_TRUE(reader.ReadRecord());
  EXPECT_EQ(3, reader.m_fieldCount);
  EXPECT_EQ("h", reader.m_fields[2]);
  EXPECT_EQ(".", reader.m_fields[3]);
  EXPECT_EQ(".", reader.m_fields[4]);
  EXPECT_EQ(".", reader.m_fields[99]);
  EXPECT_FALSE(reader.ReadRecord());
}

TEST(DelimitedFile, MoreThanHundredFieldsAreCountedAndDropped) {
  std::string line;
  for (int i = 0; i < 105; ++i) line += (i ? ";f" : "f") + std::to_string(i);
  TempDir dir;
  DelimitedFile reader;
  reader.m_path = dir.Write("in.txt", line + "\r\nx;y;z\r\n");
  ASSERT_TRUE(reader.Open());
  ASSERT_TRUE(reader.Prepare());
  EXPECT_EQ(100, reader.m_maxFieldCount);
  ASSERT_TRUE(reader.ReadRecord());
  EXPECT_EQ(100, reader.m_fieldCount);
  EXPECT_EQ(5, reader.m_surplusFields);
  EXPECT_EQ("f99", reader.m_fields[99]);
  EXPECT_EQ(line.size() + 2, reader.m_recordBytes);
  ASSERT_TRUE(reader.ReadRecord());
  EXPECT_EQ(0, reader.m_surplusFields);
  EXPECT_EQ("z", reader.m_fields[2]);
  EXPECT_EQ(".", reader.m_fields[3]);
}

TEST(DelimitedFile, WidthsAndCutFlags) {
  TempDir dir;
  DelimitedFile reader;
  reader.m_path = dir.Write("in.csv",
                            "\xEF\xBB\xBFName,Sex,Age\nabcdefghijklmnopqrstuvwxy,\"12\",3\n"
                            "abcdefghijklmnopqrs\xC3\xAB,1,2\n");
  ASSERT_TRUE(reader.Open());
  ASSERT_TRUE(reader.Prepare());
  EXPECT_EQ(20, reader.m_columnWidths[0]);
  EXPECT_EQ(3, reader.m_columnWidths[1]);  // the header counts, not its byte-order mark
  EXPECT_EQ(3, reader.m_columnWidths[2]);
  EXPECT_EQ(0, reader.m_columnWidths[3]);
  ASSERT_TRUE(reader.ReadRecord());
  EXPECT_EQ(16u, reader.m_recordBytes);  // the byte-order mark included
  ASSERT_TRUE(reader.ReadRecord());
  EXPECT_TRUE(reader.m_fieldCut[0]);
  EXPECT_FALSE(reader.m_fieldCut[1]);
  ASSERT_TRUE(reader.ReadRecord());
  EXPECT_EQ("abcdefghijklmnopqrs", reader.m_fields[0]);
  EXPECT_TRUE(reader.m_fieldCut[0]);
}

TEST(DelimitedFile, RecordsLongerThanTheBuffer) {
  // Records that straddle buffer refills keep every field.
  std::string text;
  for (int i = 0; i < 40000; ++i)
    text += "\"r" + std::to_string(i) + "\",value " + std::to_string(i) + ",x\r\n";
  TempDir dir;
  DelimitedFile reader;
  reader.m_path = dir.Write("in.csv", text);
  ASSERT_TRUE(reader.Open());
  ASSERT_TRUE(reader.Prepare());
  uint64_t bytes = 0;
  int records = 0;
  while (reader.ReadRecord()) {
    ASSERT_EQ("r" + std::to_string(records), reader.m_fields[0]);
    ASSERT_EQ("value " + std::to_string(records), reader.m_fields[1]);
    ASSERT_EQ("x", reader.m_fields[2]);
    bytes += reader.m_recordBytes;
    ++records;
  }
  EXPECT_EQ(40000, records);
  EXPECT_EQ(text.size(), bytes);
}

struct CutCase {
  const char* name;
  std::string value;
  std::string kept;
};

void PrintTo(const CutCase& c, std::ostream* os) { *os << c.name; }

class CutValues : public ::testing::TestWithParam<CutCase> {};

TEST_P(CutValues, KeepWholeUtf8Characters) {
  const CutCase& c = GetParam();
  const ReadResult result = ReadAll(c.value + ",x,y\n");
  ASSERT_EQ(1u, result.records.size());
  EXPECT_EQ("[" + c.kept + "][x][y]", result.records[0]);
}

const std::string k16(16, 'a');

INSTANTIATE_TEST_SUITE_P(
    Reader, CutValues,
    ::testing::Values(CutCase{"TwoBytesStraddle", k16 + "abc\xC3\xABxyz", k16 + "abc"},
                      CutCase{"TwoBytesFit", k16 + "ab\xC3\xABxyz", k16 + "ab\xC3\xAB"},
                      CutCase{"ThreeBytesStraddle", k16 + "ab\xE2\x82\xACz", k16 + "ab"},
                      CutCase{"FourBytesStraddle", k16 + "a\xF0\x9F\x98\x80z", k16 + "a"},
                      CutCase{"FourBytesFit", k16 + "\xF0\x9F\x98\x80z", k16 + "\xF0\x9F\x98\x80"},
                      // Latin-1 keeps the cut at 20.
                      CutCase{"Latin1", k16 + "abc\xE9xyz", k16 + "abc\xE9"},
                      CutCase{"IncompleteSequence", k16 + "abc\xE2\x82", k16 + "abc\xE2"},
                      CutCase{"NotALeadByte", k16 + "abc\xC1\xABx", k16 + "abc\xC1"},
                      CutCase{"ContinuationBytesOnly", std::string(25, '\x80'),
                              std::string(20, '\x80')}),
    [](const ::testing::TestParamInfo<CutCase>& info) { return std::string(info.param.name); });

TEST(DelimitedFile, RefusesWhatItCannotRead) {
  TempDir dir;
  DelimitedFile reader;
  reader.m_path = dir / "missing.csv";
  EXPECT_FALSE(reader.Open());
  reader.m_path = dir.path();
  EXPECT_FALSE(reader.Open());
  EXPECT_FALSE(reader.Prepare());
  EXPECT_FALSE(reader.ReadRecord());
  reader.Close();
  reader.Close();
}

TEST(DelimitedFile, LengthInSixtyFourBits) {
  TempDir dir;
  const std::string path = dir.Write("big.csv", "a,b,c\n");
  const uint64_t length = 5ULL << 30;
  ASSERT_EQ(0, ::truncate(path.c_str(), static_cast<off_t>(length)));
  DelimitedFile reader;
  reader.m_path = path;
  ASSERT_TRUE(reader.Open());
  EXPECT_EQ(length, reader.m_fileLength);
}

}  // namespace
