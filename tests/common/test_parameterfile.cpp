#include "common/parameterfile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "tests/support/testfiles.h"

using namespace kelvarin;
using kelvarin::test::ReadFile;
using kelvarin::test::TempDir;
using kelvarin::test::WriteFile;

TEST(ParameterRows, CheckRowRoundTrip) {
  CheckRow row;
  row.regNoStart = 1;
  row.regNoEnd = 8;
  row.sexStart = row.sexEnd = 9;
  row.topographyStart = 10;
  row.topographyEnd = 13;
  row.birthDateFormat = 1;
  row.incidenceDateStart = 30;
  row.incidenceDateEnd = 37;
  row.incidenceDateFormat = 0;
  row.microscopicCodes[0] = 'a';
  row.microscopicCodes[3] = '#';
  row.maleCode = 'M';
  row.femaleCode = 'F';
  row.recordLength = 120;
  row.fileSize = 5000000000ULL;  // beyond 32 bits
  row.optionB = 1;               // one record per error
  row.ageUnknownCode = "UNK";
  const std::string text = FormatRow(row);
  EXPECT_EQ(
      "1 8 9 9 10 13 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 1 30 37 0 a 6 7 # M F 120 5000000000 1 "
      "UNK\n",
      text);
  CheckRow back;
  std::string error;
  ASSERT_TRUE(ParseRow(text, &back, &error)) << error;
  EXPECT_EQ(text, FormatRow(back));
}

TEST(ParameterRows, EmptyAgeUnknownCodeEndsTheRowWithABlank) {
  CheckRow row;
  row.ageUnknownCode.clear();
  const std::string text = FormatRow(row);
  ASSERT_GE(text.size(), 2u);
  EXPECT_EQ(" \n", text.substr(text.size() - 2));
  CheckRow back;
  std::string error;
  ASSERT_TRUE(ParseRow(text.substr(0, text.size() - 1), &back, &error)) << error;
  EXPECT_EQ("", back.ageUnknownCode);
  EXPECT_EQ(text, FormatRow(back));
}

TEST(ParameterRows, MultiplePrimaryAndConversionRowsRoundTrip) {
  MultiplePrimaryRow mp;
  mp.regNoStart = 1;
  mp.regNoEnd = 10;
  mp.seqNoStart = 11;
  mp.seqNoEnd = 12;
  mp.includeBrain = 1;
  mp.duplicatesToFile = 0;
  mp.recordLength = 80;
  mp.fileSize = 8200;
  const std::string mpText = FormatRow(mp);
  EXPECT_EQ("1 10 11 12 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 1 2 1 1 0 80 8200\n", mpText);
  MultiplePrimaryRow mpBack;
  std::string error;
  ASSERT_TRUE(ParseRow(mpText, &mpBack, &error)) << error;
  EXPECT_EQ(mpText, FormatRow(mpBack));

  ConversionRow cv;
  cv.topographyStart = 5;
  cv.topographyEnd = 8;
  cv.maleCode = 'm';
  cv.recordLength = 40;
  cv.optionA = 1;
  cv.optionB = 1;
  const std::string cvText = FormatRow(cv);
  EXPECT_EQ("-1 -1 -1 -1 5 8 -1 -1 -1 -1 -1 -1 m 2 40 0 1 1\n", cvText);
  ConversionRow cvBack;
  ASSERT_TRUE(ParseRow(cvText, &cvBack, &error)) << error;
  EXPECT_EQ(cvText, FormatRow(cvBack));
}

TEST(ParameterRows, ShortOrBrokenRowsAreRefused) {
  struct Case {
    std::string line;
    int fieldsNeeded;
    bool ok;
    const char* errorPart;
  };
  const std::string full = "1 2 3 4 5 6 7 8 9 10 11 12 m f 80 1000 1 0";
  const Case cases[] = {
      {full, 0, true, ""},
      {"1 2 3 4 5 6 7 8 9 10 11 12 m f 80 1000", 0, false, "field 17 (optionA) is missing"},
      {"1 2 3 4 5 6 7 8 9 10 11 12 m f 80 1000", 16, true, ""},
      {"1 2 3 4 5 6 7 8 9 10 11 12 m f 80", 16, false, "field 16 (fileSize) is missing"},
      {"1 2 x 4", 0, false, "field 3 (sexStart) is not a number"},
      {"1 2 3 4 5 6 7 8 9 10 11 12", 0, false, "field 13 (maleCode) is missing"},
      {"", 0, false, "field 1 (regNoStart) is missing"},
      {"1 2 3 4 5 6 7 8 9 10 11 99999999999 m f 80 1000 1 0", 0, false, "out of range"},
  };
  for (const auto& c : cases) {
    ConversionRow row;
    std::string error;
    EXPECT_EQ(c.ok, ParseRow(c.line, &row, &error, c.fieldsNeeded)) << c.line;
    if (!c.ok) {
      EXPECT_NE(std::string::npos, error.find(c.errorPart)) << error;
    }
  }
  CheckRow check;
  std::string error;
  EXPECT_FALSE(
      ParseRow("1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22 a b c d e f 80 100",
               &check, &error));
  EXPECT_NE(std::string::npos, error.find("oneRecordPerError")) << error;
}

TEST(ParameterFile, ReadsWholeLinesOfAnyLengthAndStripsOnlyTheLineEnd) {
  TempDir dir;
  const std::string longPath = "/data/" + std::string(600, 'p') + " with blanks .txt";
  struct Case {
    std::string bytes;
    ParameterFileStatus status;
  };
  const Case cases[] = {
      {longPath + "\nout\nrow 1 2\n", ParameterFileStatus::kOk},
      {longPath + "\r\nout\r\nrow 1 2\r\n", ParameterFileStatus::kOk},
      {longPath + "\nout\nrow 1 2", ParameterFileStatus::kOk},
      {longPath + "\nout\n", ParameterFileStatus::kIncomplete},
      {longPath + "\n", ParameterFileStatus::kIncomplete},
      {"", ParameterFileStatus::kIncomplete},
  };
  for (const auto& c : cases) {
    WriteFile(dir / "parameter.dat", c.bytes);
    ParameterFileLines lines;
    ASSERT_EQ(c.status, ReadParameterFile(dir / "parameter.dat", &lines)) << c.bytes.size();
    if (c.status != ParameterFileStatus::kOk) continue;
    EXPECT_EQ(longPath, lines.inputPath);
    EXPECT_EQ("out", lines.outputPath);
    EXPECT_EQ("row 1 2", lines.row);
  }
  ParameterFileLines lines;
  EXPECT_EQ(ParameterFileStatus::kCannotOpen, ReadParameterFile(dir / "missing", &lines));
}

TEST(ParameterFile, WriterAndReaderAgree) {
  TempDir dir;
  CheckRow row;
  row.ageUnknownCode.clear();
  const std::string text = FormatRow(row);
  ASSERT_TRUE(WriteParameterFile(dir / "parameter.dat", "/in put.txt", "/out.txt", text));
  EXPECT_EQ("/in put.txt\n/out.txt\n" + text, ReadFile(dir / "parameter.dat"));
  ParameterFileLines lines;
  ASSERT_EQ(ParameterFileStatus::kOk, ReadParameterFile(dir / "parameter.dat", &lines));
  CheckRow back;
  std::string error;
  ASSERT_TRUE(ParseRow(lines.row, &back, &error)) << error;
  EXPECT_EQ(text, FormatRow(back));

  ASSERT_TRUE(WriteParameterFile(dir / "two.dat", "a", "b", ""));
  EXPECT_EQ("a\nb\n", ReadFile(dir / "two.dat"));
  EXPECT_FALSE(WriteParameterFile(dir / "no/such/folder/parameter.dat", "a", "b", text));
  kelvarin::test::FileSizeLimit limit(10);
  EXPECT_FALSE(WriteParameterFile(dir / "full.dat", "/a/long/input/path", "b", text));
}

TEST(ParameterFile, RefusesWhatIsNotARegularFileWithoutWaitingOnIt) {
  TempDir dir;
  ::mkdir((dir / "folder").c_str(), 0700);
  ASSERT_EQ(0, ::mkfifo((dir / "fifo").c_str(), 0600));  // no writer: an open would wait
  ASSERT_EQ(0, ::symlink("/dev/zero", (dir / "zero").c_str()));
  for (const std::string& path :
       {dir / "folder", dir / "fifo", dir / "zero", std::string("/dev/null")}) {
    ParameterFileLines lines;
    EXPECT_EQ(ParameterFileStatus::kCannotOpen, ReadParameterFile(path, &lines)) << path;
  }
}

TEST(ParameterFile, WriterRefusesWhatAToolCouldNotReadBack) {
  // A path that is no line of its own, and a parameter file that is no
  // regular file (no open waits on the pipe, which has no reader).
  TempDir dir;
  ASSERT_EQ(0, ::mkfifo((dir / "fifo").c_str(), 0600));
  const struct {
    std::string path, input, output;
  } cases[] = {
      {dir / "a.dat", "/in\nput.txt", "/out.txt"},
      {dir / "b.dat", "/input.txt\r", "/out.txt"},
      {dir / "c.dat", "/input.txt", std::string("/out\0.txt", 9)},
      {dir / "fifo", "/input.txt", "/out.txt"},
      {"/dev/null", "/input.txt", "/out.txt"},
  };
  for (const auto& c : cases) {
    EXPECT_FALSE(WriteParameterFile(c.path, c.input, c.output, "1 2\n")) << c.path;
    if (c.path != dir / "fifo" && c.path != "/dev/null") {
      EXPECT_FALSE(kelvarin::test::Exists(c.path)) << c.path;
    }
  }
}

TEST(ParameterFile, SizeBoundAndNulInAPath) {
  TempDir dir;
  const std::string row = "1 2 3\n";
  const size_t bound = kMaxParameterFileBytes;
  struct Case {
    const char* name;
    std::string bytes;
    ParameterFileStatus status;
  };
  const Case cases[] = {
      {"lines within the bound, more after them", "in\nout\n" + row + std::string(2 * bound, 'x'),
       ParameterFileStatus::kOk},
      {"the row ends at the bound", "in\nout\n" + std::string(bound - 8, 'r') + "\n",
       ParameterFileStatus::kOk},
      {"the row runs past the bound", "in\nout\n" + std::string(bound, 'r') + "\n",
       ParameterFileStatus::kTooLarge},
      {"a path runs past the bound", std::string(bound + 10, 'p') + "\nout\n" + row,
       ParameterFileStatus::kTooLarge},
      {"NUL in the output path", "in\n" + std::string("o\0.txt", 6) + "\n" + row,
       ParameterFileStatus::kNulInPath},
      {"NUL in the input path", std::string("\0in", 3) + "\nout\n" + row,
       ParameterFileStatus::kNulInPath},
      {"NUL in the row is the row's business", "in\nout\n" + std::string("1\0002", 3) + "\n",
       ParameterFileStatus::kOk},
  };
  for (const auto& c : cases) {
    WriteFile(dir / "parameter.dat", c.bytes);
    ParameterFileLines lines;
    EXPECT_EQ(c.status, ReadParameterFile(dir / "parameter.dat", &lines)) << c.name;
  }
}

// What a tool tells on its standard output of the files of its run, read back
// among the other lines it writes: any path a parameter line can hold, and
// only whole lines.
TEST(RunFileLines, ReadBackAmongOtherOutput) {
  const FileId a{2049, 12345678901ULL};
  const FileId b{7, 8};
  const std::string output = "Qt says something\n" + RunFileLine("/data/out.txt", a) +
                             RunFileLine(" lead: blank.txt", b) + "Run file 1 2:\n" +
                             "Run file removed 2049 12345678901: /data/out.txt\n" +
                             "Run file emptied 9 9: /elsewhere\n" + kRunFinishedLine +
                             RunFileLine("/cut/short", a).substr(0, 20);
  const std::vector<RunFile> files = ParseRunFileLines(output);
  ASSERT_EQ(2u, files.size());
  EXPECT_EQ("/data/out.txt", files[0].path);
  EXPECT_EQ(a.inode, files[0].id.inode);
  EXPECT_TRUE(files[0].takenBack);
  EXPECT_EQ(TakeBack::kRemoved, files[0].result);
  EXPECT_EQ(" lead: blank.txt", files[1].path);
  EXPECT_EQ(b.device, files[1].id.device);
  EXPECT_FALSE(files[1].takenBack);
}
