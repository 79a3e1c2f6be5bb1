// The conversion programs' progress dialog: caption, bare file lines and
// counters of each program's layout, and a run driven by its timer.
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <algorithm>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "tests/tools/convert/common/conversionrun.h"
#include "tools/convert/common/conversiondialog.h"

using namespace kelvarin;
using namespace kelvarin::test;

namespace {

// Every record converted; records starting with 'E' are errors, with 'W' reviewed.
class CopyStep : public ConversionRecordStep {
 public:
  void ConvertRecord(std::string_view record, const ConversionRow&,
                     ConversionReports& reports) override {
    if (record[0] == 'E') return reports.WriteError(record);
    reports.WriteOutput(record);
    if (record[0] == 'W') reports.WriteWarning(record);
  }
};

ConversionRow Row() {
  ConversionRow row;
  row.sexStart = row.sexEnd = 1;
  row.topographyStart = 1;
  row.topographyEnd = 4;
  row.histologyStart = 1;
  row.histologyEnd = 4;
  row.behaviourStart = row.behaviourEnd = 4;
  row.recordLength = 4;
  return row;
}

QString Text(CToolDlg& dialog, int id) { return qobject_cast<QLabel*>(dialog.control(id))->text(); }
QString Q(const std::string& text) { return QString::fromStdString(text); }

// A control as the dialog template places it: id (-1 for the group boxes),
// initial text and rectangle in dialog units.
using Placed = std::tuple<int, std::string, int, int, int, int>;

std::vector<Placed> Sorted(std::vector<Placed> controls) {
  std::sort(controls.begin(), controls.end());
  return controls;
}

// The controls every conversion program's dialog shares.
std::vector<Placed> Frame() {
  return {{1, "OK", 135, 179, 50, 14},
          {2, "Stop", 135, 179, 50, 14},
          {1000, "", 7, 151, 306, 12},
          {-1, "Files", 7, 21, 306, 69},
          {-1, "Statistics", 7, 93, 306, 58}};
}

// The file lines and counters of the dialog, by layout.
std::vector<Placed> StandardLayout() {
  std::vector<Placed> controls = Frame();
  controls.insert(controls.end(), {{1002, "Input file:", 15, 35, 290, 12},
                                   {1003, "Output file:", 15, 48, 290, 12},
                                   {1010, "Error file:", 15, 61, 290, 12},
                                   {1011, "Warning file:", 15, 74, 290, 12},
                                   {1004, "Records:", 15, 109, 62, 12},
                                   {1005, "Warnings:", 15, 122, 62, 12},
                                   {1006, "Errors:", 15, 135, 62, 12},
                                   {1007, "0", 240, 109, 62, 12},
                                   {1008, "0", 240, 122, 62, 12},
                                   {1009, "0", 240, 135, 62, 12}});
  return Sorted(controls);
}

std::vector<Placed> CompactLayout() {
  std::vector<Placed> controls = Frame();
  controls.insert(controls.end(), {{1002, "Input file:", 15, 35, 290, 12},
                                   {1003, "Output file:", 15, 55, 290, 12},
                                   {1010, "Error file:", 15, 75, 290, 12},
                                   {1004, "Records:", 15, 110, 62, 12},
                                   {1006, "Errors:", 15, 130, 62, 12},
                                   {1007, "0", 240, 110, 62, 12},
                                   {1009, "0", 240, 130, 62, 12}});
  return Sorted(controls);
}

}  // namespace

class ConversionDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void layoutOfEveryProgram() {
    for (const ConversionProgram& program : ConversionPrograms) {
      ConversionRun run;
      CopyStep step;
      ConversionEngine engine(program, step);
      run.Prepare("abcd\n", FormatRow(Row()));
      QVERIFY(engine.Start(run.parameter, FixedStartTime()));
      CConversionDlg dialog(engine);
      const bool compact = program.dialogLayout == ConversionDialogLayout::kCompact;
      QCOMPARE(dialog.windowTitle(), QString::fromLatin1(program.name));
      QCOMPARE(Text(dialog, 1002), Q(run.input));
      QCOMPARE(Text(dialog, 1003), Q(run.output));
      QCOMPARE(Text(dialog, 1010), Q(run.Report(std::string(".e") + program.name)));
      if (compact) {
        QVERIFY(dialog.control(1011) == nullptr);
        QVERIFY(dialog.control(1008) == nullptr);
        QVERIFY(dialog.control(1005) == nullptr);
        QCOMPARE(dialog.control(1003)->y(), dialog.DialogUnits(15, 55).y());
        QCOMPARE(dialog.control(1009)->y(), dialog.DialogUnits(240, 130).y());
      } else {
        QCOMPARE(Text(dialog, 1011), Q(run.Report(std::string(".w") + program.name)));
        QCOMPARE(Text(dialog, 1008), QStringLiteral("0"));
        QCOMPARE(dialog.control(1003)->y(), dialog.DialogUnits(15, 48).y());
        QCOMPARE(dialog.control(1009)->y(), dialog.DialogUnits(240, 135).y());
      }
      QCOMPARE(Text(dialog, 1007), QStringLiteral("0"));
      QCOMPARE(dialog.timer()->interval(), 250);
      QCOMPARE(engine.programTitle(), std::string(program.programTitle));
      engine.Finish();
    }
  }

  void templateOfEveryProgram() {
    // Dorwim, which has no warning file, has the smaller layout.
    const std::map<std::string, bool> compactByName = {
        {"Alquen", false}, {"Bernit", false}, {"Caslov", false}, {"Dorwim", true},
        {"Elbrac", false}, {"Fenzel", false}, {"Gorvat", false}, {"Jantrik", false}};
    QCOMPARE(static_cast<int>(compactByName.size()), kConversionProgramCount);
    for (const auto& [name, compact] : compactByName) {
      const ConversionProgram* program = FindConversionProgram(name.c_str());
      QVERIFY(program != nullptr);
      const DialogDescriptor& dialog = ConversionDialog(*program);
      QCOMPARE(dialog.caption, name);
      QCOMPARE(dialog.width, 320);
      QCOMPARE(dialog.height, 200);
      QCOMPARE(dialog.timerMilliseconds, 250);
      QCOMPARE(dialog.recordsPerTick, 5000);
      std::vector<Placed> placed;
      for (const DialogControl& c : dialog.controls)
        placed.emplace_back(c.id, c.text, c.x, c.y, c.width, c.height);
      QVERIFY2(Sorted(placed) == (compact ? CompactLayout() : StandardLayout()), name.c_str());
    }
  }

  void timerRunsTheConversionToTheEnd() {
    ConversionRun run;
    CopyStep step;
    ConversionEngine engine(*FindConversionProgram("Gorvat"), step);
    std::string records;
    for (int i = 0; i < 7000; ++i)
      records += i % 1000 == 0 ? "Eabc\n" : i % 500 == 0 ? "Wabc\n" : "abcd\n";
    ConversionRow row = Row();
    row.fileSize = records.size();
    run.Prepare(records, FormatRow(row));
    QVERIFY(engine.Start(run.parameter, FixedStartTime()));
    CConversionDlg dialog(engine);
    auto* bar = qobject_cast<QProgressBar*>(dialog.control(kIdProgress));
    dialog.OnTimer();
    QCOMPARE(Text(dialog, 1007), QStringLiteral("5000"));
    QCOMPARE(Text(dialog, 1009), QStringLiteral("5"));
    QCOMPARE(Text(dialog, 1008), QStringLiteral("5"));
    dialog.OnTimer();
    QCOMPARE(Text(dialog, 1007), QStringLiteral("7000"));
    QCOMPARE(bar->value(), 100);
    QVERIFY(!dialog.control(kIdOk)->isHidden());
    QVERIFY(dialog.control(kIdStop)->isHidden());
    QTest::mouseClick(qobject_cast<QPushButton*>(dialog.control(kIdOk)), Qt::LeftButton);
    QVERIFY(engine.Finish());
    QVERIFY(Exists(run.Report(".eGorvat")));
    QVERIFY(Exists(run.Report(".wGorvat")));
  }
};

QTEST_MAIN(ConversionDialogTest)
#include "test_conversiondialog.moc"
