// The recent-file list: the last files opened, newest first, at most a
// fixed number, kept in the profile's section "Recent File List" under the
// keys File1, File2 and so on.
#pragma once

#include <QString>
#include <QStringList>

class QSettings;

namespace kelvarin {

class CRecentFileList {
 public:
  // Display names longer than this are shortened in the middle.
  static constexpr int kMaxDisplayLength = 30;

  explicit CRecentFileList(int maxSize);

  int Size() const { return static_cast<int>(m_files.size()); }
  const QString& operator[](int index) const { return m_files[index]; }
  const QStringList& Files() const { return m_files; }

  // Puts the file at the top; an entry for the same file moves up instead
  // of standing twice, and the oldest entry falls off a full list.
  void Add(const QString& path);
  void Remove(int index);

  void ReadList(QSettings& profile);
  // Writes the list back; nothing when it was never read.
  void WriteList(QSettings& profile) const;

  // The menu text of an entry: its number as mnemonic, then the file's name
  // alone when it lies in `currentFolder`, else its shortened path.
  QString MenuText(int index, const QString& currentFolder) const;

  // A path of at most `maxLength` characters: the root, "...", and as many
  // trailing folders as fit before the file's name; the name alone when
  // even that is too long.
  static QString AbbreviatePath(const QString& path, int maxLength);

 private:
  int m_maxSize;
  QStringList m_files;
  bool m_read = false;
};

}  // namespace kelvarin
