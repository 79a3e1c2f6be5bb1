// The files a run writes: what taking one back removes or leaves, and the
// lock that keeps a second run out.
#include "common/reportfile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <filesystem>

#include "common/recordreader.h"
#include "tests/support/childprocess.h"
#include "tests/support/testfiles.h"

using namespace kelvarin;
using kelvarin::test::ChildEnd;
using kelvarin::test::DropRootRights;
using kelvarin::test::Exists;
using kelvarin::test::ReadFile;
using kelvarin::test::RunInChild;
using kelvarin::test::TempDir;
using kelvarin::test::WriteFile;

namespace {

bool IsLink(const std::string& path) {
  struct stat info {};
  return ::lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode);
}

}  // namespace

TEST(ReportFile, DiscardTakesBackOnlyWhatTheRunMadeOrEmptied) {
  TempDir dir;
  const std::string target = dir / "target.txt";
  const std::string link = dir / "link.txt";
  const std::string moved = dir / "moved.txt";
  struct Case {
    const char* name;
    std::string path;
    bool truncate;
    // What happens to the path while the file is open.
    void (*meanwhile)(const TempDir&);
    // After the discard: the path exists, and what target.txt and moved.txt hold.
    bool pathStays;
    const char* targetAfter;
    const char* movedAfter;
  };
  const Case cases[] = {
      {"a new file is removed", dir / "new.txt", false, nullptr, false, "earlier", "<missing>"},
      {"an emptied file is removed", target, true, nullptr, false, "<missing>", "<missing>"},
      {"a file found and left is left", target, false, nullptr, true, "earlier", "<missing>"},
      {"through a link: the link stays, the file it names is emptied", link, true, nullptr, true,
       "", "<missing>"},
      {"a file put in its place stays; ours is emptied", target, true,
       [](const TempDir& d) {
         ::rename((d / "target.txt").c_str(), (d / "moved.txt").c_str());
         WriteFile(d / "target.txt", "someone else's");
       },
       true, "someone else's", ""},
  };
  for (const auto& c : cases) {
    ::unlink(target.c_str());
    ::unlink(link.c_str());
    ::unlink(moved.c_str());
    WriteFile(target, "earlier");
    ASSERT_EQ(0, ::symlink(target.c_str(), link.c_str()));
    ReportFile file;
    ASSERT_TRUE(file.Open(c.path)) << c.name;
    if (c.truncate) {
      ASSERT_TRUE(file.Truncate()) << c.name;
    }
    if (file.owned()) file.Write("half a line");  // a run writes only once it emptied the file
    ASSERT_TRUE(file.Flush());
    if (c.meanwhile) c.meanwhile(dir);
    file.Discard();
    EXPECT_FALSE(file.isOpen()) << c.name;
    EXPECT_EQ(c.pathStays, Exists(c.path) || IsLink(c.path)) << c.name;
    EXPECT_EQ(c.targetAfter, ReadFile(target)) << c.name;
    EXPECT_EQ(c.movedAfter, ReadFile(moved)) << c.name;
    EXPECT_TRUE(IsLink(link)) << c.name;
  }
}

// Taken back by name and identity alone, as after a kill of the program that
// wrote it: only the very file is touched, and no part of it stays readable
// under any of its names.
TEST(DiscardOwnFile, TakesBackOnlyTheVeryFileAndLeavesNoPartOfIt) {
  struct Case {
    const char* name;
    // Makes the run's file run.txt and what stands at the name; returns the name.
    std::string (*make)(const TempDir&);
    bool asUser;  // taken back without root's rights
    TakeBack result;
    const char* runAfter;    // what run.txt reaches afterwards
    const char* otherAfter;  // what other.txt holds afterwards
  };
  const Case cases[] = {
      {"the name is the file: removed", [](const TempDir& d) { return d / "run.txt"; }, false,
       TakeBack::kRemoved, "<missing>", "<missing>"},
      {"a second name: emptied, then this one removed",
       [](const TempDir& d) {
         ::link((d / "run.txt").c_str(), (d / "other.txt").c_str());
         return d / "run.txt";
       },
       false, TakeBack::kRemoved, "<missing>", ""},
      {"reached through a link: emptied, the link stays",
       [](const TempDir& d) {
         ::symlink((d / "run.txt").c_str(), (d / "other.txt").c_str());
         return d / "other.txt";
       },
       false, TakeBack::kEmptied, "", ""},
      {"another file moved onto the name: left alone",
       [](const TempDir& d) {
         ::rename((d / "run.txt").c_str(), (d / "moved.txt").c_str());
         WriteFile(d / "other.txt", "the user's");
         ::rename((d / "other.txt").c_str(), (d / "run.txt").c_str());
         return d / "run.txt";
       },
       false, TakeBack::kLeftAlone, "the user's", "<missing>"},
      {"nothing at the name: left alone",
       [](const TempDir& d) {
         ::rename((d / "run.txt").c_str(), (d / "moved.txt").c_str());
         return d / "run.txt";
       },
       false, TakeBack::kLeftAlone, "<missing>", "<missing>"},
      {"a folder that keeps its names: emptied",
       [](const TempDir& d) {
         ::chmod(d.path().c_str(), 01777);
         ::chmod((d / "run.txt").c_str(), 0666);
         return d / "run.txt";
       },
       true, TakeBack::kEmptied, "", "<missing>"},
      {"neither removable nor writable: named as failed",
       [](const TempDir& d) {
         ::chmod(d.path().c_str(), 01777);
         ::chmod((d / "run.txt").c_str(), 0644);
         return d / "run.txt";
       },
       true, TakeBack::kFailed, "half a report", "<missing>"},
  };
  for (const auto& c : cases) {
    TempDir dir;
    WriteFile(dir / "run.txt", "half a report");
    struct stat info {};
    ASSERT_EQ(0, ::stat((dir / "run.txt").c_str(), &info));
    const FileId id{info.st_dev, info.st_ino};
    const std::string name = c.make(dir);
    const ChildEnd end = RunInChild([&] {
      if (c.asUser && !DropRootRights()) return 100;
      return static_cast<int>(DiscardOwnFile(name.c_str(), -1, id));
    });
    EXPECT_TRUE(end.Exited(static_cast<int>(c.result))) << c.name << ": " << end.status;
    EXPECT_EQ(c.runAfter, ReadFile(dir / "run.txt")) << c.name;
    EXPECT_EQ(c.otherAfter, ReadFile(dir / "other.txt")) << c.name;
    if (Exists(dir / "moved.txt")) {
      EXPECT_EQ("half a report", ReadFile(dir / "moved.txt")) << c.name;  // out of reach
    }
    ::chmod(dir.path().c_str(), 0700);
  }
}

TEST(ReportFile, DevicesAndPipesAreNeverRemovedAndNoOpenWaits) {
  TempDir dir;
  // A device node of the test's own (the null device's numbers); making one
  // needs the right to, which only root has.
  const std::string device = dir / "null";
  if (::mknod(device.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0) {
    ReportFile file;
    ASSERT_TRUE(file.Open(device));
    ASSERT_TRUE(file.Truncate());
    file.Write("x");
    file.Discard();
    struct stat info {};
    EXPECT_EQ(0, ::lstat(device.c_str(), &info));
    EXPECT_TRUE(S_ISCHR(info.st_mode));
  }

  ASSERT_EQ(0, ::mkfifo((dir / "fifo").c_str(), 0600));
  ReportFile pipe;
  EXPECT_FALSE(pipe.Open(dir / "fifo"));  // no reader: refused at once
  EXPECT_FALSE(pipe.inUse());
  EXPECT_TRUE(Exists(dir / "fifo"));
}

TEST(ReportFile, ASecondWriterOrAReaderFindsTheFileInUse) {
  TempDir dir;
  const std::string path = dir / "out.txt";
  ReportFile first;
  ASSERT_TRUE(first.Open(path));
  ASSERT_TRUE(first.Truncate());
  first.Write("first run\n");

  ReportFile second;
  EXPECT_FALSE(second.Open(path));
  EXPECT_TRUE(second.inUse());
  second.Discard();  // never ours: nothing happens to the first run's file
  RecordReader reader;
  EXPECT_FALSE(reader.Open(path));
  EXPECT_EQ(OpenForReading::kInUse, reader.openResult());

  ASSERT_TRUE(first.Close());
  EXPECT_EQ("first run\n", ReadFile(path));
  ASSERT_TRUE(reader.Open(path));   // the lock goes with the first run
  EXPECT_FALSE(second.Open(path));  // a file being read is not written either
  EXPECT_TRUE(second.inUse());
  reader.Close();
  EXPECT_TRUE(second.Open(path));
}

TEST(ReportFile, EmptyWritesAndTemporaryFiles) {
  TempDir dir;
  ReportFile file;
  ASSERT_TRUE(file.OpenTemporary(dir / "key.XXXXXX"));
  EXPECT_NE(dir / "key.XXXXXX", file.path());
  file.Write(std::string_view());
  file.Write("");
  file.Write("a");
  EXPECT_TRUE(file.Flush());
  // Nameless from the start: nothing to leave behind.
  EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
  EXPECT_TRUE(file.Close());
}
