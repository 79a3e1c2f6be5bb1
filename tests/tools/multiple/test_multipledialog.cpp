// The multiple primaries program's progress dialog driving its engine: the
// phases seen tick by tick, the halt on a bad record, Stop, and the files left.
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "platform/messagebox.h"
#include "tests/support/enginerun.h"
#include "tools/multiple/multipledlg.h"

using namespace kelvarin;
using namespace kelvarin::test;

namespace {

const char kRowFormat[] = "1 6 7 8 9 9 10 13 14 17 18 18 19 26 0 1 2 1 1 %d 40 %llu\n";

// 40-character records: key 1-6, topography 10-13, morphology 14-17,
// behaviour 18, incidence date 19-26.
std::string Record(int person, char behaviour = '3') {
  char key[8];
  std::snprintf(key, sizeof key, "P%05d", person);
  std::string r = std::string(key) + "011C1878140" + behaviour + "20010315";
  r.resize(40, ' ');
  return r;
}

struct MultipleDialogRun : RunFolder {
  MultipleEngine engine;

  bool Start(const std::string& data, int duplicatesToFile = 1) {
    char row[200];
    std::snprintf(row, sizeof row, kRowFormat, duplicatesToFile,
                  static_cast<unsigned long long>(data.size()));
    Prepare(data, row);
    return engine.Start(parameter, FixedStartTime());
  }
};

// 12,000 records of 4,000 persons, three each; every tenth record excluded.
std::string ThreeRecordsEach() {
  std::string data;
  for (int i = 0; i < 12000; ++i) data += Record(i / 3, i % 10 == 0 ? '2' : '3') + "\n";
  return data;
}

// The texts a label shows each time it is painted, without repeats, each
// marked "(no bar)" when the progress bar is hidden then.
struct PaintedTexts : QObject {
  QLabel* label;
  QWidget* bar;
  QStringList texts;
  PaintedTexts(QLabel* shown, QWidget* progress) : label(shown), bar(progress) {
    label->installEventFilter(this);
  }
  bool eventFilter(QObject*, QEvent* event) override {
    const QString text = label->text() + (bar->isHidden() ? " (no bar)" : "");
    if (event->type() == QEvent::Paint && texts.value(texts.size() - 1) != text) texts << text;
    return false;
  }
};

QString Text(CToolDlg& dialog, int id) { return qobject_cast<QLabel*>(dialog.control(id))->text(); }

bool Shown(CToolDlg& dialog, int id) { return !dialog.control(id)->isHidden(); }
QPushButton* Button(CToolDlg& dialog, int id) {
  return qobject_cast<QPushButton*>(dialog.control(id));
}

// What the four counters and the bar (its value, under kIdProgress) show
// when each status text is first painted, with the status line or a counter.
struct FirstPaints : QObject {
  CToolDlg& dialog;
  QMap<QString, QMap<int, QString>> shown;
  explicit FirstPaints(CToolDlg& painted) : dialog(painted) {
    for (int id : {1014, 1007, 1009, 1008, 1013}) dialog.control(id)->installEventFilter(this);
  }
  bool eventFilter(QObject*, QEvent* event) override {
    const QString status = Text(dialog, 1014);
    if (event->type() != QEvent::Paint || shown.contains(status)) return false;
    for (int id : {1007, 1009, 1008, 1013}) shown[status][id] = Text(dialog, id);
    shown[status][kIdProgress] =
        QString::number(qobject_cast<QProgressBar*>(dialog.control(kIdProgress))->value());
    return false;
  }
};

}  // namespace

class MultipleDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { SetMessageHandler({}); }

  void showsItsFilesStatusAndTimer() {
    for (int duplicatesToFile : {1, 0}) {
      MultipleDialogRun run;
      QVERIFY(run.Start(Record(1) + "\n", duplicatesToFile));
      CMultipleDlg dialog(run.engine);
      QCOMPARE(dialog.windowTitle(), QStringLiteral("Multiple"));
      QCOMPARE(Text(dialog, 1002), QString::fromStdString("Input file: " + run.input));
      QCOMPARE(Text(dialog, 1003), QString::fromStdString("Output file: " + run.output));
      QCOMPARE(Text(dialog, 1010), QString::fromStdString("Excluded: " + (run.dir / "data.exl")));
      // The list's line shows its name also when no list is written.
      QCOMPARE(Text(dialog, 1011), QString::fromStdString("Multiple: " + (run.dir / "data.mul")));
      QCOMPARE(Text(dialog, 1014), QStringLiteral("action"));
      QCOMPARE(Text(dialog, 1005), QStringLiteral("Multiples tumours:"));
      QCOMPARE(Text(dialog, 1012), QStringLiteral("Duplicate registrations:"));
      for (int id : {1007, 1008, 1009, 1013}) QCOMPARE(Text(dialog, id), QStringLiteral("0"));
      QVERIFY(!Shown(dialog, kIdOk));
      QVERIFY(Shown(dialog, kIdStop));
      QCOMPARE(dialog.timer()->interval(), 200);
      QVERIFY(dialog.timerRunning());
      QCOMPARE(dialog.size(),
               QSize(dialog.DialogUnits(320, 230).x(), dialog.DialogUnits(320, 230).y()));
      run.engine.Finish();
    }
  }

  void ticksGoThroughTheThreePhases() {
    MultipleDialogRun run;
    QVERIFY(run.Start(ThreeRecordsEach()));
    CMultipleDlg dialog(run.engine);
    auto* bar = qobject_cast<QProgressBar*>(dialog.control(kIdProgress));
    dialog.OnTimer();
    QCOMPARE(Text(dialog, 1014), QStringLiteral("Reading data file..."));
    QCOMPARE(Text(dialog, 1007), QStringLiteral("5000"));
    QCOMPARE(Text(dialog, 1009), QStringLiteral("500"));
    QCOMPARE(Text(dialog, 1008), QStringLiteral("0"));
    dialog.OnTimer();
    QCOMPARE(Text(dialog, 1007), QStringLiteral("10000"));
    QVERIFY(bar->value() > 0 && bar->value() < 100);
    dialog.OnTimer();  // the end of the input: sorting and searching in the same tick
    QCOMPARE(Text(dialog, 1014), QStringLiteral("Creating output file..."));
    QCOMPARE(Text(dialog, 1007), QStringLiteral("12000"));
    QCOMPARE(Text(dialog, 1009), QStringLiteral("1200"));
    QCOMPARE(Text(dialog, 1008),
             QStringLiteral("10800"));  // every person kept two or three records
    QCOMPARE(Text(dialog, 1013), QStringLiteral("6800"));
    QVERIFY(Shown(dialog, kIdStop));
    QVERIFY(!bar->isHidden());
    QVERIFY(dialog.timerRunning());
    dialog.OnTimer();  // 5,000 of 10,800 index entries
    QCOMPARE(Text(dialog, 1014), QStringLiteral("Creating output file..."));
    dialog.OnTimer();
    QVERIFY(bar->value() > 0 && bar->value() < 100);
    dialog.OnTimer();
    QCOMPARE(Text(dialog, 1014), QStringLiteral("Completed!"));
    QVERIFY(bar->isHidden());
    QVERIFY(Shown(dialog, kIdOk));
    QVERIFY(!Shown(dialog, kIdStop));
    QVERIFY(!dialog.timerRunning());
    QTest::mouseClick(Button(dialog, kIdOk), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(run.engine.Finish());
    QCOMPARE(ReadFile(run.output).size(), std::size_t{4000 * 41});
    QVERIFY(Exists(run.dir / "data.exl"));
    QVERIFY(Exists(run.dir / "data.mul"));
  }

  // Each part of the run is painted on the status line as it begins, also
  // the parts of the search that run inside one tick.
  void statusLinePaintsEachPartAsItBegins() {
    const QStringList reading = {"Reading data file...", "Sorting data file... (no bar)",
                                 "Looking for duplicates... (no bar)"};
    const QStringList writing = {"Creating output file...", "Completed! (no bar)"};
    const struct {
      int recordsPerPerson;
      QStringList texts;
    } cases[] = {{3, reading + QStringList{"Looking for multiple primaries... (no bar)"} + writing},
                 {1, reading + writing}};  // nobody with two records: no rules to apply
    for (const auto& c : cases) {
      std::string data;
      for (int i = 0; i < 60; ++i) data += Record(i / c.recordsPerPerson) + "\n";
      MultipleDialogRun run;
      QVERIFY(run.Start(data));
      CMultipleDlg dialog(run.engine);
      dialog.show();
      QVERIFY(QTest::qWaitForWindowExposed(&dialog));
      PaintedTexts painted(qobject_cast<QLabel*>(dialog.control(1014)), dialog.control(1000));
      while (dialog.timerRunning()) dialog.OnTimer();
      QCOMPARE(painted.texts, c.texts);
    }
  }

  // The counts are painted where the run sets them inside the tick of the
  // search: those of the input before the sort, with the bar at 100, the
  // multiples at the end of their walk, the duplicates at the end of the
  // search, all before the output file is written.
  void countersPaintedAsTheSearchSetsThem() {
    const struct {
      int recordsPerPerson;
      QString afterMultiplesWalk;
    } cases[] = {{3, "Looking for multiple primaries..."}, {1, "Creating output file..."}};
    for (const auto& c : cases) {
      std::string data;
      for (int i = 0; i < 12000; ++i)
        data += Record(i / c.recordsPerPerson, i % 10 == 0 ? '2' : '3') + "\n";
      MultipleDialogRun run;
      QVERIFY(run.Start(data));
      CMultipleDlg dialog(run.engine);
      dialog.show();
      QVERIFY(QTest::qWaitForWindowExposed(&dialog));
      FirstPaints painted(dialog);
      while (dialog.timerRunning()) dialog.OnTimer();
      const MultipleEngine& engine = run.engine;
      const struct {
        QString status;
        int id;
        long long value;
      } shown[] = {{"Sorting data file...", 1007, engine.records()},
                   {"Sorting data file...", 1009, engine.excluded()},
                   {"Sorting data file...", kIdProgress, 100},
                   {c.afterMultiplesWalk, 1008, engine.multiples()},
                   {"Creating output file...", 1013, engine.duplicates()}};
      for (const auto& s : shown)
        QCOMPARE(painted.shown[s.status].value(s.id), QString::number(s.value));
    }
  }

  // The box about a bad record is shown with the timer already stopped, so no
  // tick can run while it is open. The counters stay as the tick before left
  // them: the records read in the halted tick are not shown.
  void badRecordStopsTheTimerBeforeItsMessage() {
    MultipleDialogRun run;
    std::string data;
    for (int i = 0; i < 5007; ++i) data += Record(i / 2, i % 10 == 0 ? '2' : '3') + "\n";
    QVERIFY(run.Start(data + "short\n" + Record(1) + "\n"));
    CMultipleDlg dialog(run.engine);
    dialog.OnTimer();
    QCOMPARE(Text(dialog, 1007), QStringLiteral("5000"));
    QCOMPARE(Text(dialog, 1009), QStringLiteral("500"));
    int messages = 0;
    bool timerStoppedFirst = false;
    SetMessageHandler([&](MessageKind kind, const QString& text) {
      ++messages;
      timerStoppedFirst = !dialog.timerRunning();
      dialog.OnTimer();  // a tick arriving now does nothing
      return kind == MessageKind::kInformation &&
             text ==
                 QStringLiteral("Input file does NOT have a fixed length width: program halted.");
    });
    dialog.OnTimer();
    QCOMPARE(messages, 1);
    QVERIFY(timerStoppedFirst);
    QCOMPARE(Text(dialog, 1007), QStringLiteral("5000"));
    QCOMPARE(Text(dialog, 1009), QStringLiteral("500"));
    QCOMPARE(run.engine.Counter(kRecordsCounter), 5007);
    QCOMPARE(Text(dialog, 1014), QStringLiteral("Reading data file..."));
    QVERIFY(Shown(dialog, kIdOk));
    QVERIFY(!Shown(dialog, kIdStop));
    QTest::mouseClick(Button(dialog, kIdOk), Qt::LeftButton);
    QVERIFY(!run.engine.Finish());
    QVERIFY(!Exists(run.output));
    QVERIFY(!Exists(run.dir / "data.exl"));
    QVERIFY(Exists(run.dir / "data.mul"));
  }

  void stopWhileWritingKeepsOnlyTheList() {
    MultipleDialogRun run;
    QVERIFY(run.Start(ThreeRecordsEach()));
    CMultipleDlg dialog(run.engine);
    dialog.show();
    for (int i = 0; i < 4; ++i) dialog.OnTimer();
    QCOMPARE(Text(dialog, 1014), QStringLiteral("Creating output file..."));
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QVERIFY(dialog.isVisible());
    QVERIFY(Shown(dialog, kIdOk));
    QVERIFY(!dialog.timerRunning());
    dialog.OnTimer();
    QCOMPARE(Text(dialog, 1014), QStringLiteral("Creating output file..."));
    QTest::mouseClick(Button(dialog, kIdOk), Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    QVERIFY(!run.engine.Finish());
    QVERIFY(!Exists(run.output));
    QVERIFY(!Exists(run.dir / "data.exl"));
    const std::string list = ReadFile(run.dir / "data.mul");
    QVERIFY(list.size() > 10800 * 41);
    QVERIFY(list.size() >= 31 &&
            list.compare(list.size() - 31, 31, "\n6800 duplicate registration(s)") == 0);
  }

  void failedStartShowsAnIdleDialog() {
    TempDir dir;
    MultipleEngine engine;
    QVERIFY(!engine.Start(dir / "parameter.dat", FixedStartTime()));
    CMultipleDlg dialog(engine);
    QCOMPARE(Text(dialog, 1002), QStringLiteral("Input file: "));
    dialog.OnTimer();
    QCOMPARE(Text(dialog, 1014), QStringLiteral("action"));
    QCOMPARE(Text(dialog, 1007), QStringLiteral("0"));
    dialog.OnStop();
    QVERIFY(!engine.Finish());
    QVERIFY(QDir(QString::fromStdString(dir.path())).isEmpty());
  }
};

QTEST_MAIN(MultipleDialogTest)
#include "test_multipledialog.moc"
