#include "frontend/app/toolrun.h"

#include <QDir>
#include <QProcess>
#include <QStringList>
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
#include "platform/longwork.h"
#include "platform/messagebox.h"

namespace kelvarin {

namespace {

// Opens a report the tool wrote, when it can be read.
void OpenReportIfReadable(const ToolRunHost& host, const std::string& path) {
  if (OpensAsRegularFile(path)) host.openReport(FromLocalPath(path));
}

// The stop box of a tool that a signal ended before the end of its run: it
// says what became of the files of the run, and names those that stay.
QString EndedEarlyMessage(const char* tool, int removed, int emptied, const QStringList& failed) {
  QString text = QString::fromLatin1(tool) + QStringLiteral(" ended before the end of its run");
  const bool one = failed.size() == 1;
  if (removed + emptied > 0) {
    text += QStringLiteral(": the files of this run are incomplete and were %1")
                .arg(emptied == 0   ? QStringLiteral("removed")
                     : removed == 0 ? QStringLiteral("emptied")
                                    : QStringLiteral("removed or emptied"));
    if (!failed.isEmpty())
      text +=
          one ? QStringLiteral(", all but this one, which could be neither removed nor emptied:")
              : QStringLiteral(", all but these, which could be neither removed nor emptied:");
  } else if (!failed.isEmpty()) {
    text += one ? QStringLiteral(
                      ": the files of this run are incomplete. This one could be "
                      "neither removed nor emptied:")
                : QStringLiteral(
                      ": the files of this run are incomplete. These could be neither "
                      "removed nor emptied:");
  }
  if (failed.isEmpty()) return text + QLatin1Char('.');
  return text + QLatin1Char('\n') + failed.join(QLatin1Char('\n'));
}

// Writes the row, starts the tool and tells whether it ended with 0. When a
// signal ends the tool before its run finished, the files it said it made or
// emptied are taken back as its Stop takes them back, each only while its
// name still holds that very file, and the user is told what became of them.
// Nothing else is touched: not the input, not the parameter file, not a file
// put at one of the run's names by someone else.
bool RunToolWithRow(const ToolRunHost& host, const std::string& row, const char* tool) {
  if (!WriteToolParameterFile(host, row)) return false;
  const QDir pgm(host.pgmFolder);
  QByteArray output;
  const int end = RunTool(host.parent, pgm.filePath(QString::fromLatin1(tool)), &output);
  if (end != kToolEndedEarly) return end == 0;

  const std::string parameterFile =
      ToLocalPath(pgm.filePath(QString::fromLatin1(kParameterFileName)));
  const auto isFile = [](const std::string& path, FileId id) {
    FileId named;
    return RegularFileAt(path, &named) && named == id;
  };
  int removed = 0;
  int emptied = 0;
  QStringList failed;
  for (const RunFile& file : ParseRunFileLines(output.toStdString())) {
    // A stop signal the tool caught has taken its files back already.
    TakeBack result = file.result;
    if (!file.takenBack && !isFile(host.job->inputFile, file.id) && !isFile(parameterFile, file.id))
      result = DiscardOwnFile(file.path.c_str(), -1, file.id);
    switch (result) {
      case TakeBack::kRemoved:
        ++removed;
        break;
      case TakeBack::kEmptied:
        ++emptied;
        break;
      case TakeBack::kFailed:
        failed << FromLocalPath(file.path);
        break;
      case TakeBack::kLeftAlone:
        break;
    }
  }
  ShowStopMessage(host.parent, EndedEarlyMessage(tool, removed, emptied, failed));
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

int RunTool(QWidget* parent, const QString& path, QByteArray* output) {
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
  const QByteArray said = process.readAllStandardOutput();
  if (output != nullptr) *output = said;
  if (process.exitStatus() == QProcess::NormalExit) return process.exitCode();
  return said.contains(kRunFinishedLine) ? kToolEndedFinished : kToolEndedEarly;
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
