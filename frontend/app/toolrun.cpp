#include "frontend/app/toolrun.h"

#include <QDir>
#include <QProcess>
#include <QWidget>

#include <vector>

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
#include "platform/longwork.h"
#include "platform/messagebox.h"

namespace kelvarin {

namespace {

// Opens a report the tool wrote, when it can be read.
void OpenReportIfReadable(const ToolRunHost& host, const std::string& path) {
  if (OpensAsRegularFile(path)) host.openReport(FromLocalPath(path));
}

// Writes the row, starts the tool and tells whether it ended with 0. When a
// signal ends the tool before its run finished, those of `stopRemoves` (the
// files its Stop takes back) that the run made or changed are removed as its
// Stop would have removed them, and the user is told; the input and the
// parameter file are never removed.
bool RunToolWithRow(const ToolRunHost& host, const std::string& row, const char* tool,
                    const std::vector<std::string>& stopRemoves) {
  if (!WriteToolParameterFile(host, row)) return false;
  std::vector<FileState> before;
  for (const std::string& path : stopRemoves) before.push_back(StateOfFile(path));
  const QDir pgm(host.pgmFolder);
  const int end = RunTool(host.parent, pgm.filePath(QString::fromLatin1(tool)));
  if (end != kToolEndedEarly) return end == 0;

  const std::string parameterFile =
      ToLocalPath(pgm.filePath(QString::fromLatin1(kParameterFileName)));
  for (size_t i = 0; i < stopRemoves.size(); ++i) {
    const std::string& path = stopRemoves[i];
    const FileState now = StateOfFile(path);
    if (now.regular && !SameState(now, before[i]) && !SameFile(path, host.job->inputFile) &&
        !SameFile(path, parameterFile))
      DiscardOwnFile(path.c_str(), -1, now.id);
  }
  ShowStopMessage(host.parent, QStringLiteral("%1 ended before the end of its run: the files of "
                                              "this run are incomplete and were removed.")
                                   .arg(QString::fromLatin1(tool)));
  return false;
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
  PaintBeforeLongWork(host.parent);
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
  // The tool's messages go where the front-end's go; its standard output
  // tells whether its run finished.
  process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  process.start(path, {QString::fromLatin1(kLaunchToken)});
  if (!process.waitForStarted(-1)) {
    ShowStopMessage(parent, QStringLiteral("Cannot run conversion program!"));
    return kToolNotStarted;
  }
  process.waitForFinished(-1);
  if (process.exitStatus() == QProcess::NormalExit) return process.exitCode();
  return process.readAllStandardOutput().contains(kRunFinishedLine) ? kToolEndedFinished
                                                                    : kToolEndedEarly;
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
  const JobSettings& job = *host.job;
  const char* tool = ToolNames[static_cast<size_t>(conversionIndex)];
  // A program that writes no warning file leaves one of that name as it was,
  // so it is not among the files its run made or changed.
  RunToolWithRow(host, FormatRow(kConversionRowType, job), tool,
                 {job.outputFile, DeriveReportName(job.inputFile, std::string(".e") + tool),
                  DeriveReportName(job.inputFile, std::string(".w") + tool)});
}

void RunCheck(const ToolRunHost& host) {
  if (!RunWizard<CCHKwizard>(host, kCheckRowType)) return;
  JobSettings& job = *host.job;
  if (!RunToolWithRow(
          host, FormatRow(kCheckRowType, job), "Tesmar",
          {job.outputFile, DeriveReportName(job.inputFile, ".err"),
           DeriveReportName(job.inputFile, ".chk"), DeriveReportName(job.outputFile, ".log")}))
    return;
  // The check program removes a log that recorded nothing.
  OpenReportIfReadable(host, DeriveReportName(job.outputFile, ".log"));
}

void RunMultiplePrimary(const ToolRunHost& host) {
  if (!RunWizard<CMULwizard>(host, kMultiplePrimaryRowType)) return;
  JobSettings& job = *host.job;
  // A Stop keeps the list of multiples, whatever part of it is written.
  if (!RunToolWithRow(host, FormatRow(kMultiplePrimaryRowType, job), "Multiple",
                      {job.outputFile, DeriveReportName(job.inputFile, ".exl")}))
    return;
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
