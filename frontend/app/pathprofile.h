// The four paths the front-end remembers from one start to the next:
// sections "Path" and "File", keys "in" and "out".
#pragma once

#include <QString>
#include <array>

class QSettings;

namespace kelvarin {

struct JobSettings;

class CPathProfile {
 public:
  // The profile keys in the order they are read and written.
  static constexpr int kKeyCount = 4;

  explicit CPathProfile(QSettings& profile);

  // Reads the four keys into the job settings; a missing key gives the
  // user's documents folder.
  void Load(JobSettings& job);
  // Writes back the keys that Load read, so that a start which ended before
  // the profile was read leaves the saved paths alone.
  void Save(const JobSettings& job);

  bool IsLoaded(int key) const { return m_loaded[key]; }

  // The user's documents folder, made when it does not exist.
  static QString DocumentsFolder();

 private:
  QSettings& m_profile;
  std::array<bool, kKeyCount> m_loaded{};
};

}  // namespace kelvarin
