// The four remembered paths in the profile.
#include <gtest/gtest.h>

#include "tests/frontend/shell/gtestqt.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <cstdlib>

#include "frontend/app/pathprofile.h"
#include "frontend/job/jobsettings.h"
#include "platform/pathtext.h"

namespace kelvarin {
namespace {

class PathProfileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(m_dir.isValid());
    // The user's documents folder is looked for below HOME.
    setenv("HOME", QFile::encodeName(m_dir.path()).constData(), 1);
    unsetenv("XDG_CONFIG_HOME");
  }

  QString ProfilePath() const { return m_dir.filePath("Kelvarin.ini"); }
  QString Documents() const { return m_dir.filePath("Documents"); }

  QByteArray ProfileBytes() const {
    QFile file(ProfilePath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

  QTemporaryDir m_dir;
};

TEST_F(PathProfileTest, MissingKeysGiveTheDocumentsFolderAndAreWrittenAtTheEnd) {
  JobSettings job;
  {
    QSettings profile(ProfilePath(), QSettings::IniFormat);
    CPathProfile paths(profile);
    paths.Load(job);
    paths.Save(job);
  }
  for (const std::string* path :
       {&job.inputFolder, &job.outputFolder, &job.inputFile, &job.outputFile})
    EXPECT_EQ(Documents(), FromLocalPath(*path));
  EXPECT_TRUE(QDir(Documents()).exists());
  QSettings written(ProfilePath(), QSettings::IniFormat);
  EXPECT_EQ(Documents(), written.value("Path/in").toString());
  EXPECT_EQ(Documents(), written.value("Path/out").toString());
  EXPECT_EQ(Documents(), written.value("File/in").toString());
  EXPECT_EQ(Documents(), written.value("File/out").toString());
}

TEST_F(PathProfileTest, KeysAreReadIntoTheirMembersAndChangesWrittenBack) {
  {
    QSettings profile(ProfilePath(), QSettings::IniFormat);
    profile.setValue("Path/in", "/reg/in, 2020");
    profile.setValue("Path/out", "/reg/out");
    profile.setValue("File/in", "/reg/in, 2020/cases \xc3\xa9.txt");
    profile.setValue("File/out", "/reg/out/checked.txt");
  }
  JobSettings job;
  {
    QSettings profile(ProfilePath(), QSettings::IniFormat);
    CPathProfile paths(profile);
    paths.Load(job);
    EXPECT_EQ("/reg/in, 2020", job.inputFolder);
    EXPECT_EQ("/reg/out", job.outputFolder);
    EXPECT_EQ("/reg/in, 2020/cases \xc3\xa9.txt", job.inputFile);
    EXPECT_EQ("/reg/out/checked.txt", job.outputFile);
    job.outputFile = "/reg/out/second, run.txt";
    paths.Save(job);
  }
  JobSettings again;
  QSettings profile(ProfilePath(), QSettings::IniFormat);
  CPathProfile paths(profile);
  paths.Load(again);
  EXPECT_EQ("/reg/out/second, run.txt", again.outputFile);
  EXPECT_EQ("/reg/in, 2020/cases \xc3\xa9.txt", again.inputFile);
}

TEST_F(PathProfileTest, NothingIsWrittenForKeysThatWereNeverRead) {
  {
    QSettings profile(ProfilePath(), QSettings::IniFormat);
    profile.setValue("Path/in", "/saved/in");
    profile.setValue("File/out", "/saved/out.txt");
  }
  const QByteArray before = ProfileBytes();
  {
    // A start that ended before the profile was read: empty paths.
    JobSettings job;
    QSettings profile(ProfilePath(), QSettings::IniFormat);
    CPathProfile paths(profile);
    for (int i = 0; i < CPathProfile::kKeyCount; ++i) EXPECT_FALSE(paths.IsLoaded(i));
    paths.Save(job);
  }
  EXPECT_EQ(before, ProfileBytes());
}

}  // namespace
}  // namespace kelvarin
