// The front-end's application object: it owns the job settings, the home
// folder, the profile with the remembered paths and the recent-file list,
// the command table and the main window, for the whole life of the process.
#pragma once

#include <QObject>
#include <QSettings>
#include <QString>
#include <memory>

#include "frontend/app/crecentfilelist.h"
#include "frontend/app/jobsettings.h"
#include "frontend/app/pathprofile.h"
#include "frontend/shell/ccommandtable.h"

namespace kelvarin {

class CChildFrame;
class CMainFrame;

class CQuandorApp : public QObject {
  Q_OBJECT

 public:
  // `profilePath`: the profile's INI file; empty for Kelvarin.ini in the
  // user's configuration folder.
  explicit CQuandorApp(const QString& profilePath = QString());
  // Writes back the remembered paths that start-up read.
  ~CQuandorApp() override;

  // The one application object; nullptr when none exists.
  static CQuandorApp* Instance();

  // Start-up: the recent-file list and the preview's page count, the main
  // window, the home folder, the job settings' defaults and the remembered
  // paths. false ends the program.
  bool InitInstance();
  // End: writes the recent-file list and the preview's page count; returns
  // the exit code.
  int ExitInstance();

  JobSettings& Job() { return m_jobSettings; }
  const JobSettings& Job() const { return m_jobSettings; }
  // The current folder at start-up; the tools and the parameter file are in
  // its "pgm" folder.
  const QString& HomeFolder() const { return m_homeFolder; }
  QString PgmFolder() const { return m_homeFolder + QStringLiteral("/pgm"); }
  // homeFolder/Kelvarin.chm: the name the help topics are given under.
  const QString& HelpFilePath() const { return m_helpFilePath; }

  CMainFrame* MainFrame() const { return m_mainFrame.get(); }
  CCommandTable& Commands() { return m_commands; }
  const CRecentFileList& RecentFiles() const { return m_recentFiles; }

  // Opens a report in the viewer (see CMainFrame::OpenDocumentFile).
  CChildFrame* OpenDocumentFile(const QString& path);
  void AddToRecentFileList(const QString& path);

  // Shows a help topic: `target` is the help file path, optionally followed
  // by "::" and the topic ("%s::htm/WizFiles.htm" filled with
  // HelpFilePath()). The topic is read as a page of the "help" folder in the
  // home folder and opened in the browser; a clear message says when it is
  // missing.
  void HtmlHelp(const QString& target);
  // The page that stands for a help target.
  static QString HelpPage(const QString& homeFolder, const QString& target);

  // File Open: the report files in the input folder; the chosen file opens
  // in the viewer when it can be read.
  void OpenReportFile();
  static const char* const kReportFileFilter;

 private:
  void RegisterCommands();
  void UpdateRecentFileMenu();
  void OnOpenRecentFile(int index);
  void OnFilePrintSetup();
  void OnAppAbout();

  JobSettings m_jobSettings;
  QString m_homeFolder;
  QString m_helpFilePath;
  QSettings m_profile;
  CPathProfile m_pathProfile;
  CRecentFileList m_recentFiles;
  CCommandTable m_commands;
  std::unique_ptr<CMainFrame> m_mainFrame;
  bool m_menuHookInstalled = false;
};

}  // namespace kelvarin
