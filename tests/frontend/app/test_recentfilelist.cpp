// The recent-file list.
#include <gtest/gtest.h>

#include "tests/frontend/shell/gtestqt.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include "frontend/app/crecentfilelist.h"

namespace kelvarin {
namespace {

class RecentFileListTest : public ::testing::Test {
 protected:
  QString Path(const QString& name) const { return m_dir.filePath(name); }
  QString Touch(const QString& name) const {
    QFile file(Path(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    return Path(name);
  }

  QTemporaryDir m_dir;
};

TEST_F(RecentFileListTest, NewestFirstAtMostTheListsSize) {
  CRecentFileList list(10);
  for (int i = 1; i <= 12; ++i) list.Add(Path(QStringLiteral("r%1.log").arg(i)));
  ASSERT_EQ(10, list.Size());
  EXPECT_EQ(Path("r12.log"), list[0]);
  EXPECT_EQ(Path("r3.log"), list[9]);
}

TEST_F(RecentFileListTest, AFileOpenedAgainMovesToTheTop) {
  CRecentFileList list(10);
  const QString a = Touch("a.err");
  const QString b = Touch("b.err");
  const QString c = Touch("c.err");
  ASSERT_TRUE(QFile::link(a, Path("link-to-a.err")));
  list.Add(a);
  list.Add(b);
  list.Add(c);
  list.Add(b);
  EXPECT_EQ((QStringList{b, c, a}), list.Files());
  // The same file under another name does not stand twice.
  list.Add(Path("link-to-a.err"));
  EXPECT_EQ((QStringList{Path("link-to-a.err"), b, c}), list.Files());
  list.Add(m_dir.path() + "/./c.err");
  EXPECT_EQ(c, list[0]);
  EXPECT_EQ(3, list.Size());
  list.Remove(1);
  EXPECT_EQ((QStringList{c, b}), list.Files());
  list.Remove(5);
  EXPECT_EQ(2, list.Size());
}

TEST_F(RecentFileListTest, ListSurvivesInTheProfileAndIsWrittenOnlyAfterReading) {
  const QString profilePath = Path("profile.ini");
  {
    QSettings profile(profilePath, QSettings::IniFormat);
    profile.setValue("Recent File List/File1", "/x/one.log");
    profile.setValue("Recent File List/File2", "/x/two.log");
    profile.setValue("Recent File List/File4", "/x/four.log");
  }
  {
    QSettings profile(profilePath, QSettings::IniFormat);
    CRecentFileList neverRead(10);
    neverRead.Add("/x/new.log");
    neverRead.WriteList(profile);
    EXPECT_EQ("/x/one.log", profile.value("Recent File List/File1").toString());
  }
  QSettings profile(profilePath, QSettings::IniFormat);
  CRecentFileList list(3);
  list.ReadList(profile);
  EXPECT_EQ((QStringList{"/x/one.log", "/x/two.log"}), list.Files());
  list.Add("/x/three.log");
  list.Add("/x/four.log");
  list.WriteList(profile);
  QSettings written(profilePath, QSettings::IniFormat);
  EXPECT_EQ("/x/four.log", written.value("Recent File List/File1").toString());
  EXPECT_EQ("/x/three.log", written.value("Recent File List/File2").toString());
  EXPECT_EQ("/x/one.log", written.value("Recent File List/File3").toString());
  EXPECT_FALSE(written.contains("Recent File List/File4"));
}

TEST(RecentFileList, LongPathsAreShortenedInTheMiddle) {
  const struct {
    const char* path;
    int max;
    const char* shown;
  } cases[] = {
      {"/short/file.log", 30, "/short/file.log"},
      {"/home/registry/reports/2021/checked.log", 30, "/.../reports/2021/checked.log"},
      {"/home/registry/reports/2021/checked.log", 25, "/.../2021/checked.log"},
      {"/home/registry/reports/2021/checked.log", 16, "/.../checked.log"},
      {"/home/registry/reports/2021/checked.log", 15, "checked.log"},
      {"relative/folder/deeper/name.txt", 20, ".../deeper/name.txt"},
  };
  for (const auto& c : cases) {
    const QString shown = CRecentFileList::AbbreviatePath(QString::fromUtf8(c.path), c.max);
    EXPECT_EQ(QString::fromUtf8(c.shown), shown) << c.path << " " << c.max;
    EXPECT_LE(shown.size(), std::max<qsizetype>(c.max, QString::fromUtf8(c.shown).size()));
  }
}

TEST_F(RecentFileListTest, MenuTextNamesFilesOfTheCurrentFolderAlone) {
  CRecentFileList list(10);
  list.Add("/far/away/folder/with/a/long/name/report&co.err");
  list.Add(Touch("here.log"));
  EXPECT_EQ("&1 here.log", list.MenuText(0, m_dir.path()));
  EXPECT_EQ("&2 /.../a/long/name/report&&co.err", list.MenuText(1, m_dir.path()));
}

}  // namespace
}  // namespace kelvarin
