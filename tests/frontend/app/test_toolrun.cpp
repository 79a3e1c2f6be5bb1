// The check and multiple-primary commands with stand-in tool programs in a
// temporary tools folder: the wizard is driven inside its modal run, then
// the parameter file, the tool's argument, its exit and the report opened
// are looked at.
#include <QScopeGuard>
#include <QTest>

#include <signal.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <functional>
#include <map>
#include <set>
#include <thread>

#include "frontend/app/toolrun.h"
#include "frontend/wizards/transwiz1.h"
#include "frontend/wizards/transwiz2.h"
#include "frontend/wizards/transwizard.h"
#include "tests/frontend/app/toolruntesting.h"
#include "tests/support/enginerun.h"
#include "tests/support/testfiles.h"
#include "tools/check/tesmarengine.h"

using namespace kelvarin;
using namespace kelvarin::test;
namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

struct ToolRun {
  TempDir folder;
  std::string pgm = folder / "pgm";
  std::string input = folder.Write("records.txt", Records(15, 40));
  std::string output = folder / "checked.txt";
  JobSettings job;
  QStringList opened;
  QStringList helpTopics;
  MessageRecorder messages;

  ToolRun() { fs::create_directory(pgm); }
  ToolRunHost Host() {
    return {&job, FromLocalPath(pgm), nullptr, [this](const QString& path) { opened << path; },
            [this](const QString& topic) { helpTopics << topic; }};
  }
  std::string Seen(const char* name) const { return ReadFile(pgm + "/" + name); }
  void RunCheckCommand() {
    WhenShown<CCHKwizard>([this](CCHKwizard& wizard) { DriveCheck(wizard, input, output); });
    RunCheck(Host());
  }
};

// Kills the program at `path` with `signo` from a thread of its own once
// `ready` holds (in the middle of its run), or after 30 seconds; `meanwhile`
// runs just before the kill.
struct KillWhen {
  std::atomic<bool> done{false};
  std::thread killer;
  KillWhen(const std::string& path, std::function<bool()> ready, int signo = SIGKILL,
           std::function<void()> meanwhile = {})
      : killer([this, program = fs::canonical(path), ready, signo, meanwhile] {
          const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
          for (std::error_code error; !done; std::this_thread::sleep_for(5ms)) {
            if (!ready() && std::chrono::steady_clock::now() < deadline) continue;
            for (const auto& entry : fs::directory_iterator("/proc", error))
              if (fs::read_symlink(entry.path() / "exe", error) == program) {
                if (meanwhile) meanwhile();
                return void(::kill(std::stoi(entry.path().filename()), signo));
              }
          }
        }) {}
  ~KillWhen() {
    done = true;
    killer.join();
  }
};

// Whether `watched` holds something.
std::function<bool()> Written(const std::string& watched) {
  return [watched] {
    std::error_code error;
    const auto size = fs::file_size(watched, error);
    return !error && size != 0;
  };
}

// The regular files of a folder, by name.
std::set<std::string> Listing(const std::string& folder) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder))
    if (entry.is_regular_file()) names.insert(entry.path().filename());
  return names;
}

QString KilledMessage(const char* tool, const char* end = " were removed.") {
  return QStringLiteral("stop: ") + tool +
         " ended before the end of its run: the files of this run are incomplete and" + end;
}

}  // namespace

class ToolRunTest : public QObject {
  Q_OBJECT

 private slots:
  void checkRunsTesmarAndOpensItsLog();
  void logNamedAsTheToolNamesIt();
  void toolThatDidNotFinishOpensNothing();
  void killedToolTakesBackOnlyWhatItToldOf();
  void builtToolKilledMidRunLeavesWhatItsStopLeaves();
  void secondRunRefusedAndKilledLeavesTheFirstRunAlone();
  void missingToolGivesItsMessage();
  void parameterFileThatCannotBeWrittenStopsTheRun();
  void cancelLeavesTheJobUntouched();
  void multiplePrimaryOpensTheListBesideTheInput();
  void multiplePrimaryWithoutTheListTellsWhereTheNumbersAre();
  void wizardIsGoneWhenTheToolStarts();
  void fileTransferTakesThePathsBack();
};

void ToolRunTest::checkRunsTesmarAndOpensItsLog() {
  ToolRun run;
  run.job.optionB = 1;  // left by a conversion
  const std::string log = run.folder / "checked.log";
  WriteStandIn(run.pgm + "/Tesmar", 0, log);
  run.RunCheckCommand();
  QCOMPARE(run.messages.Take(), QStringList());
  QCOMPARE(run.Seen("arguments.txt"), std::string("1\n730462\n"));
  QCOMPARE(run.Seen("parameter.seen"), run.input + "\n" + run.output + "\n" + "1 8 -1 -1 10 13" +
                                           Repeat(" -1", 16) + " 5 6 7 7 1 2 40 630 0 999\n");
  QCOMPARE(run.opened, QStringList{FromLocalPath(log)});
  // The copy-back happened before the run.
  QCOMPARE(run.job.topographyStart, 10);
  QCOMPARE(run.job.recordLength, 40);
  QCOMPARE(run.job.fileSize, uint64_t(630));
  QCOMPARE(run.job.outputFile, run.output);
}

void ToolRunTest::logNamedAsTheToolNamesIt() {
  ToolRun run;
  fs::create_directory(run.folder / "out.d");
  run.output = run.folder / "out.d/result";
  const std::string log = run.folder / "out.d/result.log";
  WriteStandIn(run.pgm + "/Tesmar", 0, log);
  run.folder.Write("out.log", "not this one\n");
  run.RunCheckCommand();
  QCOMPARE(run.opened, QStringList{FromLocalPath(log)});

  // A run whose log the tool removed opens nothing and says nothing.
  WriteStandIn(run.pgm + "/Tesmar", 0, "");
  fs::remove(log);
  run.opened.clear();
  fs::remove(run.folder / "records.frm");  // the next layout is clicked anew
  fs::remove(run.pgm + "/arguments.txt");
  run.RunCheckCommand();
  QCOMPARE(run.opened, QStringList());
  QCOMPARE(run.messages.Take(), QStringList());
  QVERIFY(fs::exists(run.pgm + "/arguments.txt"));
}

void ToolRunTest::toolThatDidNotFinishOpensNothing() {
  const struct {
    int exitCode;   // negative: the tool kills itself
    bool finished;  // it said first that its run finished
    bool logStays;
    QStringList messages;
  } cases[] = {{1, false, true, {}},
               {3, false, true, {}},
               {-1, false, false, {KilledMessage("Tesmar")}},
               {-1, true, true, {}}};
  for (const auto& c : cases) {
    ToolRun run;
    const std::string earlier = run.folder.Write("records.err", "an earlier run's\n");
    WriteStandIn(run.pgm + "/Tesmar", c.exitCode, run.folder / "checked.log", c.finished);
    run.RunCheckCommand();
    QCOMPARE(fs::exists(run.folder / "checked.log"), c.logStays);
    QCOMPARE(ReadFile(earlier), std::string("an earlier run's\n"));  // not this run's
    QCOMPARE(run.opened, QStringList());
    QCOMPARE(run.messages.Take(), c.messages);
  }
}

void ToolRunTest::killedToolTakesBackOnlyWhatItToldOf() {
  // Stand-ins of Tesmar that write into the folder of the run as told, then
  // kill themselves; "notes.txt" and "records.chk" are the user's.
  const struct {
    const char* name;
    const char* script;
    std::map<std::string, std::string> after;  // name -> content; "<missing>" when gone
    QString message;
  } cases[] = {
      {"told files are removed",
       "echo half > checked.txt; tell checked.txt; tell records.err",
       {{"checked.txt", "<missing>"}, {"records.chk", "the user's\n"}},
       KilledMessage("Tesmar")},
      {"a file moved onto a told name stays",
       "echo half > checked.txt; tell checked.txt; mv notes.txt checked.txt; tell records.err",
       {{"checked.txt", "notes\n"}, {"records.err", "<missing>"}},
       KilledMessage("Tesmar")},
      {"a file it never told stays, though it changed during the run",
       "tell checked.txt; echo more >> records.chk",
       {{"checked.txt", "<missing>"}, {"records.chk", "the user's\nmore\n"}},
       KilledMessage("Tesmar")},
      {"a file reached through a link is emptied",
       "echo half > elsewhere.txt; ln -sf elsewhere.txt records.err; tell records.err",
       {{"elsewhere.txt", ""}, {"records.chk", "the user's\n"}},
       KilledMessage("Tesmar", " were emptied.")},
      {"a file the tool took back itself counts as removed",
       "tell checked.txt; printf 'Run file removed %s: %s\\n' "
       "\"$(stat -c '%d %i' checked.txt)\" \"$PWD/checked.txt\"; rm checked.txt",
       {{"checked.txt", "<missing>"}},
       KilledMessage("Tesmar")},
      {"a file that can be neither removed nor emptied is named",
       "tell checked.txt; tell records.err; chattr +i records.err",
       {{"checked.txt", "<missing>"}},
       KilledMessage("Tesmar",
                     " were removed, all but this one, which could be neither removed "
                     "nor emptied:\n%1/records.err")},
      {"nothing told, nothing touched",
       "echo half > checked.txt",
       {{"checked.txt", "half\n"}, {"notes.txt", "notes\n"}},
       "stop: Tesmar ended before the end of its run."},
  };
  for (const auto& c : cases) {
    ToolRun run;
    run.folder.Write("notes.txt", "notes\n");
    run.folder.Write("records.chk", "the user's\n");
    run.folder.Write("records.err", "an earlier run's\n");
    WriteFile(run.pgm + "/Tesmar", std::string("#!/bin/sh\ncd '") + run.folder.path() + "'\n" +
                                       kTellRunFile + "touch checked.txt records.err\n" + c.script +
                                       "\nkill -KILL $$\n");
    fs::permissions(run.pgm + "/Tesmar", fs::perms::owner_all);
    run.RunCheckCommand();
    const QStringList messages = run.messages.Take();
    const QString expected = QString(c.message).replace("%1", FromLocalPath(run.folder.path()));
    // A file system without an immutable flag keeps no file from root.
    if (::system(("chattr -i '" + (run.folder / "records.err") + "' 2>/dev/null").c_str()) != 0 &&
        expected.contains("neither"))
      continue;
    QVERIFY2(messages == QStringList{expected}, qPrintable(c.name + (": " + messages.join('|'))));
    for (const auto& [name, content] : c.after)
      QVERIFY2(ReadFile(run.folder / name) == content, (std::string(c.name) + ": " + name).c_str());
    QCOMPARE(ReadFile(run.input), Records(15, 40));
    QCOMPARE(run.opened, QStringList());
  }
}

void ToolRunTest::builtToolKilledMidRunLeavesWhatItsStopLeaves() {
  const struct {
    const char* tool;
    int signo;
    const char* watched;
    std::set<std::string> left;  // the input, its layout file and what a stop keeps
  } cases[] = {
      // A file the user moves onto the output's name stays.
      {"Tesmar", SIGKILL, "records.err", {"records.txt", "records.frm", "checked.txt"}},
      {"Tesmar", SIGTERM, "records.err", {"records.txt", "records.frm", "checked.txt"}},
      // The list of multiples begun while the records are read stays.
      {"Multiple", SIGKILL, "records.exl", {"records.txt", "records.mpr", "records.mul"}},
      {"Multiple", SIGTERM, "records.exl", {"records.txt", "records.mpr", "records.mul"}},
  };
  for (const auto& c : cases) {
    ToolRun run;
    run.input = run.folder.Write("records.txt", Records(50000, 40));
    const std::string program = run.pgm + "/" + c.tool;
    fs::copy_file(fs::path(KELVARIN_PGM_DIR) / c.tool, program);
    const bool check = std::string(c.tool) == "Tesmar";
    const std::string notes = run.folder.Write("notes.dat", "the user's notes\n");
    {
      KillWhen killing(program, Written(run.folder / c.watched), c.signo, [&] {
        if (check) fs::rename(notes, run.output);
      });
      if (check) {
        run.RunCheckCommand();
      } else {
        WhenShown<CMULwizard>(
            [&run](CMULwizard& wizard) { DriveMultiple(wizard, run.input, run.output, true); });
        RunMultiplePrimary(run.Host());
      }
    }
    QCOMPARE(run.messages.Take(), QStringList{KilledMessage(c.tool)});
    std::set<std::string> left = Listing(run.folder.path());
    if (!check) left.erase("notes.dat");
    QCOMPARE(left, c.left);
    if (check) QCOMPARE(ReadFile(run.output), std::string("the user's notes\n"));
    QCOMPARE(run.opened, QStringList());
  }
}

// A check of the same input while another run checks it: its Tesmar refuses
// to start, since the first run holds the error file, and is then killed.
// The first run's files are left alone, and it ends whole.
void ToolRunTest::secondRunRefusedAndKilledLeavesTheFirstRunAlone() {
  ToolRun run;
  run.input = run.folder.Write("records.txt", Records(50000, 40));
  const std::string first = run.folder / "first.txt";
  const std::string parameters =
      run.folder.Write("first.parameters", run.input + "\n" + first + "\n1 8 -1 -1 10 13" +
                                               Repeat(" -1", 16) + " 5 6 7 7 1 2 40 0 0 999\n");
  TesmarEngine engine;
  QVERIFY(engine.Start(parameters, FixedStartTime()));
  const std::set<std::string> during = Listing(run.folder.path());
  // The first run goes on meanwhile, at a pace that outlasts the second.
  std::thread firstRun([&engine] {
    while (engine.Step(100) == StepStatus::kRunning) std::this_thread::sleep_for(10ms);
  });
  const auto joinFirstRun = qScopeGuard([&firstRun] {
    if (firstRun.joinable()) firstRun.join();
  });

  const std::string program = run.pgm + "/Tesmar";
  fs::copy_file(fs::path(KELVARIN_PGM_DIR) / "Tesmar", program);
  const auto started = std::chrono::steady_clock::now();
  {
    // The refusal's box waits for its OK when the kill comes.
    KillWhen killing(program,
                     [started] { return std::chrono::steady_clock::now() - started > 1500ms; });
    run.RunCheckCommand();
  }
  QCOMPARE(run.messages.Take(), QStringList{"stop: Tesmar ended before the end of its run."});
  std::set<std::string> now = Listing(run.folder.path());
  now.erase("records.frm");  // the second run's layout
  QCOMPARE(now, during);

  firstRun.join();
  QVERIFY(engine.endOfInput());
  QVERIFY(engine.Finish());
  // Its log names its reports, and they are there.
  const std::string log = ReadFile(run.folder / "first.log");
  QVERIFY(log.find("recorded in " + (run.folder / "records.err")) != std::string::npos);
  QVERIFY(Exists(run.folder / "records.err"));
  QCOMPARE(log.find("records.chk") != std::string::npos, Exists(run.folder / "records.chk"));
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
  WriteStandIn(run.pgm + "/Tesmar", 0, run.folder / "checked.log");
  fs::create_directory(run.pgm + "/parameter.dat");
  run.RunCheckCommand();
  QCOMPARE(run.messages.Take(), QStringList{"stop: Cannot write the parameter file\n" +
                                            FromLocalPath(run.pgm + "/parameter.dat")});
  QVERIFY(!fs::exists(run.pgm + "/arguments.txt"));
  QCOMPARE(run.opened, QStringList());
  QCOMPARE(run.job.regNoStart, 1);  // the copy-back stands
}

void ToolRunTest::cancelLeavesTheJobUntouched() {
  ToolRun run;
  WriteStandIn(run.pgm + "/Tesmar", 0, run.folder / "checked.log");
  run.job.inputFile = "/elsewhere/old.txt";
  WhenShown<CCHKwizard>([&run](CCHKwizard& wizard) {
    FillFiles(wizard, wizard.filesPage(), run.input, run.output);
    DefineVariable(wizard.layoutPage(), kCheckRegNo, 1, 8);
    DefineVariable(wizard.layoutPage(), kCheckSex, 9, 9);
    Press(wizard, QWizard::NextButton);
    Press(wizard, QWizard::HelpButton);
    Press(wizard, QWizard::CancelButton);
  });
  RunCheck(run.Host());
  QCOMPARE(run.helpTopics, QStringList{"htm/WizFormatCHK.htm"});
  QCOMPARE(run.job.inputFile, std::string("/elsewhere/old.txt"));
  QCOMPARE(run.job.regNoStart, -1);
  QCOMPARE(run.job.recordLength, 0);
  QVERIFY(!fs::exists(run.pgm + "/parameter.dat"));
  QVERIFY(!fs::exists(run.pgm + "/arguments.txt"));
  QVERIFY(!fs::exists(run.folder / "records.frm"));
}

void ToolRunTest::multiplePrimaryOpensTheListBesideTheInput() {
  ToolRun run;
  fs::create_directory(run.folder / "data.d");
  fs::create_directory(run.folder / "results");
  run.input = run.folder.Write("data.d/cases.txt", Records(10, 30, "\n"));
  run.output = run.folder / "results/result.dat";
  const std::string list = run.folder / "data.d/cases.mul";
  WriteStandIn(run.pgm + "/Multiple", 0, list);
  WhenShown<CMULwizard>(
      [&run](CMULwizard& wizard) { DriveMultiple(wizard, run.input, run.output, true); });
  RunMultiplePrimary(run.Host());
  QCOMPARE(run.messages.Take(), QStringList());
  QCOMPARE(run.Seen("arguments.txt"), std::string("1\n730462\n"));
  QCOMPARE(run.Seen("parameter.seen"),
           run.input + "\n" + run.output + "\n" +
               "1 8 -1 -1 9 9 10 13 14 17 18 18 21 28 0 1 2 0 1 1 30 310\n");
  QCOMPARE(run.opened, QStringList{FromLocalPath(list)});
  QCOMPARE(run.job.incidenceDateFormat, 0);
  QCOMPARE(run.job.duplicatesToFile, 1);
  QVERIFY(fs::exists(run.folder / "data.d/cases.mpr"));
}

void ToolRunTest::multiplePrimaryWithoutTheListTellsWhereTheNumbersAre() {
  ToolRun run;
  run.input = run.folder.Write("cases.txt", Records(10, 30, "\n"));
  run.output = run.folder / "result.dat";
  WriteStandIn(run.pgm + "/Multiple", 0, run.folder / "cases.mul");
  WhenShown<CMULwizard>(
      [&run](CMULwizard& wizard) { DriveMultiple(wizard, run.input, run.output, false); });
  RunMultiplePrimary(run.Host());
  QCOMPARE(
      run.messages.Take(),
      QStringList{
          "information: A number greater than 0 indicating a duplicate registration has been added "
          "at the end of the corresponding record in the file " +
          FromLocalPath(run.output)});
  QCOMPARE(run.opened, QStringList());
  QCOMPARE(run.job.duplicatesToFile, 0);
}

void ToolRunTest::wizardIsGoneWhenTheToolStarts() {
  ToolRun run;
  const std::string gone = run.pgm + "/wizard.gone";
  // The wizard leaves a mark beside the tool as it is destroyed.
  const auto markWhenDestroyed = [&gone](QWidget& wizard) {
    QObject::connect(&wizard, &QObject::destroyed, [&gone] { WriteFile(gone, ""); });
  };
  WriteStandIn(run.pgm + "/Tesmar", 0, "");
  WhenShown<CCHKwizard>([&](CCHKwizard& wizard) {
    markWhenDestroyed(wizard);
    DriveCheck(wizard, run.input, run.output);
  });
  RunCheck(run.Host());
  QCOMPARE(run.Seen("wizard.seen"), gone + "\n");

  fs::remove(gone);
  WriteStandIn(run.pgm + "/Multiple", 0, "");
  WhenShown<CMULwizard>([&](CMULwizard& wizard) {
    markWhenDestroyed(wizard);
    DriveMultiple(wizard, run.input, run.output, true);
  });
  RunMultiplePrimary(run.Host());
  QCOMPARE(run.Seen("wizard.seen"), gone + "\n");
}

void ToolRunTest::fileTransferTakesThePathsBack() {
  ToolRun run;
  run.input = run.folder.Write("cases.csv", "Id;Sex;Note\r\n7;1;a\r\n12;2;b\r\n");
  run.output = run.folder / "cases.prn";
  run.job.firstRowHasNames = 1;
  run.job.regNoStart = 3;
  const auto drive = [&run](bool finish) {
    WhenShown<CTRANSwizard>([&run, finish](CTRANSwizard& wizard) {
      wizard.settings().inputFolder = "/chosen/in";  // as Browse sets them
      wizard.settings().outputFolder = "/chosen/out";
      wizard.filesPage()->firstRowHasNamesBox()->setChecked(true);
      FillFiles(wizard, wizard.filesPage(), run.input, run.output);
      Press(wizard, QWizard::HelpButton);
      if (!finish) return Press(wizard, QWizard::CancelButton);
      Press(wizard, QWizard::FinishButton);
      QVERIFY(QTest::qWaitFor(
          [&wizard] { return wizard.columnsPage()->transferState() == CTRANSwiz2::kFinished; }));
      Press(wizard, QWizard::FinishButton);
    });
  };
  drive(false);
  RunFileTransfer(run.Host());
  QCOMPARE(run.job.inputFile, std::string());
  QCOMPARE(run.job.firstRowHasNames, 1);

  drive(true);
  RunFileTransfer(run.Host());
  QCOMPARE(run.messages.Take(), QStringList());
  QCOMPARE(run.helpTopics, QStringList(2, "htm/FileTransfer.htm"));
  QCOMPARE(ReadFile(run.output), std::string("    1\n    2\n"));  // Sex, ticked by its name
  QCOMPARE(run.job.inputFile, run.input);
  QCOMPARE(run.job.outputFile, run.output);
  QCOMPARE(run.job.inputFolder, std::string("/chosen/in"));
  QCOMPARE(run.job.outputFolder, std::string("/chosen/out"));
  QCOMPARE(run.job.firstRowHasNames, 0);
  QCOMPARE(run.job.regNoStart, 3);
  QVERIFY(fs::is_empty(run.pgm));  // no parameter file, no tool
}

QTEST_MAIN(ToolRunTest)
#include "test_toolrun.moc"
