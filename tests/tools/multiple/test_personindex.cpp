#include "tools/multiple/personindex.h"

#include <gtest/gtest.h>

#include <iterator>

#include <string>
#include <vector>

using namespace kelvarin;

namespace {

std::vector<std::string> Keys(const PersonIndex& index) {
  std::vector<std::string> keys;
  for (std::size_t i = 0; i < index.Size(); ++i) keys.emplace_back(index.Key(i));
  return keys;
}

}  // namespace

TEST(PersonIndex, GrowsPastItsEstimate) {
  PersonIndex index(6);
  index.Reserve(2);
  for (int i = 0; i < 20000; ++i) index.Add("P" + std::to_string(100000 + i).substr(1), i * 26);
  ASSERT_EQ(20000u, index.Size());
  EXPECT_EQ("P19999", index.Key(19999));
  EXPECT_EQ(19999 * 26, index.Offset(19999));
}

TEST(PersonIndex, SortsKeysDescendingAsUnsignedBytes) {
  PersonIndex index(2);
  const char* keys[] = {"A1",
                        "B2",
                        "\xe9"
                        "1",
                        "a1",
                        "A2",
                        "z9",
                        " 1"};
  for (std::size_t i = 0; i < std::size(keys); ++i)
    index.Add(keys[i], static_cast<std::int64_t>(i));
  index.Sort();
  const std::vector<std::string> expected = {
      "\xe9"
      "1",
      "z9",
      "a1",
      "B2",
      "A2",
      "A1",
      " 1"};
  EXPECT_EQ(expected, Keys(index));
}

TEST(PersonIndex, OnePersonsRecordsFollowTheFileOrder) {
  PersonIndex index(3);
  const struct {
    const char* key;
    std::int64_t offset;
  } records[] = {{"P02", 500}, {"P01", 400}, {"P02", 100}, {"P01", 50}, {"P02", 300}, {"P02", 200}};
  for (const auto& r : records) index.Add(r.key, r.offset);
  index.Sort();
  const std::int64_t expected[] = {100, 200, 300, 500, 50, 400};
  ASSERT_EQ(6u, index.Size());
  for (std::size_t i = 0; i < 6; ++i) EXPECT_EQ(expected[i], index.Offset(i)) << i;
  EXPECT_EQ(4u, index.PersonEnd(0));
  EXPECT_EQ(6u, index.PersonEnd(4));
  EXPECT_EQ(6u, index.PersonEnd(5));
}

// Keys that share their first bytes are told apart by the rest, however long.
TEST(PersonIndex, LongKeysCompareOverTheirWholeLength) {
  for (const std::string stem : {"ABCDEFGH", "ABCDEFGHIJKLMNOPQRST"}) {
    const int length = static_cast<int>(stem.size()) + 4;
    PersonIndex index(length);
    index.Add(stem + "0001", 0);
    index.Add(stem + "0003", 1);
    index.Add(stem + "0002", 2);
    index.Add(stem + "0003", 3);
    index.Sort();
    const std::vector<std::string> expected = {stem + "0003", stem + "0003", stem + "0002",
                                               stem + "0001"};
    EXPECT_EQ(expected, Keys(index)) << length;
    EXPECT_EQ(2u, index.PersonEnd(0)) << length;
    EXPECT_EQ(3u, index.PersonEnd(2)) << length;
    EXPECT_EQ(1, index.Offset(0));
    EXPECT_EQ(3, index.Offset(1));
  }
}

TEST(PersonIndex, OffsetsBeyond32BitsAndSetAsideFlags) {
  PersonIndex index(1);
  const std::int64_t big = (std::int64_t{1} << 33) + 7;
  index.Add("B", big);
  index.Add("A", 5);
  index.Sort();
  EXPECT_EQ(big, index.Offset(0));
  EXPECT_FALSE(index.IsSetAside(0));
  index.SetAside(0);
  EXPECT_TRUE(index.IsSetAside(0));
  EXPECT_FALSE(index.IsSetAside(1));
  EXPECT_EQ(big, index.Offset(0));  // the flag leaves the offset alone
}

TEST(PersonIndex, ShortKeysArePaddedWithZeroBytes) {
  PersonIndex index(4);
  index.Add("AB", 0);
  index.Add("ABCDEF", 1);
  EXPECT_EQ(std::string("AB\0\0", 4), std::string(index.Key(0)));
  EXPECT_EQ("ABCD", index.Key(1));
}
