// The Conversions commands of the application: one run of each family of
// conversions on its sample, the wizard driven inside the command, the
// program's engine started in the program's place in the pgm folder; the
// parameter file, the output file and the reports are compared with the
// expected ones. Then the runs that stop short.
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

// The samples' columns: registration number 1-10, sex 11, site code 12-15,
// histology 16-19, behaviour 20, grade 21.
const char* const kSampleRow = "1 10 11 11 12 15 16 19 20 20 21 21 1 2 25 312 ";

// A program that keeps the parameter file it found and converts with the
// engine of the program it stands for, as the program does without its window.
void WriteEngineStandIn(const std::string& path, const char* program) {
  WriteFile(path, std::string("#!/bin/sh\nhere=$(dirname \"$0\")\n"
                              "cp \"$here/parameter.dat\" \"$here/parameter.seen\"\n"
                              "exec '" KELVARIN_ENGINE_BENCH "' ") +
                      program + " \"$here/parameter.dat\" > /dev/null\n");
  fs::permissions(path, fs::perms::owner_all);
}

}  // namespace

class ConversionRunTest : public QObject {
  Q_OBJECT

  std::string Home(const std::string& name = "") const { return m_home->Path(name); }
  std::string Sample(const char* name) const {
    fs::copy_file(std::string(KELVARIN_SAMPLES_DIR) + "/" + name, Home(name),
                  fs::copy_options::overwrite_existing);
    return Home(name);
  }

  // Runs conversion `index` from its command on `input`; marks the sample's
  // columns when asked, then `finish` presses Finish or Cancel.
  void Convert(CQuandorApp& app, int index, const std::string& input, bool mark,
               QWizard::WizardButton finish = QWizard::FinishButton, bool replace = false) {
    WhenShown<CCVTwizard>([=](CCVTwizard& wizard) {
      FillFiles(wizard, wizard.filesPage(), input, Home("converted.dat"));
      CCVTwizLayout* page = wizard.conversionPage();
      const int columns[] = {1, 10, 11, 11, 12, 15, 16, 19, 20, 20, 21, 21};
      for (int v = 0; mark && v < page->columns().variableCount(); ++v)
        DefineVariable(page, v, columns[2 * v], columns[2 * v + 1]);
      if (replace) page->optionBox(0)->setChecked(true);
      Press(wizard, finish);
    });
    QVERIFY(app.Commands().Execute(kIdConversionFirst + index));
  }

  std::unique_ptr<AppHome> m_home;
  MessageRecorder m_messages;

 private slots:
  void init() { m_home = std::make_unique<AppHome>(); }
  void cleanup() {
    m_home.reset();
    m_messages.Take();
  }

  void eachFamilyConvertsItsSample_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("sample");
    QTest::addColumn<bool>("replace");
    QTest::addColumn<QString>("options");
    QTest::newRow("ICD-9, Alquen") << 0 << "icd9" << false << "0 0";
    QTest::newRow("ICD-10, Dorwim") << 3 << "icd10" << true << "1 0";
    QTest::newRow("ICD-O-1, Elbrac") << 4 << "icdo1" << false << "0 1";
    QTest::newRow("ICD-O-2, Gorvat") << 6 << "icdo2" << false << "0 0";
    QTest::newRow("ICD-O-3, Jantrik") << 9 << "icdo3" << false << "0 0";
  }

  void eachFamilyConvertsItsSample() {
    QFETCH(int, index);
    QFETCH(QString, sample);
    QFETCH(bool, replace);
    QFETCH(QString, options);
    const char* program = ToolNames[size_t(index)];
    const std::string name = sample.toStdString();
    const std::string input = Sample((name + ".dat").c_str());
    WriteEngineStandIn(Home("pgm/") + program, program);
    auto app = m_home->Start();
    Convert(*app, index, input, true, QWizard::FinishButton, replace);
    QCOMPARE(m_messages.Take(), QStringList());
    std::string row = std::string(kSampleRow) + options.toStdString() + "\n";
    if (index == 0) row.replace(row.find("16 19 20 20 21 21"), 17, "-1 -1 -1 -1 -1 -1");
    const std::string parameters = input + "\n" + Home("converted.dat") + "\n" + row;
    QCOMPARE(ReadFile(Home("pgm/parameter.seen")), parameters);
    QVERIFY(app->MainFrame()->Children().isEmpty());  // nothing opens after a conversion

    const std::string expected = name + "." + program;
    QCOMPARE(ReadFile(Home("converted.dat")), ReadFile(TestDataPath(expected + ".out")));
    for (const char* report : {".e", ".w"}) {
      const std::string made = ReadFile(Home(name + report + program));
      const std::string wanted = ReadFile(TestDataPath(expected + report));
      // Past the dated title line.
      QCOMPARE(made.substr(std::min(made.find('\n') + 1, made.size())),
               ReplaceAll(wanted, "@INPUT@", input));
    }

    // The next run on the same file starts from its .dfi: Finish alone
    // gives the same row.
    fs::remove(Home("pgm/parameter.seen"));
    m_messages.Answer(true);  // the output file is there now
    Convert(*app, index, input, false);
    QCOMPARE(ReadFile(Home("pgm/parameter.seen")), parameters);
    QCOMPARE(m_messages.Take(),
             QStringList{"question: Output file already exists. Do you want to overwrite it?"});
    app->ExitInstance();
  }

  void runsThatStopShort() {
    const std::string input = Sample("icdo2.dat");
    auto app = m_home->Start();
    // The programs that are not part of the suite: the parameter file, then
    // the launcher's message.
    for (int index : {7, 8}) {
      Convert(*app, index, input, index == 7);
      QCOMPARE(m_messages.Take(), QStringList{"stop: Cannot run conversion program!"});
      QCOMPARE(ReadFile(Home("pgm/parameter.dat")),
               input + "\n" + Home("converted.dat") + "\n" + kSampleRow + "0 1\n");
    }
    // Cancel leaves the application's settings as they were.
    const JobSettings before = app->Job();
    Convert(*app, 9, Sample("icdo3.dat"), true, QWizard::CancelButton);
    QCOMPARE(app->Job().inputFile, before.inputFile);
    QCOMPARE(app->Job().gradeStart, before.gradeStart);
    QVERIFY(!Exists(Home("icdo3.dfi")));
    // A parameter file that cannot be written runs nothing, and says so.
    WriteStandIn(Home("pgm/Gorvat"), 0, "");
    fs::remove(Home("pgm/parameter.dat"));
    fs::create_directory(Home("pgm/parameter.dat"));
    Convert(*app, 6, input, false);
    QCOMPARE(m_messages.Take(), QStringList{"stop: Cannot write the parameter file\n" +
                                            FromLocalPath(Home("pgm/parameter.dat"))});
    QVERIFY(!Exists(Home("pgm/arguments.txt")));
    QVERIFY(app->MainFrame()->Children().isEmpty());
    app->ExitInstance();
  }
};

QTEST_MAIN(ConversionRunTest)
#include "test_conversionrun.moc"
