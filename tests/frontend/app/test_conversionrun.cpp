// The Conversions commands of the application, one run of each family of
// conversions on its sample file: the wizard is driven inside the command,
// the parameter file is checked, and the program's engine, started in the
// program's place in the pgm folder, converts the sample; its output file
// and reports are compared with the expected files. Then the programs that
// are not part of the suite, a parameter file that cannot be written and a
// cancelled wizard.
#include <QCheckBox>
#include <QTest>

#include <filesystem>
#include <memory>

#include "frontend/app/cquandorapp.h"
#include "frontend/res/commandids.h"
#include "frontend/res/toolnames.h"
#include "frontend/shell/cmainframe.h"
#include "frontend/wizards/cvtwizard.h"
#include "frontend/wizards/cvtwizfiles.h"
#include "frontend/wizards/cvtwizlayout.h"
#include "tests/frontend/app/apphome.h"
#include "tests/frontend/app/toolruntesting.h"
#include "tests/support/testfiles.h"

using namespace kelvarin;
using namespace kelvarin::test;
namespace fs = std::filesystem;

namespace {

// The columns of the samples: registration number 1-10, sex 11, site code
// 12-15, histology 16-19, behaviour 20, grade 21; 25 characters.
void MarkSampleColumns(CWizLayout* page) {
  const int columns[][2] = {{1, 10}, {11, 11}, {12, 15}, {16, 19}, {20, 20}, {21, 21}};
  for (int v = 0; v < page->columns().variableCount(); ++v)
    DefineVariable(page, v, columns[v][0], columns[v][1]);
}

// A program that keeps the parameter file it found and converts with the
// engine of the program it stands for, as the program would without its
// window.
void WriteEngineStandIn(const std::string& path, const char* program) {
  WriteFile(path, std::string("#!/bin/sh\nhere=$(dirname \"$0\")\n"
                              "cp \"$here/parameter.dat\" \"$here/parameter.seen\"\n"
                              "exec '" KELVARIN_ENGINE_BENCH "' ") +
                      program + " \"$here/parameter.dat\" > /dev/null\n");
  fs::permissions(path, fs::perms::owner_all);
}

// A report without its dated title line.
std::string Untitled(const std::string& report) {
  const size_t lineEnd = report.find('\n');
  return lineEnd == std::string::npos ? report : report.substr(lineEnd + 1);
}

}  // namespace

class ConversionRunTest : public QObject {
  Q_OBJECT

 private:
  std::string Home(const std::string& name = "") const { return m_home->Path(name); }
  std::unique_ptr<CQuandorApp> Start() { return m_home->Start(); }

  // Runs conversion `index` from its command on `input`, the sample's
  // columns marked (on a first run) and `drive` applied to the page.
  void Convert(CQuandorApp& app, int index, const std::string& input, const std::string& output,
               bool mark, std::function<void(CCVTwizLayout*)> drive = {}) {
    WhenShown<CCVTwizard>([=](CCVTwizard& wizard) {
      QCOMPARE(wizard.settings().conversionIndex, index);
      FillFiles(wizard, wizard.filesPage(), input, output);
      if (mark) MarkSampleColumns(wizard.conversionPage());
      if (drive) drive(wizard.conversionPage());
      Press(wizard, QWizard::FinishButton);
    });
    QVERIFY(app.Commands().Execute(kIdConversionFirst + index));
  }

  std::unique_ptr<AppHome> m_home;
  MessageRecorder m_messages;

 private slots:
  void init() { m_home = std::make_unique<AppHome>(); }
  void cleanup() { m_home.reset(); }

  void eachFamilyConvertsItsSample_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("sample");
    QTest::addColumn<bool>("replace");
    QTest::addColumn<QString>("row");
    QTest::newRow("ICD-9, Alquen")
        << 0 << "icd9" << false << "1 10 11 11 12 15 -1 -1 -1 -1 -1 -1 1 2 25 312 0 0";
    QTest::newRow("ICD-10, Dorwim")
        << 3 << "icd10" << true << "1 10 11 11 12 15 16 19 20 20 21 21 1 2 25 312 1 0";
    QTest::newRow("ICD-O-1, Elbrac")
        << 4 << "icdo1" << false << "1 10 11 11 12 15 16 19 20 20 21 21 1 2 25 312 0 1";
    QTest::newRow("ICD-O-2, Gorvat")
        << 6 << "icdo2" << false << "1 10 11 11 12 15 16 19 20 20 21 21 1 2 25 312 0 0";
    QTest::newRow("ICD-O-3, Jantrik")
        << 9 << "icdo3" << false << "1 10 11 11 12 15 16 19 20 20 21 21 1 2 25 312 0 0";
  }

  void eachFamilyConvertsItsSample() {
    QFETCH(int, index);
    QFETCH(QString, sample);
    QFETCH(bool, replace);
    QFETCH(QString, row);
    const char* program = ToolNames[static_cast<size_t>(index)];
    const std::string name = ToLocalPath(sample);
    const std::string input = Home(name + ".dat");
    const std::string output = Home("converted.dat");
    fs::copy_file(std::string(KELVARIN_SAMPLES_DIR) + "/" + name + ".dat", input);
    WriteEngineStandIn(Home("pgm/") + program, program);
    auto app = Start();
    Convert(*app, index, input, output, true, [replace](CCVTwizLayout* page) {
      if (replace) page->optionBox(0)->setChecked(true);
    });
    QCOMPARE(m_messages.Take(), QStringList());
    const std::string parameters = input + "\n" + output + "\n" + ToLocalPath(row) + "\n";
    QCOMPARE(ReadFile(Home("pgm/parameter.seen")), parameters);
    QVERIFY(app->MainFrame()->Children().isEmpty());  // nothing opens after a conversion

    const std::string expected = name + "." + program;
    QCOMPARE(ReadFile(output), ReadFile(TestDataPath(expected + ".out")));
    for (const char* report : {".e", ".w"}) {
      const std::string path = Home(name + report + program);
      const std::string wanted = TestDataPath(expected + report);
      QCOMPARE(Exists(path), Exists(wanted));
      if (Exists(wanted))
        QCOMPARE(Untitled(ReadFile(path)), ReplaceAll(ReadFile(wanted), "@INPUT@", input));
    }

    // The next run of the same file starts from its .dfi: Finish alone
    // gives the same row.
    fs::remove(Home("pgm/parameter.seen"));
    m_messages.Answer(true);  // the output file is there now
    Convert(*app, index, input, output, false);
    QCOMPARE(ReadFile(Home("pgm/parameter.seen")), parameters);
    QCOMPARE(m_messages.Take(),
             QStringList{"question: Output file already exists. Do you want to overwrite it?"});
    app->ExitInstance();
  }

  void programsOutsideTheSuiteEndWithTheLaunchersMessage() {
    fs::copy_file(std::string(KELVARIN_SAMPLES_DIR) + "/icdo2.dat", Home("icdo2.dat"));
    auto app = Start();
    for (int index : {7, 8}) {
      Convert(*app, index, Home("icdo2.dat"), Home("converted.dat"), index == 7);
      QCOMPARE(m_messages.Take(), QStringList{"stop: Cannot run conversion program!"});
      QCOMPARE(ReadFile(Home("pgm/parameter.dat")),
               Home("icdo2.dat") + "\n" + Home("converted.dat") +
                   "\n1 10 11 11 12 15 16 19 20 20 21 21 1 2 25 312 0 1\n");
      QCOMPARE(app->Job().optionB, 1);
      QVERIFY(app->MainFrame()->Children().isEmpty());
    }
    app->ExitInstance();
  }

  void parameterFileThatCannotBeWrittenRunsNothing() {
    fs::copy_file(std::string(KELVARIN_SAMPLES_DIR) + "/icdo2.dat", Home("icdo2.dat"));
    WriteStandIn(Home("pgm/Gorvat"), 0, "");
    fs::create_directory(Home("pgm/parameter.dat"));
    auto app = Start();
    Convert(*app, 6, Home("icdo2.dat"), Home("converted.dat"), true);
    QCOMPARE(m_messages.Take(), QStringList{"stop: Cannot write the parameter file\n" +
                                            FromLocalPath(Home("pgm/parameter.dat"))});
    QVERIFY(!Exists(Home("pgm/arguments.txt")));
    QCOMPARE(app->Job().histologyStart, 16);  // the copy-back stands
    app->ExitInstance();
  }

  void cancelLeavesTheJobAsItWas() {
    fs::copy_file(std::string(KELVARIN_SAMPLES_DIR) + "/icdo3.dat", Home("icdo3.dat"));
    WriteStandIn(Home("pgm/Jantrik"), 0, "");
    auto app = Start();
    const JobSettings before = app->Job();
    WhenShown<CCVTwizard>([this](CCVTwizard& wizard) {
      FillFiles(wizard, wizard.filesPage(), Home("icdo3.dat"), Home("converted.dat"));
      MarkSampleColumns(wizard.conversionPage());
      Press(wizard, QWizard::CancelButton);
    });
    QVERIFY(app->Commands().Execute(kIdConversionFirst + 9));
    QCOMPARE(app->Job().inputFile, before.inputFile);
    QCOMPARE(app->Job().regNoStart, -1);
    QVERIFY(!Exists(Home("pgm/parameter.dat")));
    QVERIFY(!Exists(Home("pgm/arguments.txt")));
    QVERIFY(!Exists(Home("icdo3.dfi")));
    QCOMPARE(m_messages.Take(), QStringList());
    app->ExitInstance();
  }
};

QTEST_MAIN(ConversionRunTest)
#include "test_conversionrun.moc"
