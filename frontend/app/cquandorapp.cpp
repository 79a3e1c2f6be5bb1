#include "frontend/app/cquandorapp.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPageSetupDialog>
#include <QUrl>

#include "common/fileidentity.h"
#include "frontend/app/caboutdlg.h"
#include "frontend/app/toolcommands.h"
#include "frontend/app/weblinks.h"
#include "frontend/job/jobsettings.h"
#include "frontend/res/commandids.h"
#include "frontend/res/menus.h"
#include "frontend/res/strings.h"
#include "frontend/shell/cmainframe.h"
#include "frontend/shell/filefilters.h"
#include "frontend/shell/menukit.h"
#include "frontend/shell/shellmessage.h"
#include "platform/messagebox.h"
#include "platform/pathtext.h"
#include "platform/programicon.h"
#include "platform/writesignals.h"

namespace kelvarin {

namespace {

CQuandorApp* s_instance = nullptr;

// The class library's setting beside the recent-file list: how many pages
// the print preview shows.
const QString kPreviewPagesKey = QStringLiteral("Settings/PreviewPages");

QString DefaultProfilePath() {
  const QSettings settings(QSettings::IniFormat, QSettings::UserScope, ResText(kIdsAppTitle),
                           ResText(kIdsAppTitle));
  return settings.fileName();
}

}  // namespace

const char* const CQuandorApp::kReportFileFilter =
    "Conversion error files (*.e_)|*.e*|Conversion warning files (*.w_)|*.w*|"
    "Orvo/Semu check program (*.err;*.chk)|*.err;*.chk|Multiple primary (*.mul;*.exl)|*.mul;*.exl|"
    "All files (*.*)|*.*|";

CQuandorApp::CQuandorApp(const QString& profilePath)
    : m_profile(profilePath.isEmpty() ? DefaultProfilePath() : profilePath, QSettings::IniFormat),
      m_pathProfile(m_profile),
      m_recentFiles(kRecentFileCount) {
  Q_ASSERT(!s_instance);
  s_instance = this;
}

CQuandorApp::~CQuandorApp() {
  m_pathProfile.Save(m_jobSettings);
  m_mainFrame.reset();
  s_instance = nullptr;
}

CQuandorApp* CQuandorApp::Instance() { return s_instance; }

bool CQuandorApp::InitInstance() {
  // The file transfer writes inside this program: a failed write must end
  // the transfer, not the program.
  TurnWriteSignalsIntoErrors();
  QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
  QGuiApplication::setWindowIcon(ProgramIcon());
  if (!m_menuHookInstalled) InstallMenuHook();
  m_menuHookInstalled = true;
  m_recentFiles.ReadList(m_profile);
  m_mainFrame = std::make_unique<CMainFrame>(m_commands);
  m_mainFrame->SetPreviewPages(m_profile.value(kPreviewPagesKey, 0).toInt());
  connect(m_mainFrame.get(), &CMainFrame::recentFileUsed, this, &CQuandorApp::AddToRecentFileList);
  RegisterCommands();
  UpdateRecentFileMenu();
  // A file named on the command line is not opened.
  m_mainFrame->show();
  m_homeFolder = QDir::currentPath();
  m_helpFilePath = QDir(m_homeFolder).filePath(ResText(kIdsAppTitle) + QStringLiteral(".chm"));
  SetStartupDefaults(m_jobSettings);
  m_pathProfile.Load(m_jobSettings);
  return true;
}

int CQuandorApp::ExitInstance() {
  if (m_menuHookInstalled) RemoveMenuHook();
  m_menuHookInstalled = false;
  m_recentFiles.WriteList(m_profile);
  if (m_mainFrame && m_mainFrame->PreviewPages() != 0) {
    m_profile.setValue(kPreviewPagesKey, m_mainFrame->PreviewPages());
    m_profile.sync();
  }
  return 0;
}

void CQuandorApp::RegisterCommands() {
  m_commands.SetHandler(kIdFileOpen, [this] { OpenReportFile(); });
  m_commands.SetHandler(kIdFilePrintSetup, [this] { OnFilePrintSetup(); });
  m_commands.SetHandler(kIdAppExit, [this] { m_mainFrame->close(); });
  for (int id : {kIdHelpFinder, kIdHelp, kIdDefaultHelp})
    m_commands.SetHandler(id, [this] { HtmlHelp(m_helpFilePath); });
  m_commands.SetHandler(kIdAppAbout, [this] { OnAppAbout(); });
  for (const WebLink& link : kWebLinks)
    m_commands.SetHandler(link.command, [this, address = QString::fromLatin1(link.address)] {
      OpenUrl(m_mainFrame.get(), address);
    });
  RegisterToolRunCommands(*this);
}

CChildFrame* CQuandorApp::OpenDocumentFile(const QString& path) {
  return m_mainFrame ? m_mainFrame->OpenDocumentFile(path) : nullptr;
}

void CQuandorApp::AddToRecentFileList(const QString& path) {
  m_recentFiles.Add(path);
  UpdateRecentFileMenu();
}

void CQuandorApp::UpdateRecentFileMenu() {
  const QString currentFolder = QDir::currentPath();
  for (int i = 0; i < kRecentFileCount; ++i) {
    const int id = kIdFileMruFirst + i;
    QAction* action = m_commands.Action(id);
    if (i < m_recentFiles.Size()) {
      action->setText(m_recentFiles.MenuText(i, currentFolder));
      action->setVisible(true);
      m_commands.SetHandler(id, [this, i] { OnOpenRecentFile(i); });
    } else {
      m_commands.RemoveHandler(id);
      action->setText(i == 0 ? QString::fromLatin1(kRecentFileEmptyText) : QString());
      action->setVisible(i == 0);
    }
  }
}

void CQuandorApp::OnOpenRecentFile(int index) {
  if (index >= m_recentFiles.Size()) return;
  // A file that cannot be opened any more leaves the list.
  if (!OpenDocumentFile(m_recentFiles[index])) {
    m_recentFiles.Remove(index);
    UpdateRecentFileMenu();
  }
}

void CQuandorApp::OnAppAbout() {
  CAboutDlg dialog(PgmFolder(), m_mainFrame.get());
  dialog.exec();
}

void CQuandorApp::OnFilePrintSetup() {
  QPageSetupDialog dialog(&m_mainFrame->Printer(), m_mainFrame.get());
  dialog.exec();
}

QString CQuandorApp::HelpPage(const QString& homeFolder, const QString& target) {
  const qsizetype separator = target.indexOf(QLatin1String("::"));
  QString topic = separator < 0 ? QString() : target.mid(separator + 2);
  while (topic.startsWith(QLatin1Char('/'))) topic.remove(0, 1);
  if (topic.isEmpty()) topic = QStringLiteral("index.htm");
  return QDir(homeFolder).filePath(QStringLiteral("help/") + topic);
}

void CQuandorApp::HtmlHelp(const QString& target) {
  const QString page = HelpPage(m_homeFolder, target);
  if (!QFileInfo(page).isFile()) {
    ShowStopMessage(m_mainFrame.get(),
                    tr("The help file is missing.\n%1 cannot be found.").arg(page));
    return;
  }
  if (!QDesktopServices::openUrl(QUrl::fromLocalFile(page)))
    ShowStopMessage(m_mainFrame.get(),
                    tr("The help page %1 cannot be shown in the browser.").arg(page));
}

void CQuandorApp::OpenReportFile() {
  const QString path = QFileDialog::getOpenFileName(
      m_mainFrame.get(), tr("Open"), FromLocalPath(m_jobSettings.inputFolder),
      FileDialogFilters(QString::fromLatin1(kReportFileFilter)).join(QStringLiteral(";;")), nullptr,
      QFileDialog::HideNameFilterDetails);
  if (path.isEmpty()) return;
  // A file that vanished or cannot be read opens nothing. A pipe or a device
  // is refused by the viewer with its message, as from the recent-file list.
  const std::string local = ToLocalPath(path);
  if (NamesDeviceOrPipe(local) || OpensAsRegularFile(local)) OpenDocumentFile(path);
}

}  // namespace kelvarin
