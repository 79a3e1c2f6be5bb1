// The file transfer: the output bytes of whole transfers, the refusals before
// start, a write error, Cancel, progress, the result text and the preview.
#include "tools/transfer/transferengine.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <ostream>
#include <string>
#include <vector>

#include "tests/support/testfiles.h"
#include "tools/transfer/transferpreview.h"

using namespace kelvarin;
using namespace kelvarin::test;

namespace {

struct Transfer {
  TempDir dir;
  std::string input = dir / "in.csv";
  std::string output = dir / "out.prn";
  TransferEngine engine;

  // Starts a transfer of `bytes` and steps it to its end.
  TransferState Run(const std::string& bytes, bool names, const std::vector<int>& columns) {
    WriteFile(input, bytes);
    if (!engine.Start(input, output, names, columns)) return engine.state();
    while (engine.running()) engine.Step(kTransferBatch);
    return engine.state();
  }
};

std::string Records(int count, const std::string& line) {
  std::string text;
  for (int i = 0; i < count; ++i) text += line;
  return text;
}

struct OutputCase {
  const char* name;
  std::string input;
  bool names;
  std::vector<int> columns;
  std::string output;
  long long records;
};

void PrintTo(const OutputCase& c, std::ostream* os) { *os << c.name; }

class OutputBytes : public ::testing::TestWithParam<OutputCase> {};

TEST_P(OutputBytes, AsWritten) {
  const OutputCase& c = GetParam();
  Transfer t;
  EXPECT_EQ(TransferState::kDone, t.Run(c.input, c.names, c.columns));
  EXPECT_EQ(c.output, ReadFile(t.output));
  EXPECT_EQ(c.records, t.engine.recordsWritten());
  EXPECT_EQ(100, t.engine.Progress());
}

INSTANTIATE_TEST_SUITE_P(
    Transfer, OutputBytes,
    ::testing::Values(
        // The header counts in the widths but is not written.
        OutputCase{"CommaLfHeaderQuotes",
                   "Name,Sex,Age\nAnna,2,34\n\"Bo, Jr\",1,7\n",
                   true,
                   {0, 2},
                   "    Anna   34\n  Bo, Jr    7\n",
                   2},
        OutputCase{"TabCrLfEmptyFields",
                   "1\t2\tabc\r\n22\t\t\r\n",
                   false,
                   {2, 0, 1},
                   "   1  2  abc\n  22        \n",
                   2},
        // Columns a record does not reach are blanks of their width.
        OutputCase{"BarLoneCrShortRecord",
                   "a|bb|c|\rdddd\re|f|ggg|h\r",
                   false,
                   {1, 2},
                   "  bb    c\n         \n   f  ggg\n",
                   3},
        OutputCase{"RaggedRows",
                   "a,b,c,d,e,f\ng\nh,i\n",
                   false,
                   {0, 1, 2},
                   "  a  b  c\n  g      \n  h  i   \n",
                   3},
        OutputCase{"ColumnNoRecordReaches", "a,b,x\nc,d,y\n", false, {0, 5}, "  a  \n  c  \n", 2},
        // A stray byte after a closing quote loses no record.
        OutputCase{"QuoteExit",
                   "Id,Name,Sex\n1,\"Li, Sofia\"x,2\n2,\"Bo\",1\n3,Al,2\n",
                   true,
                   {0, 1, 2},
                   "   1  Li, Sofiax    2\n   2          Bo    1\n"
                   "   3          Al    2\n",
                   3},
        OutputCase{"ByteOrderMarkIsNotData",
                   "\xEF\xBB\xBFName,Sex,Age\nAnn,1,2\n",
                   false,
                   {0},
                   "  Name\n   Ann\n",
                   2},
        OutputCase{"SemicolonNoFinalLineEndEightBit",
                   "Nom;Sexe;X\n\xe9l\xe9;2;y",
                   true,
                   {0, 1},
                   "  \xe9l\xe9     2\n",
                   1},
        OutputCase{"LineEndInsideQuotesStaysOneLine",
                   "id,note,x,z\n1,\"a\"\"b\nc\",y,w\n",
                   false,
                   {0, 1},
                   "  id   note\n   1  a'b c\n",
                   2},
        OutputCase{"HeaderOnly", "Name,Sex,Age\n", true, {0}, "", 0}),
    [](const ::testing::TestParamInfo<OutputCase>& info) { return std::string(info.param.name); });

TEST(Transfer, ResultTextOfADoneTransfer) {
  Transfer t;
  ASSERT_EQ(TransferState::kDone, t.Run("a,b,c\nd,e,f\n", false, {1}));
  EXPECT_EQ("Done!\n2 records transfered from:\n" + t.input + "\nto\n" + t.output,
            t.engine.ResultText());
}

TEST(Transfer, CutValuesAndDroppedFieldsAreCounted) {
  std::string wide = "abcdefghijklmnopqrstuvwxyz";
  for (int i = 1; i < 102; ++i) wide += ",f" + std::to_string(i);
  // Column 1 is long too, but it is not written: it is not counted.
  Transfer t;
  ASSERT_EQ(TransferState::kDone, t.Run(wide + "\nx,abcdefghijklmnopqrstuvwxyz,z\n", false, {0}));
  EXPECT_EQ("  abcdefghijklmnopqrst\n                     x\n", ReadFile(t.output));
  EXPECT_EQ(1, t.engine.valuesCut());
  EXPECT_EQ(2, t.engine.fieldsDropped());
  EXPECT_EQ("Done!\n2 records transfered from:\n" + t.input + "\nto\n" + t.output +
                "\n1 value(s) longer than 20 characters were cut, 2 field(s) beyond the 100th "
                "were dropped.",
            t.engine.ResultText());
}

struct JoinedCase {
  const char* name;
  std::string input;
  bool names;
  long long joined;
};

void PrintTo(const JoinedCase& c, std::ostream* os) { *os << c.name; }

class LineEndsInQuotes : public ::testing::TestWithParam<JoinedCase> {};

TEST_P(LineEndsInQuotes, CountedAndTold) {
  const JoinedCase& c = GetParam();
  Transfer t;
  ASSERT_EQ(TransferState::kDone, t.Run(c.input, c.names, {0}));
  EXPECT_EQ(c.joined, t.engine.lineEndsJoined());
  const std::string told =
      std::to_string(c.joined) + " line break(s) inside quotes were written as blanks.";
  const std::string text = t.engine.ResultText();
  EXPECT_EQ(c.joined > 0, text.size() > told.size() &&
                              text.compare(text.size() - told.size(), told.size(), told) == 0)
      << text;
}

// Column 0 is the only one written: the count takes every field.
INSTANTIATE_TEST_SUITE_P(
    Transfer, LineEndsInQuotes,
    ::testing::Values(
        JoinedCase{"None", "a,b,c\nd,e,f\n", false, 0},
        JoinedCase{"KeptAndNotKept", "1,\"a\nb\",\"c\r\nd\"\n2,e,\"f\rg\"\n", false, 3},
        JoinedCase{"HeaderLeftOut", "\"Na\nme\",Sex,Age\n\"x\ny\",1,2\n", true, 1},
        JoinedCase{"HeaderCountsWithoutNames", "\"Na\nme\",Sex,Age\n\"x\ny\",1,2\n", false, 2},
        JoinedCase{"InACutValue", "\"abcdefghijklmnopqrstuvwxyz\n\",b,c\n", false, 1},
        JoinedCase{"BeyondTheHundredthField",
                   "a" + Records(100, ",f") + ",\"x\ny\"\nb" + Records(100, ",g") + ",z\n", false,
                   1}),
    [](const ::testing::TestParamInfo<JoinedCase>& info) { return std::string(info.param.name); });

struct UnclosedCase {
  const char* name;
  std::string input;
  bool names;
  int line;
};

void PrintTo(const UnclosedCase& c, std::ostream* os) { *os << c.name; }

class UnclosedQuote : public ::testing::TestWithParam<UnclosedCase> {};

TEST_P(UnclosedQuote, WritesNothingAndTellsTheLine) {
  const UnclosedCase& c = GetParam();
  Transfer t;
  const std::string existing = t.dir.Write("old.prn", "keep me\n");
  for (const std::string& output : {t.output, existing}) {
    WriteFile(t.input, c.input);
    ASSERT_TRUE(t.engine.Start(t.input, output, c.names, {0, 1}));
    while (t.engine.running()) t.engine.Step(kTransferBatch);
    EXPECT_EQ(TransferState::kFailed, t.engine.state());
    EXPECT_EQ(static_cast<uint64_t>(c.line), t.engine.unclosedQuoteLine());
    EXPECT_EQ(
        "The file ends inside a quoted field that opens on line " + std::to_string(c.line) + ".",
        t.engine.ResultText());
    EXPECT_EQ(0, t.engine.recordsWritten());
  }
  EXPECT_FALSE(Exists(t.output));
  EXPECT_EQ("keep me\n", ReadFile(existing));
}

INSTANTIATE_TEST_SUITE_P(
    Transfer, UnclosedQuote,
    ::testing::Values(
        UnclosedCase{"StrayQuoteInRowFive",
                     Records(4, "a,b,c\n") + "\"d,e\n" + Records(3, "f,g,h\n"), false, 5},
        UnclosedCase{"CrLfCountsOnce", "n,m,o\r\na,b,c\r\nd,e,\"f\r\ng,h\r\n", true, 3},
        UnclosedCase{"LoneCrLines", "a,b,c\rd,e,f\rg,h,i\r\"j,k\r", false, 4},
        UnclosedCase{"AfterAClosedMultiLineField", "a,b,\"c\nd\"\ne,f,g\n\"h\ni,j\n", false, 4},
        UnclosedCase{"DoubledQuoteAtTheEnd", "a,b\nc,\"d\"\"", false, 2},
        UnclosedCase{"LastLineEndInside", "a,b\nc,\"d\n", false, 2}),
    [](const ::testing::TestParamInfo<UnclosedCase>& info) {
      return std::string(info.param.name);
    });

TEST(Transfer, ReadsOnlyWhatTheInputHeldAtStart) {
  Transfer t;
  WriteFile(t.input, Records(1500, "a,b,c\n"));
  ASSERT_TRUE(t.engine.Start(t.input, t.output, false, {0}));
  // Another program goes on appending to the input meanwhile.
  std::ofstream appender(t.input, std::ios::binary | std::ios::app);
  for (int step = 0; step < 100 && t.engine.running(); ++step) {
    appender << Records(1000, "d,e,f\n") << std::flush;
    t.engine.Step(kTransferBatch);
  }
  EXPECT_EQ(TransferState::kDone, t.engine.state());
  EXPECT_EQ(1500, t.engine.recordsWritten());
  EXPECT_EQ(Records(1500, "  a\n"), ReadFile(t.output));
}

// The input is the file opened at Start, and both passes read it up to the
// length it had then. Cut short, or rewritten in place so that the writing
// pass reads other bytes than were measured, it stops the transfer and leaves
// no output; bytes appended to it, or a file renamed over its name, do not.
TEST(Transfer, InputChangedWhileItRuns) {
  const std::string input = Records(200, "1,\"a\nb\",c\n");
  const std::string whole = Records(200, "  1  a b\n");
  const std::string stopped = "<missing>";
  const std::string other = Records(200, "2,\"a\nb\",c\n");  // as long as the input
  enum How { kInPlace, kAppended, kRenamedOver };
  const TransferState measuring = TransferState::kMeasuring, writing = TransferState::kWriting;
  const struct {
    const char* name;
    TransferState pass;  // the pass during which the input changes
    int recordsBefore;   // records that pass reads first
    How how;
    std::vector<std::string> writes;  // one after the other, a record apart
    std::string output;
  } cases[] = {{"CutWhileMeasuring", measuring, 20, kInPlace, {input.substr(0, 500)}, stopped},
               {"CutInsideQuotes", measuring, 20, kInPlace, {input.substr(0, 504)}, stopped},
               {"CutBetweenThePasses", writing, 0, kInPlace, {input.substr(0, 1500)}, stopped},
               {"CutWhileWriting", writing, 30, kInPlace, {input.substr(0, 1000)}, stopped},
               {"RenamedOver", writing, 30, kRenamedOver, {input.substr(0, 100)}, whole},
               // Bytes the measuring pass has read are other ones when the writing pass reads them.
               {"RewrittenWhileMeasuring", measuring, 20, kInPlace, {other}, stopped},
               {"RewrittenBetweenThePasses", writing, 0, kInPlace, {other}, stopped},
               {"RewrittenWhileWriting", writing, 30, kInPlace, {other}, stopped},
               // Emptied and filled again, as a copy does, longer, and never found short.
               {"ShorterThenLonger",
                writing,
                30,
                kInPlace,
                {other.substr(0, 1000), other + "3,d\n"},
                stopped},
               // Only bytes the measuring pass had not reached changed: both passes
               // read the new file, which is written as it now stands.
               {"RewrittenAheadOfMeasuring",
                measuring,
                20,
                kInPlace,
                {input.substr(0, 1500) + Records(50, "1234567,c\n")},
                Records(150, "        1  a b\n") + Records(50, "  1234567    c\n")},
               {"AppendedWhileMeasuring", measuring, 20, kAppended, {"3,d,e\n"}, whole},
               {"AppendedWhileWriting", writing, 30, kAppended, {"3,d,e\n"}, whole}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Transfer t;
    WriteFile(t.input, input);
    WriteFile(t.output, "keep me\n");
    TransferEngine engine(16);  // a small buffer, so that each change is met
    ASSERT_TRUE(engine.Start(t.input, t.output, false, {0, 1}));
    for (int read = 0; engine.running(); engine.Step(1)) {
      if (engine.state() != c.pass) continue;
      const int write = read++ - c.recordsBefore;
      if (write < 0 || write >= static_cast<int>(c.writes.size())) continue;
      const std::string& bytes = c.writes[write];
      if (c.how == kAppended) {
        std::ofstream(t.input, std::ios::binary | std::ios::app) << bytes;
      } else if (c.how == kRenamedOver) {
        WriteFile(t.dir / "new.csv", bytes);
        ASSERT_EQ(0, std::rename((t.dir / "new.csv").c_str(), t.input.c_str()));
      } else {
        WriteFile(t.input, bytes);
      }
    }
    const bool changed = c.output == stopped;
    EXPECT_EQ(changed ? TransferState::kFailed : TransferState::kDone, engine.state());
    EXPECT_EQ(c.output, ReadFile(t.output));
    EXPECT_EQ(changed, engine.inputChanged());
    EXPECT_EQ(changed, engine.ResultText() ==
                           "The input file changed during the transfer: nothing was written.");
  }
}

TEST(Transfer, CountsPastTwoToThe31) {
  // Each field dropped and each line end inside quotes counts 3 * 2^30; two
  // of each, in one record or in two, take the counts past 2^32.
  const long long step = 3LL << 30;
  for (const std::string& input : {"\"a\n\nb\"" + Records(101, ",f") + "\n",
                                   Records(2, "\"a\nb\"" + Records(100, ",f") + "\n")}) {
    Transfer t;
    WriteFile(t.input, input);
    TransferEngine engine(DelimitedFile::kDefaultBufferSize, step);
    ASSERT_TRUE(engine.Start(t.input, t.output, false, {0}));
    while (engine.running()) engine.Step(kTransferBatch);
    EXPECT_EQ(2 * step, engine.fieldsDropped());
    EXPECT_EQ(2 * step, engine.lineEndsJoined());
    const std::string text = engine.ResultText();
    EXPECT_NE(std::string::npos, text.find(std::to_string(2 * step) + " field(s)")) << text;
    EXPECT_NE(std::string::npos, text.find(std::to_string(2 * step) + " line break(s)"));
  }
}

TEST(Transfer, WidthsMeasuredOverEveryRecord) {
  const std::string input =
      Records(1800, "1,2,3\n") + "1234567890,2,3\n" + Records(200, "\"1\",2,3\r\n");
  Transfer t;
  ASSERT_EQ(TransferState::kDone, t.Run(input, false, {0, 2}));
  const std::string expected =
      Records(1800, "           1  3\n") + "  1234567890  3\n" + Records(200, "           1  3\n");
  EXPECT_EQ(expected, ReadFile(t.output));
  EXPECT_EQ(0, t.engine.valuesCut());
  EXPECT_EQ(12, t.engine.outputWidths()[0]);
}

TEST(Transfer, WriteErrorStopsAndRemovesTheOutput) {
  Transfer t;
  WriteFile(t.input, Records(30000, "record,\"some value\",123456789\n"));
  FileSizeLimit limit(100 * 1024);
  ASSERT_TRUE(t.engine.Start(t.input, t.output, false, {0, 1, 2}));
  while (t.engine.running()) t.engine.Step(kTransferBatch);
  EXPECT_EQ(TransferState::kFailed, t.engine.state());
  EXPECT_LT(t.engine.recordsWritten(), 30000);
  EXPECT_FALSE(Exists(t.output));
  EXPECT_EQ("Cannot write the output file!\n" + t.output +
                "\nFile too large\nThe transfer was stopped and the output file removed.",
            t.engine.ResultText());
}

TEST(Transfer, CancelKeepsWhatWasWritten) {
  Transfer t;
  std::string input;
  for (int i = 0; i < 5000; ++i) input += std::to_string(i) + ",x,y\n";
  WriteFile(t.input, input);
  ASSERT_TRUE(t.engine.Start(t.input, t.output, false, {0}));
  while (t.engine.state() == TransferState::kMeasuring) t.engine.Step(kTransferBatch);
  EXPECT_EQ(50, t.engine.Progress());
  t.engine.Step(kTransferBatch);
  t.engine.Cancel();
  EXPECT_EQ(TransferState::kCancelled, t.engine.state());
  std::string expected;
  for (int i = 0; i < kTransferBatch; ++i)
    expected += std::string(6 - std::to_string(i).size(), ' ') + std::to_string(i) + "\n";
  EXPECT_EQ(expected, ReadFile(t.output));
  EXPECT_EQ("", t.engine.ResultText());
}

TEST(Transfer, CancelWhileMeasuringLeavesAnEmptyOutput) {
  Transfer t;
  WriteFile(t.input, Records(3000, "a,b,c\n"));
  ASSERT_TRUE(t.engine.Start(t.input, t.output, false, {0}));
  t.engine.Step(kTransferBatch);
  t.engine.Cancel();
  EXPECT_EQ(TransferState::kCancelled, t.engine.state());
  EXPECT_EQ("", ReadFile(t.output));
}

TEST(Transfer, ProgressRisesToHundred) {
  Transfer t;
  WriteFile(t.input, Records(4500, "a,b,c\r\n"));
  ASSERT_TRUE(t.engine.Start(t.input, t.output, false, {0}));
  EXPECT_EQ(0, t.engine.Progress());
  EXPECT_EQ(2u * 4500 * 7, t.engine.progressTotal());
  int last = 0;
  while (t.engine.running()) {
    t.engine.Step(kTransferBatch);
    EXPECT_GE(t.engine.Progress(), last);
    last = t.engine.Progress();
  }
  EXPECT_EQ(100, last);
}

TEST(Transfer, ProgressPercentInSixtyFourBits) {
  const uint64_t gib = 1ULL << 30;
  EXPECT_EQ(100, ProgressPercent(0, 0));  // an empty file
  EXPECT_EQ(0, ProgressPercent(0, 10));
  EXPECT_EQ(99, ProgressPercent(999, 1000));
  EXPECT_EQ(100, ProgressPercent(12, 10));
  EXPECT_EQ(50, ProgressPercent(6 * gib, 12 * gib));
  EXPECT_EQ(33, ProgressPercent(UINT64_MAX / 3, UINT64_MAX));
}

TEST(Transfer, RefusedBeforeAnythingIsWritten) {
  TempDir dir;
  const std::string input = dir.Write("in.csv", "a,b,c\n");
  const std::string noDelimiter = dir.Write("plain.txt", "abc\n");
  const std::string existing = dir.Write("old.prn", "keep me\n");
  ASSERT_EQ(0, ::symlink(input.c_str(), (dir / "link.csv").c_str()));
  ::mkdir((dir / "folder").c_str(), 0755);
  ASSERT_EQ(0, ::mkfifo((dir / "pipe.csv").c_str(), 0600));
  // Held open at both ends, so that even an open that waits for a writer returns.
  const int held = ::open((dir / "pipe.csv").c_str(), O_RDWR | O_NONBLOCK);
  ASSERT_GE(held, 0);
  struct Case {
    std::string input, output;
    std::vector<int> columns;
    std::string message;
  };
  const Case cases[] = {
      {input, dir / "new.prn", {}, ""},
      {input, dir.path() + "/./in.csv", {0}, "Output and input file names are identical!"},
      {input, dir / "link.csv", {0}, "Output and input file names are identical!"},
      {dir / "missing.csv", dir / "new.prn", {0}, "Cannot open input file!"},
      {noDelimiter, existing, {0}, "Cannot find a field delimiter!"},
      {input, dir / "no/such/folder/new.prn", {0}, "Output file is not accessible!"},
      {dir / "pipe.csv", dir / "new.prn", {0}, "Cannot open input file!"},
      {input, dir / "folder", {0}, "Output file is not accessible!"},
      {input, dir / "pipe.csv", {0}, "Output file is not accessible!"},
      {input, "/dev/null", {0}, "Output file is not accessible!"},
  };
  for (const Case& c : cases) {
    TransferEngine engine;
    EXPECT_FALSE(engine.Start(c.input, c.output, false, c.columns)) << c.output;
    EXPECT_EQ(c.message, engine.message());
    EXPECT_FALSE(engine.running());
  }
  ::close(held);
  EXPECT_FALSE(Exists(dir / "new.prn"));
  EXPECT_EQ("a,b,c\n", ReadFile(input));
  EXPECT_EQ("keep me\n", ReadFile(existing));
}

TEST(TransferPreview, ColumnsNamedByTheHeaderAndPreTicked) {
  TempDir dir;
  const std::string input = dir.Write(
      "in.csv", "Patient,SexCode,Age,Topo,sEx,DateOfhisto\n" + Records(1600, "1,2,3,4,5,6,7\n"));
  TransferPreview preview;
  ASSERT_TRUE(LoadTransferPreview(input, true, &preview));
  const std::vector<std::string> names = {"Patient", "SexCode",     "Age", "Topo",
                                          "sEx",     "DateOfhisto", "."};
  EXPECT_EQ(names, preview.columnNames);
  EXPECT_EQ(std::vector<bool>({false, true, true, true, false, true, false}), preview.preTicked);
  ASSERT_EQ(static_cast<size_t>(kPreviewRows), preview.rows.size());
  EXPECT_EQ(std::vector<std::string>({"1", "2", "3", "4", "5", "6", "7"}), preview.rows[0]);
  EXPECT_EQ("Preview (1500 first records) of: " + input, PreviewCaption(input));
}

TEST(TransferPreview, ColumnsNumberedWithoutNames) {
  TempDir dir;
  const std::string input = dir.Write("in.txt", "a;b;c;d\r\ne;f\r\n");
  TransferPreview preview;
  ASSERT_TRUE(LoadTransferPreview(input, false, &preview));
  EXPECT_EQ(std::vector<std::string>({"Col001", "Col002", "Col003", "Col004"}),
            preview.columnNames);
  ASSERT_EQ(2u, preview.rows.size());
  EXPECT_EQ(std::vector<std::string>({"e", "f"}), preview.rows[1]);
}

TEST(TransferPreview, FailureMessages) {
  TempDir dir;
  TransferPreview preview;
  EXPECT_FALSE(LoadTransferPreview(dir / "missing.csv", false, &preview));
  EXPECT_EQ("Cannot open input file!", preview.message);
  EXPECT_FALSE(LoadTransferPreview(dir.Write("plain.txt", "one\ntwo\n"), false, &preview));
  EXPECT_EQ("Cannot find a field delimiter!", preview.message);
}

TEST(TransferPreview, Utf8OrLatin1) {
  const struct {
    std::string value;
    bool utf8;
  } cases[] = {
      {"Bront\xC3\xAB", true},     {"plain", true}, {"\xE2\x82\xAC \xF0\x9F\x98\x80", true},
      {"Bront\xEB", false},        {"\xC3", false}, {"\xC0\xAF", false},  // overlong
      {"\xED\xA0\x80", false},                                            // a surrogate
      {"\xF4\x90\x80\x80", false},                                        // beyond U+10FFFF
      {"\xC3\xAB\xAB", false},
  };
  for (const auto& c : cases) EXPECT_EQ(c.utf8, IsValidUtf8(c.value)) << c.value;
}

}  // namespace
