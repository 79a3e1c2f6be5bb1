#include "frontend/app/toolrun.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QWidget>

#include "common/parameterfile.h"
#include "common/reportname.h"
#include "frontend/app/jobrows.h"
#include "frontend/wizards/chkwizard.h"
#include "frontend/wizards/mulwizard.h"
#include "frontend/wizards/wizpage.h"
#include "platform/messagebox.h"

namespace kelvarin {

namespace {

// Opens a report the tool wrote, when it can be read.
void OpenReportIfReadable(const ToolRunHost& host, const std::string& path) {
  QFile report(FromLocalPath(path));
  if (!report.open(QIODevice::ReadOnly)) return;
  report.close();
  host.openReport(report.fileName());
}

// Writes the row, starts the tool and tells whether it ended with 0.
bool RunToolWithRow(const ToolRunHost& host, const std::string& row, const char* tool) {
  if (!WriteToolParameterFile(host, row)) return false;
  return RunTool(host.parent, QDir(host.pgmFolder).filePath(QString::fromLatin1(tool))) == 0;
}

// Runs a wizard modally with its help topics going to the host; on Finish
// copies its settings back into the job and returns true. The wizard is then
// destroyed and the windows it covered repainted, since the tool's run that
// follows blocks the event loop.
template <typename Wizard>
bool RunWizard(const ToolRunHost& host, void (*copyBack)(const JobSettings&, JobSettings&)) {
  {
    Wizard wizard(*host.job, host.parent);
    if (host.showHelp)
      QObject::connect(&wizard, &CWizardSheet::helpTopicRequested, &wizard, host.showHelp);
    if (wizard.exec() != QDialog::Accepted) return false;
    copyBack(wizard.settings(), *host.job);
  }
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  if (host.parent != nullptr) host.parent->window()->repaint();
  return true;
}

}  // namespace

int RunTool(QWidget* parent, const QString& path) {
  QProcess process;
  process.setProcessChannelMode(QProcess::ForwardedChannels);
  process.start(path, {QString::fromLatin1(kLaunchToken)});
  if (!process.waitForStarted(-1)) {
    ShowStopMessage(parent, QStringLiteral("Cannot run conversion program!"));
    return -1;
  }
  process.waitForFinished(-1);
  if (process.exitStatus() != QProcess::NormalExit) return -2;
  return process.exitCode();
}

bool WriteToolParameterFile(const ToolRunHost& host, const std::string& row) {
  const QString path = QDir(host.pgmFolder).filePath(QString::fromLatin1(kParameterFileName));
  if (WriteParameterFile(ToLocalPath(path), host.job->inputFile, host.job->outputFile, row))
    return true;
  ShowStopMessage(host.parent, QStringLiteral("Cannot write the parameter file\n%1").arg(path));
  return false;
}

void RunCheck(const ToolRunHost& host) {
  if (!RunWizard<CCHKwizard>(host, CopyBackCheck)) return;
  JobSettings& job = *host.job;
  if (!RunToolWithRow(host, FormatRow(CheckRowOf(job)), "Tesmar")) return;
  // The check program removes a log that recorded nothing.
  OpenReportIfReadable(host, DeriveReportName(job.outputFile, ".log"));
}

void RunMultiplePrimary(const ToolRunHost& host) {
  if (!RunWizard<CMULwizard>(host, CopyBackMultiplePrimary)) return;
  JobSettings& job = *host.job;
  if (!RunToolWithRow(host, FormatRow(MultiplePrimaryRowOf(job)), "Multiple")) return;
  if (job.duplicatesToFile != 0) {
    OpenReportIfReadable(host, DeriveReportName(job.inputFile, ".mul"));
    return;
  }
  ShowInformationMessage(
      host.parent,
      QStringLiteral("A number greater than 0 indicating a duplicate registration has been added "
                     "at the end of the corresponding record in the file %1")
          .arg(FromLocalPath(job.outputFile)));
}

}  // namespace kelvarin
