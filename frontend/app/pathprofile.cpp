#include "frontend/app/pathprofile.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <string>

#include "frontend/job/jobsettings.h"
#include "platform/pathtext.h"

namespace kelvarin {

namespace {

struct ProfileKey {
  const char* section;
  const char* key;
  std::string JobSettings::*member;
};

constexpr ProfileKey kKeys[CPathProfile::kKeyCount] = {
    {"Path", "in", &JobSettings::inputFolder},
    {"Path", "out", &JobSettings::outputFolder},
    {"File", "in", &JobSettings::inputFile},
    {"File", "out", &JobSettings::outputFile},
};

QString KeyName(const ProfileKey& key) {
  return QString::fromLatin1(key.section) + QLatin1Char('/') + QString::fromLatin1(key.key);
}

}  // namespace

CPathProfile::CPathProfile(QSettings& profile) : m_profile(profile) {}

void CPathProfile::Load(JobSettings& job) {
  for (int i = 0; i < kKeyCount; ++i) {
    const QString name = KeyName(kKeys[i]);
    const QString value =
        m_profile.contains(name) ? m_profile.value(name).toString() : DocumentsFolder();
    job.*kKeys[i].member = ToLocalPath(value);
    m_loaded[i] = true;
  }
}

void CPathProfile::Save(const JobSettings& job) {
  for (int i = 0; i < kKeyCount; ++i)
    if (m_loaded[i]) m_profile.setValue(KeyName(kKeys[i]), FromLocalPath(job.*kKeys[i].member));
  m_profile.sync();
}

QString CPathProfile::DocumentsFolder() {
  QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (folder.isEmpty()) folder = QDir::homePath();
  QDir().mkpath(folder);
  return folder;
}

}  // namespace kelvarin
