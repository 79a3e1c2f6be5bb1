// A report window's document: the text of one file, loaded and saved as
// plain text with no formatting, in the encoding the file was read in.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTextDocument>

#include "frontend/shell/reporttext.h"

class QWidget;

namespace kelvarin {

class CQuandorDoc : public QObject {
  Q_OBJECT

 public:
  explicit CQuandorDoc(QObject* parent = nullptr);

  QTextDocument* TextDocument() { return &m_text; }
  const QTextDocument* TextDocument() const { return &m_text; }

  // The window over which the document's messages and file dialogs appear.
  void SetDialogParent(QWidget* parent) { m_dialogParent = parent; }

  // Reads the file, replacing the text; false after a message when it cannot be read.
  bool OnOpenDocument(const QString& path);
  // Writes the text to the file; false after a message, or when the user
  // declines to lose characters that have no 8-bit form (in an 8-bit file).
  bool OnSaveDocument(const QString& path);

  // File Save: under the document's name, or asks for one when it has none
  // or its file cannot be written.
  bool DoFileSave();
  // Saves under `path`, or asks for a name when `path` is empty (Save As).
  bool DoSave(const QString& path);
  // Before the window closes: asks whether to save a changed text; false
  // when the user cancels or the save fails.
  bool SaveModified();

  // True when the document's file no longer holds what was last read from
  // it or written to it (a new run has rewritten it), or cannot be read.
  bool FileChangedOnDisk() const;
  // Keeps the text as it is over what the file now holds: the next look at
  // the file sees no change until it is rewritten again.
  void KeepTextOverFile();

  QString PathName() const { return m_pathName; }
  QString Title() const;
  QString LineEnd() const { return m_lineEnd; }
  bool IsModified() const { return m_text.isModified(); }
  void SetModifiedFlag(bool modified) { m_text.setModified(modified); }

  // The text as it is written: lines separated by '\n'.
  QString PlainText() const;

 signals:
  void pathNameChanged(const QString& path);
  void contentsReplaced();

 private:
  void SetPathName(const QString& path);

  QTextDocument m_text;
  QString m_pathName;
  QString m_lineEnd = QStringLiteral("\n");
  ReportEncoding m_encoding = ReportEncoding::kLatin1;
  QByteArray m_fileDigest;  // of the bytes last read or written
  QPointer<QWidget> m_dialogParent;
};

}  // namespace kelvarin
