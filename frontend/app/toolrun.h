// Tool runs from the front-end's commands: the parameter file in the tools'
// folder, the tool started with the launch token and waited for, and the
// check and multiple-primary commands that run their wizard first and open
// the tool's report after it, and the file transfer command.
#pragma once

#include <QString>
#include <functional>
#include <string>

#include "frontend/job/jobsettings.h"

class QByteArray;
class QWidget;

namespace kelvarin {

// The one argument every tool is given; no tool reads it.
inline constexpr const char* kLaunchToken = "730462";

// What RunTool returns besides an exit code.
enum ToolEnd {
  kToolNotStarted = -1,     // after "Cannot run conversion program!"
  kToolEndedEarly = -2,     // a signal ended it (a crash, a kill) before its run finished
  kToolEndedFinished = -3,  // a signal ended it after its run finished, its files whole
};

// Starts a tool program and waits for it to end. Returns its exit code, or
// one of ToolEnd; what the tool wrote on its standard output goes to
// *output when asked for.
int RunTool(QWidget* parent, const QString& path, QByteArray* output = nullptr);

// What a run command needs of the application.
struct ToolRunHost {
  JobSettings* job;                                     // the application's job settings
  QString pgmFolder;                                    // the tools and the parameter file
  QWidget* parent;                                      // of the wizard and the message boxes
  std::function<void(const QString& path)> openReport;  // in the viewer, maximised
  std::function<void(const QString& topic)> showHelp;   // a wizard page's help topic
};

// Writes the parameter file "parameter.dat" of the tools' folder from the
// job's paths and the row; shows a stop message and returns false when it
// cannot be written whole.
bool WriteToolParameterFile(const ToolRunHost& host, const std::string& row);

// Conversions > the conversion of `conversionIndex` (0 to 9): the
// conversion wizard, the copy-back, the conversion row and the program of
// ToolNames; nothing is opened afterwards.
void RunConversion(const ToolRunHost& host, int conversionIndex);

// Tools > Check: the check wizard, the copy-back, the check row, Tesmar, and
// its statistics report (the output file's ".log") when there is one.
void RunCheck(const ToolRunHost& host);

// Tools > Multiple Primary: the multiple-primary wizard, the copy-back, the
// multiple-primary row, Multiple, and its list (the input file's ".mul")
// when it was asked for, else a notice naming the output file.
void RunMultiplePrimary(const ToolRunHost& host);

// Tools > File Transfer: the transfer wizard, which writes the fixed-width
// file itself; on Finish the four paths are taken back. No parameter file is
// written and no tool runs.
void RunFileTransfer(const ToolRunHost& host);

}  // namespace kelvarin
