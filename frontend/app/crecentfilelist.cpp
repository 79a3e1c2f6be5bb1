#include "frontend/app/crecentfilelist.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include "common/fileidentity.h"
#include "frontend/shell/menutext.h"
#include "platform/pathtext.h"

namespace kelvarin {

namespace {

const QString kSection = QStringLiteral("Recent File List");

QString EntryKey(int index) { return kSection + QStringLiteral("/File%1").arg(index + 1); }

}  // namespace

CRecentFileList::CRecentFileList(int maxSize) : m_maxSize(maxSize) { Q_ASSERT(maxSize > 0); }

void CRecentFileList::Add(const QString& path) {
  const QString absolute = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
  for (int i = 0; i < Size(); ++i) {
    if (SameFile(ToLocalPath(m_files[i]), ToLocalPath(absolute))) {
      m_files.removeAt(i);
      break;
    }
  }
  m_files.prepend(absolute);
  while (Size() > m_maxSize) m_files.removeLast();
}

void CRecentFileList::Remove(int index) {
  if (index >= 0 && index < Size()) m_files.removeAt(index);
}

void CRecentFileList::ReadList(QSettings& profile) {
  m_files.clear();
  for (int i = 0; i < m_maxSize; ++i) {
    const QString path = profile.value(EntryKey(i)).toString();
    if (!path.isEmpty()) m_files.append(path);
  }
  m_read = true;
}

void CRecentFileList::WriteList(QSettings& profile) const {
  if (!m_read) return;
  profile.remove(kSection);
  for (int i = 0; i < Size(); ++i) profile.setValue(EntryKey(i), m_files[i]);
  profile.sync();
}

QString CRecentFileList::MenuText(int index, const QString& currentFolder) const {
  const QString& path = m_files[index];
  const QFileInfo info(path);
  const QString name = SameFile(ToLocalPath(info.absolutePath()), ToLocalPath(currentFolder))
                           ? info.fileName()
                           : AbbreviatePath(path, kMaxDisplayLength);
  return NumberedMenuText(index, name);
}

QString CRecentFileList::AbbreviatePath(const QString& path, int maxLength) {
  if (path.size() <= maxLength) return path;
  const bool rooted = path.startsWith(QLatin1Char('/'));
  QStringList parts = path.split(QLatin1Char('/'), Qt::SkipEmptyParts);
  const QString name = parts.isEmpty() ? path : parts.takeLast();
  const QString head = rooted ? QStringLiteral("/...") : QStringLiteral("...");
  QString tail = QLatin1Char('/') + name;
  if (head.size() + tail.size() > maxLength) return name;
  while (!parts.isEmpty() && head.size() + 1 + parts.last().size() + tail.size() <= maxLength)
    tail = QLatin1Char('/') + parts.takeLast() + tail;
  return head + tail;
}

}  // namespace kelvarin
