// Helpers of the tool-run tests: stand-in tool programs, and the check and
// multiple-primary wizards driven inside the modal run of their command.
#pragma once

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QTimer>

#include <filesystem>
#include <functional>
#include <string>

#include "common/parameterfile.h"
#include "frontend/wizards/chkwizard.h"
#include "frontend/wizards/chkwizfiles.h"
#include "frontend/wizards/chkwizlayout.h"
#include "frontend/wizards/layoutvariants.h"
#include "frontend/wizards/mulwizard.h"
#include "frontend/wizards/mulwizfiles.h"
#include "frontend/wizards/mulwizlayout.h"
#include "tests/frontend/wizards/wizardtesting.h"
#include "tests/support/testfiles.h"

namespace kelvarin::test {
// Shell lines of a stand-in tool: `tell FILE` says on its standard output,
// as a tool does, that the run made or emptied FILE.
inline const char* kTellRunFile =
    "tell() { printf 'Run file %s: %s\\n' \"$(stat -L -c '%d %i' \"$1\")\" \"$(realpath -s "
    "\"$1\")\"; "
    "}\n";

// A stand-in tool: it keeps its arguments and the parameter file it found,
// notes whether the file "wizard.gone" stood beside it, writes a report
// where the real tool would and tells it, says that its run finished when
// told, and exits as told. A negative exit makes it kill itself.
inline void WriteStandIn(const std::string& path, int exitCode, const std::string& report,
                         bool finished = false) {
  std::string script =
      "#!/bin/sh\nhere=$(dirname \"$0\")\n"
      "printf '%s\\n' \"$#\" \"$@\" > \"$here/arguments.txt\"\n"
      "cp \"$here/parameter.dat\" \"$here/parameter.seen\"\n"
      "ls \"$here/wizard.gone\" > \"$here/wizard.seen\" 2>/dev/null\n";
  if (!report.empty())
    script += std::string(kTellRunFile) + "printf 'report\\n' > '" + report + "'\ntell '" + report +
              "'\n";
  if (finished) script += std::string("printf '%s' '") + kRunFinishedLine + "'\n";
  script += exitCode < 0 ? "kill -SEGV $$\n" : "exit " + std::to_string(exitCode) + "\n";
  WriteFile(path, script);
  std::filesystem::permissions(path, std::filesystem::perms::owner_all);
}

inline std::string Repeat(const std::string& text, int times) {
  std::string all;
  for (int i = 0; i < times; ++i) all += text;
  return all;
}

// Drives the wizard that the command runs modally, once it is shown.
template <typename Wizard>
inline void WhenShown(std::function<void(Wizard&)> drive) {
  QTimer::singleShot(0, [drive] {
    auto* wizard = qobject_cast<Wizard*>(QApplication::activeModalWidget());
    if (wizard == nullptr) qFatal("the wizard is not shown");
    drive(*wizard);
    if (wizard->isVisible()) wizard->reject();  // a page that refused: end the run
  });
}

inline void FillFiles(QWizard& wizard, CWizFiles* files, const std::string& input,
                      const std::string& output) {
  files->inputEdit()->setText(FromLocalPath(input));
  files->outputEdit()->setText(FromLocalPath(output));
  Press(wizard, QWizard::NextButton);
}

// A check that defines the registration number and the topography: the
// Format page is skipped.
inline void DriveCheck(CCHKwizard& wizard, const std::string& input, const std::string& output) {
  FillFiles(wizard, wizard.filesPage(), input, output);
  DefineVariable(wizard.layoutPage(), kCheckRegNo, 1, 8);
  DefineVariable(wizard.layoutPage(), kCheckTopography, 10, 13);
  Press(wizard, QWizard::NextButton);
  Press(wizard, QWizard::FinishButton);
}

inline void DriveMultiple(CMULwizard& wizard, const std::string& input, const std::string& output,
                          bool separateList) {
  FillFiles(wizard, wizard.filesPage(), input, output);
  CWizLayout* layout = wizard.layoutPage();
  DefineVariable(layout, 0, 1, 8);
  DefineVariable(layout, 2, 9, 9);
  DefineVariable(layout, 3, 10, 13);
  DefineVariable(layout, 4, 14, 17);
  DefineVariable(layout, 5, 18, 18);
  DefineVariable(layout, 6, 21, 28);
  layout->optionBox(2)->setChecked(separateList);
  Press(wizard, QWizard::NextButton);
  Press(wizard, QWizard::FinishButton);
}

}  // namespace kelvarin::test
