#include "frontend/wizards/filechecks.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "common/fileidentity.h"
#include "tests/support/testfiles.h"

using namespace kelvarin;
namespace fs = std::filesystem;

namespace {

class FileChecksTest : public ::testing::Test {
 protected:
  test::TempDir m_temp;
};

}  // namespace

TEST_F(FileChecksTest, OutputTestLeavesEveryFileAsItWas) {
  const std::string existing = m_temp.Write("existing.txt", "keep me\n");
  EXPECT_EQ(OutputFileState::kExists, CheckOutputFile(existing));
  EXPECT_EQ("keep me\n", test::ReadFile(existing));

  const std::string absent = m_temp / "new.txt";
  EXPECT_EQ(OutputFileState::kAbsent, CheckOutputFile(absent));
  EXPECT_FALSE(fs::exists(absent));

  fs::create_directory(m_temp / "folder");
  EXPECT_EQ(OutputFileState::kNotAccessible, CheckOutputFile(m_temp / "folder"));
  EXPECT_EQ(OutputFileState::kNotAccessible, CheckOutputFile(m_temp / "missing/new.txt"));
  EXPECT_EQ(OutputFileState::kNotAccessible, CheckOutputFile(""));

  fs::create_symlink(m_temp / "nowhere.txt", m_temp / "dangling.txt");
  EXPECT_EQ(OutputFileState::kNotAccessible, CheckOutputFile(m_temp / "dangling.txt"));
  EXPECT_TRUE(fs::is_symlink(m_temp / "dangling.txt"));
  EXPECT_FALSE(fs::exists(m_temp / "nowhere.txt"));
}

TEST_F(FileChecksTest, DevicesAndPipesAreNoOutputAndNoInput) {
  const std::string fifo = m_temp / "fifo";
  ASSERT_EQ(0, ::mkfifo(fifo.c_str(), 0600));
  // A reader at the other end: a writer's open would succeed.
  const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
  ASSERT_GE(reader, 0);
  for (const std::string& path : {fifo, std::string("/dev/null")}) {
    EXPECT_EQ(OutputFileState::kNotAccessible, CheckOutputFile(path)) << path;
    EXPECT_FALSE(OpensAsRegularFile(path)) << path;
    EXPECT_FALSE(OpensAsRegularFile(path, true)) << path;
  }
  ::close(reader);
  EXPECT_TRUE(fs::is_fifo(fifo));
}

TEST_F(FileChecksTest, ExistingFileThatCannotBeWrittenIsNotAccessibleAndStays) {
  if (geteuid() == 0) GTEST_SKIP() << "root writes every file";
  const std::string locked = m_temp.Write("locked.txt", "keep me\n");
  fs::permissions(locked, fs::perms::owner_read);
  EXPECT_EQ(OutputFileState::kNotAccessible, CheckOutputFile(locked));
  EXPECT_EQ("keep me\n", test::ReadFile(locked));
  EXPECT_FALSE(OpensAsRegularFile(locked, true));

  fs::create_directory(m_temp / "closed");
  fs::permissions(m_temp / "closed", fs::perms::owner_read | fs::perms::owner_exec);
  EXPECT_EQ(OutputFileState::kNotAccessible, CheckOutputFile(m_temp / "closed/new.txt"));
  fs::permissions(m_temp / "closed", fs::perms::owner_all);
}

TEST_F(FileChecksTest, UpdateTestOpensWithoutChanging) {
  const std::string data = m_temp.Write("data.txt", "records\n");
  EXPECT_TRUE(OpensAsRegularFile(data, true));
  EXPECT_EQ("records\n", test::ReadFile(data));
  EXPECT_FALSE(OpensAsRegularFile(m_temp / "missing.txt", true));
  EXPECT_FALSE(fs::exists(m_temp / "missing.txt"));
}
