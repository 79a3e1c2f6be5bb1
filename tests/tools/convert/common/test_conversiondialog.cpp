// The conversion programs' progress dialog: caption, bare file lines and
// counters of each program's layout, and a run driven by its timer.
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

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

  void timerRunsTheConversionToTheEnd() {
    ConversionRun run;
    CopyStep step;
    ConversionEngine engine(*FindConversionProgram("Gorvat"), step);
    std::string records;
    for (int i = 0; i < 7000; ++i) records += i % 1000 == 0 ? "Eabc\n" : i % 500 == 0 ? "Wabc\n" : "abcd\n";
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
