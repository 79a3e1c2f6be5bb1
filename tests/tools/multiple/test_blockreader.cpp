#include "tools/multiple/blockreader.h"

#include <gtest/gtest.h>

#include <string>

#include "common/recordreader.h"
#include "tests/support/testfiles.h"

using namespace kelvarin;
using namespace kelvarin::test;

// Every read gives the bytes at its offset, whether it comes from the
// buffered block, lies across a block boundary or comes in any order.
TEST(BlockReader, ReadsTheBytesAtAnyOffsetInAnyOrder) {
  TempDir dir;
  std::string data;
  for (int i = 0; i < 500; ++i)
    data += "record " + std::to_string(1000 + i) + "\n";  // 12 bytes each
  WriteFile(dir / "data.txt", data);
  RecordReader file;
  ASSERT_TRUE(file.Open(dir / "data.txt"));
  for (std::size_t blockSize : {16u, 100u, 8192u}) {
    BlockReader reader(file, blockSize);
    const std::uint64_t offsets[] = {0, 12, 4800, 24, 5988, 1200, 1188, 0, 96, 84};
    for (std::uint64_t offset : offsets) {
      std::string_view record;
      ASSERT_TRUE(reader.Read(offset, 11, &record)) << offset << " block " << blockSize;
      EXPECT_EQ(data.substr(offset, 11), record) << offset << " block " << blockSize;
    }
  }
}

TEST(BlockReader, FailsPastTheEndOfTheFile) {
  TempDir dir;
  WriteFile(dir / "data.txt", "abcdefghij\nklmnopqrst\n");
  RecordReader file;
  ASSERT_TRUE(file.Open(dir / "data.txt"));
  for (std::size_t blockSize : {8u, 8192u}) {
    BlockReader reader(file, blockSize);
    std::string_view record;
    EXPECT_TRUE(reader.Read(11, 10, &record));
    EXPECT_EQ("klmnopqrst", record);
    EXPECT_FALSE(reader.Read(15, 10, &record)) << blockSize;
    EXPECT_FALSE(reader.Read(40, 10, &record)) << blockSize;
    EXPECT_TRUE(reader.Read(0, 10, &record));
    EXPECT_EQ("abcdefghij", record);
  }
}
