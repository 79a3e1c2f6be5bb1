#include "common/layoutfile.h"
#include "tests/support/childprocess.h"
#include "tests/support/testfiles.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <random>
#include <sstream>
#include <string>
#include <vector>

using namespace kelvarin;
namespace fs = std::filesystem;

namespace {

std::vector<uint8_t> Hex(const std::string& text) {
  std::vector<uint8_t> bytes;
  std::istringstream in(text);
  std::string pair;
  while (in >> pair) bytes.push_back(static_cast<uint8_t>(std::stoul(pair, nullptr, 16)));
  return bytes;
}

// A check layout with every kind of value: -1, small columns, and values
// whose bytes tell the byte order.
RecordSettings SampleCheckLayout() {
  RecordSettings record;
  SetLayoutPairs(LayoutFile::kCheck, {1,   8,        -1, -1, 10, 14, 15, 18, 19, 19,
                                      258, 16909060, 21, 21, 22, 29, 30, 37, 38, 40},
                 record);
  record.incidenceDateFormat = 2;
  record.birthDateFormat = -2;
  record.maleCode = 'M';
  record.femaleCode = 'F';
  record.microscopicCodes = {{'5', '6', '7', '8'}};
  record.ageUnknownCode = std::string("99\0", 3);  // the three bytes as a file holds them
  return record;
}

// The same layout as its file bytes, field by field from offset 0.
const char* const kSampleCheckBytes =
    "01 00 00 00  08 00 00 00  ff ff ff ff  ff ff ff ff  0a 00 00 00  0e 00 00 00"
    " 0f 00 00 00  12 00 00 00  13 00 00 00  13 00 00 00  02 01 00 00  04 03 02 01"
    " 15 00 00 00  15 00 00 00  16 00 00 00  1d 00 00 00  1e 00 00 00  25 00 00 00"
    " 26 00 00 00  28 00 00 00"
    " 02 00 00 00  fe ff ff ff"
    " 4d 00  46 00  35 00  36 00  37 00  38 00"
    " 39 39 00 00";

const std::vector<int32_t> kSampleMultiplePrimaryPairs = {1,  10, 11, 12, 13, 13, 14,
                                                          17, 18, 21, 22, 22, 23, 30};

RecordSettings SampleMultiplePrimaryLayout() {
  RecordSettings record;
  SetLayoutPairs(LayoutFile::kMultiplePrimary, kSampleMultiplePrimaryPairs, record);
  record.incidenceDateFormat = 1;
  record.maleCode = '1';
  record.femaleCode = '2';
  return record;
}

const char* const kSampleMultiplePrimaryBytes =
    "01 00 00 00  0a 00 00 00  0b 00 00 00  0c 00 00 00  0d 00 00 00  0d 00 00 00"
    " 0e 00 00 00  11 00 00 00  12 00 00 00  15 00 00 00  16 00 00 00  16 00 00 00"
    " 17 00 00 00  1e 00 00 00"
    " 01 00 00 00"
    " 31 00  32 00";

void ExpectSameCheckLayout(const RecordSettings& want, const RecordSettings& got) {
  EXPECT_EQ(LayoutPairs(LayoutFile::kCheck, want), LayoutPairs(LayoutFile::kCheck, got));
  EXPECT_EQ(want.incidenceDateFormat, got.incidenceDateFormat);
  EXPECT_EQ(want.birthDateFormat, got.birthDateFormat);
  EXPECT_EQ(want.maleCode, got.maleCode);
  EXPECT_EQ(want.femaleCode, got.femaleCode);
  EXPECT_EQ(want.microscopicCodes, got.microscopicCodes);
  EXPECT_EQ(want.ageUnknownCode, got.ageUnknownCode);
}

class LayoutFileTest : public ::testing::Test {
 protected:
  std::string WriteBytes(const std::string& name, const std::vector<uint8_t>& bytes) {
    return m_temp.Write(name, std::string(bytes.begin(), bytes.end()));
  }
  std::vector<uint8_t> ReadBytes(const std::string& path) {
    const std::string bytes = test::ReadFile(path);
    return std::vector<uint8_t>(bytes.begin(), bytes.end());
  }

  test::TempDir m_temp;
};

}  // namespace

TEST(LayoutFileName, CutsAtTheLastDotOfTheFileName) {
  struct Case {
    const char* input;
    const char* frm;
  } cases[] = {
      {"/data/records.txt", "/data/records.frm"},
      {"/data.old/records", "/data.old/records.frm"},
      {"/home/u/.local/x/records", "/home/u/.local/x/records.frm"},
      {"/home/u/.hidden", "/home/u/.hidden.frm"},
      {"/data/records", "/data/records.frm"},
      {"records.a.b", "records.a.frm"},
      {".records", ".records.frm"},
      {"records.", "records.frm"},
      {"", ".frm"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.frm, LayoutFileName(c.input, ".frm")) << c.input;
  EXPECT_EQ("/data/cases.mpr", LayoutFileName("/data/cases.dat", ".mpr"));
}

TEST(LayoutFileCodes, CodeCharactersAreVisibleBytes) {
  for (char c : {'1', 'M', 'f', '9', '!', '~', '\xe9', '\x80', '\xff'})
    EXPECT_TRUE(IsCodeCharacter(c)) << int(c);
  for (char c : {' ', '\0', '\t', '\n', '\r', '\x1f', '\x7f'})
    EXPECT_FALSE(IsCodeCharacter(c)) << int(c);
}

TEST(LayoutFileCodec, CheckLayoutGoldenImage) {
  const std::vector<uint8_t> golden = Hex(kSampleCheckBytes);
  ASSERT_EQ(kCheckLayoutFileSize, golden.size());
  EXPECT_EQ(golden, EncodeLayout(LayoutFile::kCheck, SampleCheckLayout()));

  RecordSettings read;
  EXPECT_TRUE(DecodeLayout(LayoutFile::kCheck, golden, read));
  ExpectSameCheckLayout(SampleCheckLayout(), read);
}

TEST(LayoutFileCodec, MultiplePrimaryLayoutGoldenImage) {
  const std::vector<uint8_t> golden = Hex(kSampleMultiplePrimaryBytes);
  ASSERT_EQ(kMultiplePrimaryLayoutFileSize, golden.size());
  EXPECT_EQ(golden, EncodeLayout(LayoutFile::kMultiplePrimary, SampleMultiplePrimaryLayout()));

  RecordSettings read;
  EXPECT_TRUE(DecodeLayout(LayoutFile::kMultiplePrimary, golden, read));
  EXPECT_EQ(kSampleMultiplePrimaryPairs, LayoutPairs(LayoutFile::kMultiplePrimary, read));
  EXPECT_EQ(1, read.incidenceDateFormat);
  EXPECT_EQ('1', read.maleCode);
  EXPECT_EQ('2', read.femaleCode);
}

// The conversion pages' file: six pairs and the two codes, then the option
// words of the page's boxes, so 52, 56 or 60 bytes.
TEST(LayoutFileCodec, ConversionLayoutEndsWithThePagesOptionWords) {
  RecordSettings values;
  SetLayoutPairs(LayoutFile::kConversion, {1, 8, 9, 9, 10, 13, 14, 17, 18, 18, 19, 19}, values);
  values.basisStart = 30;  // not in this file
  values.maleCode = 'M';
  values.femaleCode = 'F';
  values.optionA = 1;
  values.optionB = 258;
  const std::string fixed =
      "01 00 00 00  08 00 00 00  09 00 00 00  09 00 00 00  0a 00 00 00  0d 00 00 00"
      " 0e 00 00 00  11 00 00 00  12 00 00 00  12 00 00 00  13 00 00 00  13 00 00 00"
      " 4d 00  46 00";
  const OptionWords replaceOnly = {&RecordSettings::optionA};
  const OptionWords both = {&RecordSettings::optionA, &RecordSettings::optionB};
  EXPECT_EQ(Hex(fixed), EncodeLayout(LayoutFile::kConversion, values));
  EXPECT_EQ(Hex(fixed + " 01 00 00 00"),
            EncodeLayout(LayoutFile::kConversion, values, replaceOnly));
  EXPECT_EQ(Hex(fixed + " 02 01 00 00"),
            EncodeLayout(LayoutFile::kConversion, values, {&RecordSettings::optionB}));
  EXPECT_EQ(Hex(fixed + " 01 00 00 00  02 01 00 00"),
            EncodeLayout(LayoutFile::kConversion, values, both));
  EXPECT_EQ(60u, LayoutFileSize(LayoutFile::kConversion, both.size()));
  EXPECT_EQ("/data/cases.dfi", LayoutFileName("/data/cases.txt", LayoutFile::kConversion));

  // A page with two boxes reads the file of a page with one: the second
  // word keeps what it had.
  RecordSettings read;
  read.optionB = 1;
  EXPECT_FALSE(DecodeLayout(LayoutFile::kConversion,
                            EncodeLayout(LayoutFile::kConversion, values, replaceOnly), read,
                            both));
  EXPECT_EQ(LayoutPairs(LayoutFile::kConversion, values),
            LayoutPairs(LayoutFile::kConversion, read));
  EXPECT_EQ(-1, read.basisStart);
  EXPECT_EQ('F', read.femaleCode);
  EXPECT_EQ(1, read.optionA);
  EXPECT_EQ(1, read.optionB);
}

TEST(LayoutFileCodec, DefaultsEncodeUndefinedColumnsAndTheDefaultCodes) {
  const std::vector<uint8_t> bytes = EncodeLayout(LayoutFile::kCheck, RecordSettings());
  ASSERT_EQ(104u, bytes.size());
  for (size_t i = 0; i < 88; ++i) EXPECT_EQ(0xff, bytes[i]) << i;
  EXPECT_EQ(Hex("31 00 32 00 35 00 36 00 37 00 37 00 39 39 39 00"),
            std::vector<uint8_t>(bytes.begin() + 88, bytes.end()));
}

TEST(LayoutFileCodec, TruncatedCheckLayoutTakesOnlyWholeFields) {
  const std::vector<uint8_t> golden = Hex(kSampleCheckBytes);
  const RecordSettings sample = SampleCheckLayout();
  const std::vector<int32_t> samplePairs = LayoutPairs(LayoutFile::kCheck, sample);
  struct Case {
    size_t size;
    int positionsTaken;
    bool incidenceFormat, birthFormat, male, female;
    int basisCodesTaken;
  } cases[] = {
      {0, 0, false, false, false, false, 0},   {3, 0, false, false, false, false, 0},
      {79, 19, false, false, false, false, 0}, {80, 20, false, false, false, false, 0},
      {86, 20, true, false, false, false, 0},  {88, 20, true, true, false, false, 0},
      {89, 20, true, true, false, false, 0},   {90, 20, true, true, true, false, 0},
      {92, 20, true, true, true, true, 0},     {97, 20, true, true, true, true, 2},
      {100, 20, true, true, true, true, 4},    {103, 20, true, true, true, true, 4},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.size);
    RecordSettings record;
    SetLayoutPairs(LayoutFile::kCheck, std::vector<int32_t>(20, 7), record);
    record.maleCode = record.femaleCode = 'z';
    record.microscopicCodes = {{'z', 'z', 'z', 'z'}};
    record.ageUnknownCode = "zzz";
    EXPECT_FALSE(DecodeLayout(
        LayoutFile::kCheck, std::vector<uint8_t>(golden.begin(), golden.begin() + c.size), record));
    const std::vector<int32_t> pairs = LayoutPairs(LayoutFile::kCheck, record);
    for (int i = 0; i < 20; ++i)
      EXPECT_EQ(i < c.positionsTaken ? samplePairs[i] : 7, pairs[i]) << i;
    EXPECT_EQ(c.incidenceFormat ? 2 : -1, record.incidenceDateFormat);
    EXPECT_EQ(c.birthFormat ? -2 : -1, record.birthDateFormat);
    EXPECT_EQ(c.male ? 'M' : 'z', record.maleCode);
    EXPECT_EQ(c.female ? 'F' : 'z', record.femaleCode);
    for (int i = 0; i < 4; ++i)
      EXPECT_EQ(i < c.basisCodesTaken ? sample.microscopicCodes[i] : 'z',
                record.microscopicCodes[i]);
    EXPECT_EQ('z', record.ageUnknownCode[0]);
  }
}

TEST(LayoutFileCodec, GarbageDecodesAndOnlyThePaddingIsLost) {
  std::mt19937 random(20260704);
  for (int round = 0; round < 50; ++round) {
    std::vector<uint8_t> garbage(kCheckLayoutFileSize);
    for (uint8_t& byte : garbage) byte = static_cast<uint8_t>(random());
    RecordSettings record;
    ASSERT_TRUE(DecodeLayout(LayoutFile::kCheck, garbage, record));
    EXPECT_EQ(3u, record.ageUnknownCode.size());
    std::vector<uint8_t> expected = garbage;
    for (size_t pad : {89, 91, 93, 95, 97, 99, 103}) expected[pad] = 0;
    EXPECT_EQ(expected, EncodeLayout(LayoutFile::kCheck, record));

    std::vector<uint8_t> shortGarbage(garbage.begin(),
                                      garbage.begin() + kMultiplePrimaryLayoutFileSize);
    RecordSettings mpr;
    ASSERT_TRUE(DecodeLayout(LayoutFile::kMultiplePrimary, shortGarbage, mpr));
    std::vector<uint8_t> expectedMpr = shortGarbage;
    expectedMpr[61] = expectedMpr[63] = 0;
    EXPECT_EQ(expectedMpr, EncodeLayout(LayoutFile::kMultiplePrimary, mpr));
  }
}

TEST_F(LayoutFileTest, RoundTripThroughFiles) {
  const std::string frm = m_temp / "records.frm";
  ASSERT_EQ(LayoutFileWrite::kWritten,
            WriteLayoutFile(frm, LayoutFile::kCheck, SampleCheckLayout()));
  EXPECT_EQ(Hex(kSampleCheckBytes), ReadBytes(frm));
  RecordSettings read;
  EXPECT_EQ(LayoutFileStatus::kComplete, ReadLayoutFile(frm, LayoutFile::kCheck, read));
  ExpectSameCheckLayout(SampleCheckLayout(), read);
  // Written again, it keeps the permissions the user gave it.
  const fs::perms given = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
  fs::permissions(frm, given);
  ASSERT_EQ(LayoutFileWrite::kWritten, WriteLayoutFile(frm, LayoutFile::kCheck, read));
  EXPECT_EQ(given, fs::status(frm).permissions());

  const std::string mpr = m_temp / "records.mpr";
  ASSERT_EQ(LayoutFileWrite::kWritten,
            WriteLayoutFile(mpr, LayoutFile::kMultiplePrimary, SampleMultiplePrimaryLayout()));
  const std::vector<uint8_t> bytes = ReadBytes(mpr);
  ASSERT_EQ(64u, bytes.size());
  EXPECT_EQ(0, bytes[61]);
  EXPECT_EQ(0, bytes[63]);
  RecordSettings readMpr;
  EXPECT_EQ(LayoutFileStatus::kComplete,
            ReadLayoutFile(mpr, LayoutFile::kMultiplePrimary, readMpr));
  EXPECT_EQ(kSampleMultiplePrimaryPairs, LayoutPairs(LayoutFile::kMultiplePrimary, readMpr));
}

TEST_F(LayoutFileTest, TruncatedAndLongerFiles) {
  const std::vector<uint8_t> golden = Hex(kSampleCheckBytes);
  RecordSettings record;
  const std::string shortFile =
      WriteBytes("short.frm", std::vector<uint8_t>(golden.begin(), golden.begin() + 90));
  EXPECT_EQ(LayoutFileStatus::kTruncated, ReadLayoutFile(shortFile, LayoutFile::kCheck, record));
  EXPECT_EQ('M', record.maleCode);
  EXPECT_EQ('2', record.femaleCode);

  // A file longer than any of its kind is not a layout file; the longest
  // .dfi is one for a page of one box too.
  std::vector<uint8_t> longer = golden;
  longer.push_back(0xee);
  RecordSettings fromLonger;
  EXPECT_EQ(LayoutFileStatus::kNotOpened,
            ReadLayoutFile(WriteBytes("long.frm", longer), LayoutFile::kCheck, fromLonger));
  ExpectSameCheckLayout(RecordSettings(), fromLonger);
  const std::vector<uint8_t> dfi(LongestLayoutFileSize(LayoutFile::kConversion), 1);
  EXPECT_EQ(LayoutFileStatus::kComplete,
            ReadLayoutFile(WriteBytes("two.dfi", dfi), LayoutFile::kConversion, fromLonger,
                           {&RecordSettings::optionA}));

  RecordSettings mpr;
  EXPECT_EQ(LayoutFileStatus::kTruncated,
            ReadLayoutFile(WriteBytes("empty.mpr", {}), LayoutFile::kMultiplePrimary, mpr));
}

TEST_F(LayoutFileTest, FilesThatDoNotOpenForReadingAndWritingCountAsAbsent) {
  RecordSettings record;
  EXPECT_EQ(LayoutFileStatus::kNotOpened,
            ReadLayoutFile(m_temp / "none.frm", LayoutFile::kCheck, record));
  fs::create_directory(m_temp / "folder.frm");
  EXPECT_EQ(LayoutFileStatus::kNotOpened,
            ReadLayoutFile(m_temp / "folder.frm", LayoutFile::kCheck, record));
  if (geteuid() != 0) {
    const std::string readOnly = WriteBytes("readonly.frm", Hex(kSampleCheckBytes));
    fs::permissions(readOnly, fs::perms::owner_read);
    EXPECT_EQ(LayoutFileStatus::kNotOpened, ReadLayoutFile(readOnly, LayoutFile::kCheck, record));
    // Nor can it be replaced; it stays as it was.
    EXPECT_EQ(LayoutFileWrite::kNotWritten,
              WriteLayoutFile(readOnly, LayoutFile::kCheck, RecordSettings()));
    EXPECT_EQ(Hex(kSampleCheckBytes), ReadBytes(readOnly));
  }
  ExpectSameCheckLayout(RecordSettings(), record);
}

TEST_F(LayoutFileTest, FileThatCannotBeCreatedIsNotWritten) {
  EXPECT_EQ(LayoutFileWrite::kNotWritten, WriteLayoutFile(m_temp / "missing/records.frm",
                                                          LayoutFile::kCheck, SampleCheckLayout()));
  EXPECT_FALSE(fs::exists(m_temp / "missing"));
}

TEST_F(LayoutFileTest, FailedWriteLeavesTheOldFileAsItWas) {
  // Files may not grow past 10 bytes: an old file stays as it was, and
  // nothing new is left behind.
  const std::string old = WriteBytes("old.frm", Hex(kSampleCheckBytes));
  for (const std::string& path : {old, m_temp / "new.frm"}) {
    SCOPED_TRACE(path);
    const std::string before = test::ReadFile(path);
    {
      test::FileSizeLimit limit(10);
      EXPECT_EQ(LayoutFileWrite::kNotWritten,
                WriteLayoutFile(path, LayoutFile::kCheck, RecordSettings()));
    }
    EXPECT_EQ(before, test::ReadFile(path));
  }
  EXPECT_EQ(1, std::distance(fs::directory_iterator(m_temp.path()), fs::directory_iterator()));
}

TEST_F(LayoutFileTest, NameAsLongAsAFileNameMayBe) {
  const std::string input = m_temp / (std::string(251, 'r') + ".dat");
  const LayoutFilePlace place = PlaceLayoutFile(LayoutFile::kCheck, input, "");
  ASSERT_EQ(LayoutFileWrite::kWritten,
            WriteLayoutFile(place, LayoutFile::kCheck, SampleCheckLayout()));
  RecordSettings read;
  EXPECT_EQ(LayoutFileStatus::kComplete, ReadLayoutFile(place, LayoutFile::kCheck, read));
  ExpectSameCheckLayout(SampleCheckLayout(), read);
  EXPECT_EQ(1, std::distance(fs::directory_iterator(m_temp.path()), fs::directory_iterator()));
}

TEST_F(LayoutFileTest, WrittenInPlaceWhereNoNewFileCanTakeItsPlace) {
  // A folder that takes no new file (0555), or a shared one where nobody may
  // rename over another's file (01777): the single name of a regular file
  // is written itself; a hard link, a link, a read-only file and a missing
  // one are not, and stay as they were. Nothing is left behind.
  enum At { kOwn, kHardLink, kLink, kReadOnly, kAbsent };
  const struct {
    At at;
    mode_t folder;
    LayoutFileWrite want;
  } cases[] = {
      {kOwn, 0555, LayoutFileWrite::kWritten},
      {kOwn, 01777, LayoutFileWrite::kWritten},
      {kHardLink, 0555, LayoutFileWrite::kNotWritten},
      {kLink, 0555, LayoutFileWrite::kNotWritten},
      {kReadOnly, 0555, LayoutFileWrite::kNotWritten},
      {kAbsent, 0555, LayoutFileWrite::kNotWritten},
  };
  if (!test::FileRightsOfNobody().Taken())
    GTEST_SKIP() << "the rights of root on files cannot be given up";
  const std::string old(kCheckLayoutFileSize, '\x07');
  const std::vector<uint8_t> written = Hex(kSampleCheckBytes);
  ASSERT_EQ(0, ::chmod(m_temp.path().c_str(), 0755));
  const std::string elsewhere = m_temp.Write("elsewhere.frm", old);
  ASSERT_EQ(0, ::chmod(elsewhere.c_str(), 0666));
  for (size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(i);
    const std::string folder = m_temp / std::to_string(i);
    const std::string name = folder + "/records.frm";
    fs::create_directory(folder);
    if (cases[i].at == kLink) fs::create_symlink(elsewhere, name);
    if (cases[i].at == kOwn || cases[i].at == kHardLink || cases[i].at == kReadOnly) {
      test::WriteFile(name, old);
      ASSERT_EQ(0, ::chmod(name.c_str(), cases[i].at == kReadOnly ? 0444 : 0666));
    }
    if (cases[i].at == kHardLink) fs::create_hard_link(name, folder + "/other");
    const auto files = std::distance(fs::directory_iterator(folder), fs::directory_iterator());
    ASSERT_EQ(0, ::chmod(folder.c_str(), cases[i].folder));
    LayoutFileWrite got;
    {
      test::FileRightsOfNobody nobody;
      got = WriteLayoutFile(name, LayoutFile::kCheck, SampleCheckLayout());
    }
    ::chmod(folder.c_str(), 0755);  // so that the folder can be removed
    EXPECT_EQ(cases[i].want, got);
    EXPECT_EQ(got == LayoutFileWrite::kWritten ? std::string(written.begin(), written.end())
              : cases[i].at == kAbsent         ? std::string("<missing>")
                                               : old,
              test::ReadFile(name));
    EXPECT_EQ(files, std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
    if (cases[i].at == kHardLink) {
      EXPECT_EQ(old, test::ReadFile(folder + "/other"));
    }
  }
  EXPECT_EQ(old, test::ReadFile(elsewhere));
}

TEST_F(LayoutFileTest, NeverOneOfTheRunsDataFilesNorAPipeNorADevice) {
  // The input named like its layout file, reached by its name, a link or a
  // hard link; an output yet to be written there; a pipe with no writer and
  // a device in its place. None is read, written or removed.
  const std::string data(120, '7');
  const std::string input = m_temp.Write("records.frm", data);
  const std::string other = m_temp.Write("other.dat", data);
  fs::create_symlink(input, m_temp / "link.frm");
  fs::create_hard_link(input, m_temp / "hard.frm");
  ASSERT_EQ(0, ::mkfifo((m_temp / "fifo.frm").c_str(), 0600));
  fs::create_symlink("/dev/zero", m_temp / "zero.frm");
  // And what cannot be a layout file: longer than any, or a folder.
  const std::string longer = m_temp.Write("long.frm", std::string(kCheckLayoutFileSize + 1, '7'));
  fs::create_directory(m_temp / "folder.frm");
  const struct {
    LayoutFilePlace place;
    const char* stays;  // the bytes found at the place after every try
  } cases[] = {
      {PlaceLayoutFile(LayoutFile::kCheck, input, m_temp / "out.dat"), data.c_str()},
      {{m_temp / "link.frm", {input}}, data.c_str()},
      {{m_temp / "hard.frm", {input}}, data.c_str()},
      {PlaceLayoutFile(LayoutFile::kCheck, other, m_temp / "other.frm"), "<missing>"},
      {PlaceLayoutFile(LayoutFile::kCheck, m_temp / "fifo.dat", ""), nullptr},
      {PlaceLayoutFile(LayoutFile::kCheck, m_temp / "zero.dat", ""), nullptr},
      {PlaceLayoutFile(LayoutFile::kCheck, m_temp / "long.dat", ""), nullptr},
      {PlaceLayoutFile(LayoutFile::kCheck, m_temp / "folder.dat", ""), nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.place.path);
    RecordSettings record;
    EXPECT_EQ(LayoutFileStatus::kNotOpened, ReadLayoutFile(c.place, LayoutFile::kCheck, record));
    ExpectSameCheckLayout(RecordSettings(), record);
    EXPECT_NE(LayoutFileWrite::kWritten,
              WriteLayoutFile(c.place, LayoutFile::kCheck, SampleCheckLayout()));
    EXPECT_FALSE(RemoveLayoutFile(c.place, LayoutFile::kCheck));
    if (c.stays != nullptr) {
      EXPECT_EQ(c.stays, test::ReadFile(c.place.path));
    }
  }
  EXPECT_TRUE(fs::is_fifo(m_temp / "fifo.frm"));
  EXPECT_TRUE(fs::is_symlink(m_temp / "zero.frm"));
  EXPECT_EQ(std::string(kCheckLayoutFileSize + 1, '7'), test::ReadFile(longer));
  EXPECT_TRUE(fs::is_directory(m_temp / "folder.frm"));
  // Beside another data file it is the layout file as ever.
  const LayoutFilePlace place = PlaceLayoutFile(LayoutFile::kCheck, other, "");
  EXPECT_EQ(m_temp / "other.frm", place.path);
  ASSERT_EQ(LayoutFileWrite::kWritten,
            WriteLayoutFile(place, LayoutFile::kCheck, SampleCheckLayout()));
  RecordSettings read;
  EXPECT_EQ(LayoutFileStatus::kComplete, ReadLayoutFile(place, LayoutFile::kCheck, read));
  EXPECT_TRUE(RemoveLayoutFile(place, LayoutFile::kCheck));
  EXPECT_FALSE(fs::exists(place.path));
}

TEST_F(LayoutFileTest, ReadErrorIsNotAShortFile) {
  // The process's own memory is a regular file whose first page is never
  // mapped: reading it fails (EIO).
  const std::string path = m_temp / "cases.dfi";
  fs::create_symlink("/proc/self/mem", path);
  RecordSettings record;
  EXPECT_EQ(LayoutFileStatus::kReadError, ReadLayoutFile(path, LayoutFile::kConversion, record));
  EXPECT_EQ(LayoutPairs(LayoutFile::kConversion, RecordSettings()),
            LayoutPairs(LayoutFile::kConversion, record));
}
