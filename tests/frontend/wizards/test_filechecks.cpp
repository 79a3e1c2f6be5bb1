#include "frontend/wizards/filechecks.h"
#include "tests/common/tempfolder.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

using namespace kelvarin;
namespace fs = std::filesystem;

namespace {

class FileChecksTest : public ::testing::Test {
 protected:
  std::string PathOf(const std::string& name) const { return m_temp.PathOf(name); }
  std::string Write(const std::string& name, const std::string& text) { return m_temp.Write(name, text); }
  static std::string Read(const std::string& path) { return test::TempFolder::Read(path); }

  test::TempFolder m_temp;
};

}  // namespace

TEST_F(FileChecksTest, OutputTestLeavesEveryFileAsItWas) {
  const std::string existing = Write("existing.txt", "keep me\n");
  EXPECT_EQ(OutputFileState::kExists, CheckOutputFile(existing));
  EXPECT_EQ("keep me\n", Read(existing));

  const std::string absent = PathOf("new.txt");
  EXPECT_EQ(OutputFileState::kAbsent, CheckOutputFile(absent));
  EXPECT_FALSE(fs::exists(absent));

  fs::create_directory(PathOf("folder"));
  EXPECT_EQ(OutputFileState::kNotAccessible, CheckOutputFile(PathOf("folder")));
  EXPECT_EQ(OutputFileState::kNotAccessible, CheckOutputFile(PathOf("missing/new.txt")));
  EXPECT_EQ(OutputFileState::kNotAccessible, CheckOutputFile(""));

  fs::create_symlink(PathOf("nowhere.txt"), PathOf("dangling.txt"));
  EXPECT_EQ(OutputFileState::kNotAccessible, CheckOutputFile(PathOf("dangling.txt")));
  EXPECT_TRUE(fs::is_symlink(PathOf("dangling.txt")));
  EXPECT_FALSE(fs::exists(PathOf("nowhere.txt")));
}

TEST_F(FileChecksTest, ExistingFileThatCannotBeWrittenIsNotAccessibleAndStays) {
  if (geteuid() == 0) GTEST_SKIP() << "root writes every file";
  const std::string locked = Write("locked.txt", "keep me\n");
  fs::permissions(locked, fs::perms::owner_read);
  EXPECT_EQ(OutputFileState::kNotAccessible, CheckOutputFile(locked));
  EXPECT_EQ("keep me\n", Read(locked));
  EXPECT_FALSE(OpensForUpdate(locked));

  fs::create_directory(PathOf("closed"));
  fs::permissions(PathOf("closed"), fs::perms::owner_read | fs::perms::owner_exec);
  EXPECT_EQ(OutputFileState::kNotAccessible, CheckOutputFile(PathOf("closed/new.txt")));
  fs::permissions(PathOf("closed"), fs::perms::owner_all);
}

TEST_F(FileChecksTest, UpdateTestOpensWithoutChanging) {
  const std::string data = Write("data.txt", "records\n");
  EXPECT_TRUE(OpensForUpdate(data));
  EXPECT_EQ("records\n", Read(data));
  EXPECT_FALSE(OpensForUpdate(PathOf("missing.txt")));
  EXPECT_FALSE(fs::exists(PathOf("missing.txt")));
}
