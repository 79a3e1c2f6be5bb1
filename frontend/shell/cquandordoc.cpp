#include "frontend/shell/cquandordoc.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QPlainTextDocumentLayout>
#include <QSaveFile>

#include <unistd.h>

#include "common/fileidentity.h"
#include "frontend/shell/reporttext.h"
#include "frontend/shell/shellmessage.h"
#include "platform/messagebox.h"
#include "platform/pathtext.h"

namespace kelvarin {

CQuandorDoc::CQuandorDoc(QObject* parent) : QObject(parent) {
  m_text.setDocumentLayout(new QPlainTextDocumentLayout(&m_text));
}

QString CQuandorDoc::Title() const { return QFileInfo(m_pathName).fileName(); }

QString CQuandorDoc::PlainText() const {
  // The raw text keeps no-break spaces; blocks are parted by paragraph
  // separators and a typed line break is a line separator.
  QString text = m_text.toRawText();
  text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
  text.replace(QChar::LineSeparator, QLatin1Char('\n'));
  return text;
}

namespace {

// Opens a report for reading, only when it is a regular file: a named pipe
// or a device would hold the window, or never end.
bool OpenReport(QFile& file, const QString& path) {
  OpenForReading result;
  const int fd = OpenRegularFile(ToLocalPath(path), &result);
  if (fd < 0) return false;
  if (file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) return true;
  ::close(fd);
  return false;
}

QByteArray Digest(const QByteArray& bytes) {
  return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}

// The digest of the file's bytes; empty when it cannot be read.
QByteArray FileDigest(const QString& path) {
  QFile file;
  if (!OpenReport(file, path)) return QByteArray();
  const QByteArray bytes = file.readAll();
  return file.error() == QFileDevice::NoError ? Digest(bytes) : QByteArray();
}

}  // namespace

bool CQuandorDoc::FileChangedOnDisk() const {
  const QByteArray now = FileDigest(m_pathName);
  return now.isEmpty() || now != m_fileDigest;
}

void CQuandorDoc::KeepTextOverFile() { m_fileDigest = FileDigest(m_pathName); }

bool CQuandorDoc::OnOpenDocument(const QString& path) {
  QFile file;
  if (!OpenReport(file, path)) {
    ShowStopMessage(m_dialogParent, tr("Failed to open document."));
    return false;
  }
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) {
    ShowStopMessage(m_dialogParent, tr("Failed to open document."));
    return false;
  }
  m_fileDigest = Digest(bytes);
  ReportText report = DecodeReport(bytes);
  m_text.setPlainText(report.text);
  m_lineEnd = report.lineEnd;
  m_encoding = report.encoding;
  m_text.setModified(false);
  SetPathName(QFileInfo(path).absoluteFilePath());
  emit contentsReplaced();
  return true;
}

bool CQuandorDoc::OnSaveDocument(const QString& path) {
  const QString text = PlainText();
  const qsizetype bad = m_encoding == ReportEncoding::kLatin1 ? FirstNonLatin1(text) : -1;
  if (bad >= 0) {
    const int line = static_cast<int>(text.left(bad).count(QLatin1Char('\n'))) + 1;
    const QString question =
        tr("The text holds characters that cannot be saved in an 8-bit text file, "
           "the first one in line %1.\nEach of them would be saved as '?'.\n\n"
           "Save the file all the same?")
            .arg(line);
    if (!AskYesNo(m_dialogParent, question)) return false;
  }
  const QByteArray bytes = EncodeReport(text, m_lineEnd, m_encoding);
  QSaveFile file(path);
  file.setDirectWriteFallback(true);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) < 0 || !file.commit()) {
    ShowStopMessage(m_dialogParent, tr("Failed to save document."));
    return false;
  }
  m_fileDigest = Digest(bytes);
  m_text.setModified(false);
  return true;
}

bool CQuandorDoc::DoFileSave() {
  const QFileInfo info(m_pathName);
  if (m_pathName.isEmpty() || (info.exists() && !info.isWritable())) return DoSave(QString());
  return DoSave(m_pathName);
}

bool CQuandorDoc::DoSave(const QString& path) {
  QString target = path;
  if (target.isEmpty()) {
    target = QFileDialog::getSaveFileName(m_dialogParent, tr("Save As"), m_pathName);
    if (target.isEmpty()) return false;
  }
  if (!OnSaveDocument(target)) return false;
  SetPathName(QFileInfo(target).absoluteFilePath());
  return true;
}

bool CQuandorDoc::SaveModified() {
  if (!IsModified()) return true;
  const QString name = m_pathName.isEmpty() ? Title() : m_pathName;
  switch (AskYesNoCancel(m_dialogParent, tr("Save changes to %1?").arg(name))) {
    case YesNoCancel::Yes:
      return DoFileSave();
    case YesNoCancel::No:
      return true;
    case YesNoCancel::Cancel:
      break;
  }
  return false;
}

void CQuandorDoc::SetPathName(const QString& path) {
  m_pathName = path;
  emit pathNameChanged(path);
}

}  // namespace kelvarin
