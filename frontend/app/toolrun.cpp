#include "frontend/app/toolrun.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QWidget>

#include "common/fileidentity.h"
#include "common/parameterfile.h"
#include "common/reportname.h"
#include "frontend/job/jobsettings.h"
#include "frontend/res/toolnames.h"
#include "frontend/wizards/chkwizard.h"
#include "frontend/wizards/cvtwizard.h"
#include "frontend/wizards/mulwizard.h"
#include "frontend/wizards/transwizard.h"
#include "frontend/wizards/wizpage.h"
#include "platform/messagebox.h"

namespace kelvarin {

namespace {

// Opens a report the tool wrote, when it can be read.
void OpenReportIfReadable(const ToolRunHost& host, const std::string& path) {
  if (OpensAsRegularFile(path)) host.openReport(FromLocalPath(path));
}

// Writes the row, starts the tool and tells whether it ended with 0.
bool RunToolWithRow(const ToolRunHost& host, const std::string& row, const char* tool) {
  if (!WriteToolParameterFile(host, row)) return false;
  return RunTool(host.parent, QDir(host.pgmFolder).filePath(QString::fromLatin1(tool))) == 0;
}

// Runs a wizard modally with its help topics going to the host; on Finish
// lets `takeBack` copy from the wizard's settings what the command keeps, and
// returns true. The wizard is then destroyed and the windows it covered
// repainted, since a tool's run that may follow blocks the event loop.
template <typename Wizard, typename TakeBack, typename... Arguments>
bool RunWizardTakingBack(const ToolRunHost& host, TakeBack takeBack, Arguments... arguments) {
  {
    Wizard wizard(*host.job, arguments..., host.parent);
    if (host.showHelp)
      QObject::connect(&wizard, &CWizardSheet::helpTopicRequested, &wizard, host.showHelp);
    if (wizard.exec() != QDialog::Accepted) return false;
    takeBack(wizard.settings());
  }
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  if (host.parent != nullptr) host.parent->window()->repaint();
  return true;
}

// The same, copying back what the command's row carries; `arguments` go to
// the wizard's constructor after the job settings.
template <typename Wizard, typename... Arguments>
bool RunWizard(const ToolRunHost& host, RowType row, Arguments... arguments) {
  return RunWizardTakingBack<Wizard>(
      host, [&host, row](const JobSettings& sheet) { CopyBack(sheet, *host.job, row); },
      arguments...);
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

void RunConversion(const ToolRunHost& host, int conversionIndex) {
  if (!RunWizard<CCVTwizard>(host, kConversionRowType, conversionIndex)) return;
  // The programs of indices 7 and 8 are not part of the suite: their start
  // fails with the launcher's message. Nothing is opened after a conversion.
  RunToolWithRow(host, FormatRow(kConversionRowType, *host.job),
                 ToolNames[static_cast<size_t>(conversionIndex)]);
}

void RunCheck(const ToolRunHost& host) {
  if (!RunWizard<CCHKwizard>(host, kCheckRowType)) return;
  JobSettings& job = *host.job;
  if (!RunToolWithRow(host, FormatRow(kCheckRowType, job), "Tesmar")) return;
  // The check program removes a log that recorded nothing.
  OpenReportIfReadable(host, DeriveReportName(job.outputFile, ".log"));
}

void RunMultiplePrimary(const ToolRunHost& host) {
  if (!RunWizard<CMULwizard>(host, kMultiplePrimaryRowType)) return;
  JobSettings& job = *host.job;
  if (!RunToolWithRow(host, FormatRow(kMultiplePrimaryRowType, job), "Multiple")) return;
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

void RunFileTransfer(const ToolRunHost& host) {
  RunWizardTakingBack<CTRANSwizard>(host, [&host](const JobSettings& sheet) {
    CopyBackPaths(sheet, *host.job);
    // The box starts unticked at every run.
    host.job->firstRowHasNames = 0;
  });
}

}  // namespace kelvarin
