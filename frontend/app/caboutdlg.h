// Help > About Kelvarin: the program's version, legal and build lines, the
// credits with a contact link, and every tool program of the suite with the
// date and size of its file.
#pragma once

#include <QDialog>
#include <QStringList>

class QDateTime;
class QLabel;
class QTreeWidget;

namespace kelvarin {

class CStaticLink;

class CAboutDlg : public QDialog {
  Q_OBJECT

 public:
  // `pgmFolder`: where the tool programs are looked for.
  explicit CAboutDlg(const QString& pgmFolder, QWidget* parent = nullptr);

  // The list's row of tool program `index`: title, file name, last-write
  // date in local time and size, or "..." twice when the file is not there.
  static QStringList ToolProgramRow(const QString& pgmFolder, int index);
  // "Dec 08 2026-23:05".
  static QString FileDateText(const QDateTime& localTime);

  QTreeWidget* ProgramList() const { return m_list; }
  CStaticLink* ContactLink() const { return m_link; }
  QString VersionLine() const;
  QString LegalLine() const;
  QString BuildLine() const;

 private:
  void OnInitDialog(const QString& pgmFolder);
  // Widens each column to its longest text (never below its given width);
  // returns the size the list needs to show every column and row whole.
  QSize FitProgramList();

  CStaticLink* m_link;
  QTreeWidget* m_list;
  QLabel* m_buildLine;
  QLabel* m_legalLine;
  QLabel* m_versionLine;
};

}  // namespace kelvarin
