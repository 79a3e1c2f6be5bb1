#include "common/recordreader.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>
#include <vector>

#include "tests/support/testfiles.h"

using namespace kelvarin;
using kelvarin::test::TempDir;
using kelvarin::test::WriteFile;

namespace {

struct Read {
  std::vector<std::string> records;
  std::vector<uint64_t> offsets;
};

Read ReadAll(const std::string& bytes) {
  TempDir dir;
  WriteFile(dir / "data", bytes);
  RecordReader reader;
  EXPECT_TRUE(reader.Open(dir / "data"));
  Read read;
  std::string_view record;
  while (reader.Next(&record)) {
    read.records.emplace_back(record);
    read.offsets.push_back(reader.recordOffset());
  }
  EXPECT_FALSE(reader.failed());
  return read;
}

struct LineEndCase {
  const char* name;
  std::string bytes;
  std::vector<std::string> records;
};

}  // namespace

TEST(RecordReader, LineEnds) {
  const LineEndCase cases[] = {
      {"LF", "abc\ndef\n", {"abc", "def"}},
      {"CR LF", "abc\r\ndef\r\n", {"abc", "def"}},
      {"lone CR splits", "ab\rcd\n", {"ab", "cd"}},
      {"CR CR LF", "ab\r\r\n", {"ab", ""}},
      {"empty line in the middle", "abc\n\ndef\n", {"abc", "", "def"}},
      {"last line without line end", "abc\ndef", {"abc", "def"}},
      {"only a line end", "\n", {""}},
      {"empty file", "", {}},
      {"bytes above 127 and NUL kept", std::string("a\xff\0b\n", 5), {std::string("a\xff\0b", 4)}},
      {"LF CR: two ends", "a\n\rb\n", {"a", "", "b"}},
  };
  for (const auto& c : cases) EXPECT_EQ(c.records, ReadAll(c.bytes).records) << c.name;
}

TEST(RecordReader, LfAndCrLfFilesGiveTheSameRecords) {
  std::string lf, crlf;
  for (int i = 0; i < 50000; ++i) {
    const std::string line = std::to_string(i * 7919) + std::string(i % 37, 'x');
    lf += line + "\n";
    crlf += line + "\r\n";
  }
  EXPECT_EQ(ReadAll(lf).records, ReadAll(crlf).records);
}

TEST(RecordReader, OffsetsAreRecordStarts) {
  const Read read = ReadAll("ab\r\ncde\nf\rg");
  EXPECT_EQ((std::vector<uint64_t>{0, 4, 8, 10}), read.offsets);
}

TEST(RecordReader, LongLinesStayWholeAcrossBufferBoundaries) {
  // Lines longer than the read buffer, and a CR LF split across a refill.
  const std::string huge(3 * (1 << 20) + 17, 'L');
  const std::string nearBoundary((1 << 20) - 1, 'n');  // its CR ends a buffer
  const std::string bytes = "head\n" + huge + "\n" + nearBoundary.substr(5) + "\r\ntail";
  const Read read = ReadAll(bytes);
  ASSERT_EQ(4u, read.records.size());
  EXPECT_EQ("head", read.records[0]);
  EXPECT_EQ(huge, read.records[1]);
  EXPECT_EQ(nearBoundary.substr(5), read.records[2]);
  EXPECT_EQ("tail", read.records[3]);
  EXPECT_EQ(5u + huge.size() + 1, read.offsets[2]);
}

TEST(RecordReader, CrLfSplitByEveryBufferPosition) {
  // Around the refill boundary every position of a CR LF pair must give
  // exactly one line end.
  for (size_t before : {(1u << 20) - 2, (1u << 20) - 1, (1u << 20) + 0u}) {
    const std::string first(before, 'a');
    const Read read = ReadAll(first + "\r\nb\r\n");
    ASSERT_EQ(2u, read.records.size()) << before;
    EXPECT_EQ("b", read.records[1]);
  }
}

TEST(RecordReader, ReadAtDoesNotDisturbTheSequence) {
  TempDir dir;
  WriteFile(dir / "data", "one\ntwo\nthree\n");
  RecordReader reader;
  ASSERT_TRUE(reader.Open(dir / "data"));
  std::string_view record;
  ASSERT_TRUE(reader.Next(&record));
  std::string bytes;
  ASSERT_TRUE(reader.ReadAt(8, 5, &bytes));
  EXPECT_EQ("three", bytes);
  ASSERT_TRUE(reader.Next(&record));
  EXPECT_EQ("two", record);
  ASSERT_TRUE(reader.ReadAt(12, 10, &bytes));
  EXPECT_EQ("e\n", bytes);  // short at the end of the file
}

TEST(RecordReader, RefusesWhatIsNotARegularFileWithoutWaiting) {
  TempDir dir;
  ASSERT_EQ(0, ::mkfifo((dir / "fifo").c_str(), 0600));  // no writer: an open would wait
  for (const std::string& path : {dir.path(), dir / "fifo", std::string("/dev/zero")}) {
    RecordReader reader;
    EXPECT_FALSE(reader.Open(path)) << path;
    EXPECT_EQ(OpenForReading::kNotRegular, reader.openResult()) << path;
  }
  RecordReader reader;
  EXPECT_FALSE(reader.Open(dir / "missing"));
  EXPECT_EQ(OpenForReading::kCannotOpen, reader.openResult());
}
