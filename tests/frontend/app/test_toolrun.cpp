// The check and multiple-primary commands with stand-in tool programs in a
// temporary tools folder: the wizard is driven inside its modal run, then
// the parameter file, the tool's argument, its exit and the report opened
// are looked at.
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <functional>

#include "frontend/app/toolrun.h"
#include "frontend/wizards/chkwizard.h"
#include "frontend/wizards/chkwizfiles.h"
#include "frontend/wizards/chkwizlayout.h"
#include "frontend/wizards/layoutvariants.h"
#include "frontend/wizards/mulwizard.h"
#include "frontend/wizards/mulwizfiles.h"
#include "frontend/wizards/mulwizlayout.h"
#include "tests/common/tempfolder.h"
#include "tests/frontend/wizards/wizardtesting.h"

using namespace kelvarin;
using namespace kelvarin::test;
namespace fs = std::filesystem;

namespace {

// A stand-in tool: it keeps its arguments and the parameter file it found,
// writes a report where the real tool would, and exits as told. A negative
// exit makes it kill itself.
void WriteStandIn(const std::string& path, int exitCode, const std::string& report) {
  std::string script = "#!/bin/sh\nhere=$(dirname \"$0\")\n"
                       "printf '%s\\n' \"$#\" \"$@\" > \"$here/arguments.txt\"\n"
                       "cp \"$here/parameter.dat\" \"$here/parameter.seen\"\n";
  if (!report.empty()) script += "printf 'report\\n' > '" + report + "'\n";
  script += exitCode < 0 ? "kill -SEGV $$\n" : "exit " + std::to_string(exitCode) + "\n";
  std::ofstream(path) << script;
  fs::permissions(path, fs::perms::owner_all);
}

std::string Repeat(const std::string& text, int times) {
  std::string all;
  for (int i = 0; i < times; ++i) all += text;
  return all;
}

// Drives the wizard that the command runs modally, once it is shown.
template <typename Wizard>
void WhenShown(std::function<void(Wizard&)> drive) {
  QTimer::singleShot(0, [drive] {
    auto* wizard = qobject_cast<Wizard*>(QApplication::activeModalWidget());
    if (wizard == nullptr) qFatal("the wizard is not shown");
    drive(*wizard);
    if (wizard->isVisible()) wizard->reject();  // a page that refused: end the run
  });
}

void FillFiles(QWizard& wizard, CWizFiles* files, const std::string& input, const std::string& output) {
  files->inputEdit()->setText(PathText(input));
  files->outputEdit()->setText(PathText(output));
  Press(wizard, QWizard::NextButton);
}

// A check that defines the registration number and the topography: the
// Format page is skipped.
void DriveCheck(CCHKwizard& wizard, const std::string& input, const std::string& output) {
  FillFiles(wizard, wizard.filesPage(), input, output);
  DefineVariable(wizard.layoutPage(), kCheckRegNo, 1, 8);
  DefineVariable(wizard.layoutPage(), kCheckTopography, 10, 13);
  Press(wizard, QWizard::NextButton);
  Press(wizard, QWizard::FinishButton);
}

void DriveMultiple(CMULwizard& wizard, const std::string& input, const std::string& output, bool separateList) {
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

struct ToolRun {
  TempFolder folder;
  std::string pgm = folder.PathOf("pgm");
  std::string input = folder.Write("records.txt", Records(15, 40));
  std::string output = folder.PathOf("checked.txt");
  JobSettings job;
  QStringList opened;
  MessageRecorder messages;

  ToolRun() { fs::create_directory(pgm); }
  ToolRunHost Host() {
    return {&job, PathText(pgm), nullptr, [this](const QString& path) { opened << path; }};
  }
  std::string Seen(const char* name) const { return TempFolder::Read(pgm + "/" + name); }
  void RunCheckCommand() {
    WhenShown<CCHKwizard>([this](CCHKwizard& wizard) { DriveCheck(wizard, input, output); });
    RunCheck(Host());
  }
};

}  // namespace

class ToolRunTest : public QObject {
  Q_OBJECT

 private slots:
  void checkRunsTesmarAndOpensItsLog();
  void logNamedAsTheToolNamesIt();
  void toolThatDidNotFinishOpensNothing();
  void missingToolGivesItsMessage();
  void parameterFileThatCannotBeWrittenStopsTheRun();
  void cancelLeavesTheJobUntouched();
  void multiplePrimaryOpensTheListBesideTheInput();
  void multiplePrimaryWithoutTheListTellsWhereTheNumbersAre();
};

void ToolRunTest::checkRunsTesmarAndOpensItsLog() {
  ToolRun run;
  run.job.optionB = 1;  // left by a conversion
  const std::string log = run.folder.PathOf("checked.log");
  WriteStandIn(run.pgm + "/Tesmar", 0, log);
  run.RunCheckCommand();
  QCOMPARE(run.messages.Take(), QStringList());
  QCOMPARE(run.Seen("arguments.txt"), std::string("1\n730462\n"));
  QCOMPARE(run.Seen("parameter.seen"), run.input + "\n" + run.output + "\n" + "1 8 -1 -1 10 13" +
                                           Repeat(" -1", 16) + " 5 6 7 7 1 2 40 630 0 999\n");
  QCOMPARE(run.opened, QStringList{PathText(log)});
  // The copy-back happened before the run.
  QCOMPARE(run.job.topographyStart, 10);
  QCOMPARE(run.job.recordLength, 40);
  QCOMPARE(run.job.fileSize, uint64_t(630));
  QCOMPARE(run.job.outputFile, run.output);
}

void ToolRunTest::logNamedAsTheToolNamesIt() {
  ToolRun run;
  fs::create_directory(run.folder.PathOf("out.d"));
  run.output = run.folder.PathOf("out.d/result");
  const std::string log = run.folder.PathOf("out.d/result.log");
  WriteStandIn(run.pgm + "/Tesmar", 0, log);
  run.folder.Write("out.log", "not this one\n");
  run.RunCheckCommand();
  QCOMPARE(run.opened, QStringList{PathText(log)});

  // A run whose log the tool removed opens nothing and says nothing.
  WriteStandIn(run.pgm + "/Tesmar", 0, "");
  fs::remove(log);
  run.opened.clear();
  fs::remove(run.folder.PathOf("records.frm"));  // the next layout is clicked anew
  fs::remove(run.pgm + "/arguments.txt");
  run.RunCheckCommand();
  QCOMPARE(run.opened, QStringList());
  QCOMPARE(run.messages.Take(), QStringList());
  QVERIFY(fs::exists(run.pgm + "/arguments.txt"));
}

void ToolRunTest::toolThatDidNotFinishOpensNothing() {
  for (int exitCode : {1, 3, -1}) {
    ToolRun run;
    WriteStandIn(run.pgm + "/Tesmar", exitCode, run.folder.PathOf("checked.log"));
    run.RunCheckCommand();
    QVERIFY(fs::exists(run.folder.PathOf("checked.log")));
    QCOMPARE(run.opened, QStringList());
    QCOMPARE(run.messages.Take(), QStringList());
  }
}

void ToolRunTest::missingToolGivesItsMessage() {
  ToolRun run;
  run.RunCheckCommand();
  QCOMPARE(run.messages.Take(), QStringList{"stop: Cannot run conversion program!"});
  QVERIFY(fs::exists(run.pgm + "/parameter.dat"));
  QCOMPARE(run.opened, QStringList());
}

void ToolRunTest::parameterFileThatCannotBeWrittenStopsTheRun() {
  ToolRun run;
  WriteStandIn(run.pgm + "/Tesmar", 0, run.folder.PathOf("checked.log"));
  fs::create_directory(run.pgm + "/parameter.dat");
  run.RunCheckCommand();
  QCOMPARE(run.messages.Take(),
           QStringList{"stop: Cannot write the parameter file\n" + PathText(run.pgm + "/parameter.dat")});
  QVERIFY(!fs::exists(run.pgm + "/arguments.txt"));
  QCOMPARE(run.opened, QStringList());
  QCOMPARE(run.job.regNoStart, 1);  // the copy-back stands
}

void ToolRunTest::cancelLeavesTheJobUntouched() {
  ToolRun run;
  WriteStandIn(run.pgm + "/Tesmar", 0, run.folder.PathOf("checked.log"));
  run.job.inputFile = "/elsewhere/old.txt";
  WhenShown<CCHKwizard>([&run](CCHKwizard& wizard) {
    FillFiles(wizard, wizard.filesPage(), run.input, run.output);
    DefineVariable(wizard.layoutPage(), kCheckRegNo, 1, 8);
    DefineVariable(wizard.layoutPage(), kCheckSex, 9, 9);
    Press(wizard, QWizard::NextButton);
    Press(wizard, QWizard::CancelButton);
  });
  RunCheck(run.Host());
  QCOMPARE(run.job.inputFile, std::string("/elsewhere/old.txt"));
  QCOMPARE(run.job.regNoStart, -1);
  QCOMPARE(run.job.recordLength, 0);
  QVERIFY(!fs::exists(run.pgm + "/parameter.dat"));
  QVERIFY(!fs::exists(run.pgm + "/arguments.txt"));
  QVERIFY(!fs::exists(run.folder.PathOf("records.frm")));
}

void ToolRunTest::multiplePrimaryOpensTheListBesideTheInput() {
  ToolRun run;
  fs::create_directory(run.folder.PathOf("data.d"));
  fs::create_directory(run.folder.PathOf("results"));
  run.input = run.folder.Write("data.d/cases.txt", Records(10, 30, "\n"));
  run.output = run.folder.PathOf("results/result.dat");
  const std::string list = run.folder.PathOf("data.d/cases.mul");
  WriteStandIn(run.pgm + "/Multiple", 0, list);
  WhenShown<CMULwizard>([&run](CMULwizard& wizard) { DriveMultiple(wizard, run.input, run.output, true); });
  RunMultiplePrimary(run.Host());
  QCOMPARE(run.messages.Take(), QStringList());
  QCOMPARE(run.Seen("arguments.txt"), std::string("1\n730462\n"));
  QCOMPARE(run.Seen("parameter.seen"), run.input + "\n" + run.output + "\n" +
                                           "1 8 -1 -1 9 9 10 13 14 17 18 18 21 28 0 1 2 0 1 1 30 310\n");
  QCOMPARE(run.opened, QStringList{PathText(list)});
  QCOMPARE(run.job.incidenceDateFormat, 0);
  QCOMPARE(run.job.duplicatesToFile, 1);
  QVERIFY(fs::exists(run.folder.PathOf("data.d/cases.mpr")));
}

void ToolRunTest::multiplePrimaryWithoutTheListTellsWhereTheNumbersAre() {
  ToolRun run;
  run.input = run.folder.Write("cases.txt", Records(10, 30, "\n"));
  run.output = run.folder.PathOf("result.dat");
  WriteStandIn(run.pgm + "/Multiple", 0, run.folder.PathOf("cases.mul"));
  WhenShown<CMULwizard>([&run](CMULwizard& wizard) { DriveMultiple(wizard, run.input, run.output, false); });
  RunMultiplePrimary(run.Host());
  QCOMPARE(run.messages.Take(),
           QStringList{"information: A number greater than 0 indicating a duplicate registration has been added "
                       "at the end of the corresponding record in the file " +
                       PathText(run.output)});
  QCOMPARE(run.opened, QStringList());
  QCOMPARE(run.job.duplicatesToFile, 0);
}

QTEST_MAIN(ToolRunTest)
#include "test_toolrun.moc"
