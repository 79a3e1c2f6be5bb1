// The check program's progress dialog driving its engine: timer ticks, Stop,
// Esc and the close box, OK, and the files left behind in each state.
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <filesystem>
#include <map>

#include "tests/support/enginerun.h"
#include "tools/check/tesmardlg.h"

using namespace kelvarin;
using namespace kelvarin::test;

namespace {

const char kRowFormat[] =
    "-1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 5 6 7 7 1 2 4 %llu 0 999\n";

struct CheckRun : RunFolder {
  TesmarEngine engine;

  // Writes `records` records of length 4, one in every `wrongEvery` of length 3.
  bool Start(int records, int wrongEvery = 0) {
    std::string data;
    for (int i = 0; i < records; ++i)
      data += (wrongEvery && i % wrongEvery == 0) ? "abc\n" : "abcd\n";
    char row[200];
    std::snprintf(row, sizeof row, kRowFormat, static_cast<unsigned long long>(data.size()));
    Prepare(data, row);
    return engine.Start(parameter, FixedStartTime());
  }
};

QString Text(CToolDlg& dialog, int id) { return qobject_cast<QLabel*>(dialog.control(id))->text(); }
bool Shown(CToolDlg& dialog, int id) { return !dialog.control(id)->isHidden(); }

}  // namespace

class TesmarDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void showsFilesAndStartsTheTimer() {
    CheckRun run;
    QVERIFY(run.Start(10));
    CTesmarDlg dialog(run.engine);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Orvo/Semu check"));
    QCOMPARE(Text(dialog, 1002), QString::fromStdString("Input file: " + run.input));
    QCOMPARE(Text(dialog, 1003), QString::fromStdString("Output file: " + run.output));
    QCOMPARE(Text(dialog, 1010), QString::fromStdString("Error file: " + (run.dir / "data.err")));
    QCOMPARE(Text(dialog, 1011), QString::fromStdString("Warning file: " + (run.dir / "data.chk")));
    QCOMPARE(Text(dialog, 1007), QStringLiteral("0"));
    QVERIFY(!Shown(dialog, kIdOk));
    QVERIFY(Shown(dialog, kIdStop));
    QVERIFY(dialog.timerRunning());
    QCOMPARE(dialog.timer()->interval(), 250);
    run.engine.Finish();
  }

  void ticksProcessBatchesUntilTheEnd() {
    CheckRun run;
    QVERIFY(run.Start(12000, 1000));
    CTesmarDlg dialog(run.engine);
    auto* bar = qobject_cast<QProgressBar*>(dialog.control(kIdProgress));
    dialog.OnTimer();
    QCOMPARE(Text(dialog, 1007), QStringLiteral("5000"));
    QCOMPARE(Text(dialog, 1009), QStringLiteral("5"));
    QCOMPARE(bar->value(), 0);  // the position of the records done before the tick
    dialog.OnTimer();
    QCOMPARE(Text(dialog, 1007), QStringLiteral("10000"));
    QVERIFY(bar->value() > 0 && bar->value() < 100);
    QVERIFY(Shown(dialog, kIdStop));
    dialog.OnTimer();
    QCOMPARE(Text(dialog, 1007), QStringLiteral("12000"));
    QCOMPARE(Text(dialog, 1009), QStringLiteral("12"));
    QCOMPARE(bar->value(), 100);
    QVERIFY(Shown(dialog, kIdOk));
    QVERIFY(!Shown(dialog, kIdStop));
    QVERIFY(!dialog.timerRunning());
    // While OK waits the run's files are whole on disk: OK changes none.
    const auto files = [&run] {
      std::map<std::string, std::string> contents;
      for (const auto& entry : std::filesystem::directory_iterator(run.dir.path()))
        contents[entry.path().filename().string()] = ReadFile(entry.path().string());
      return contents;
    };
    const auto atOk = files();
    QTest::mouseClick(qobject_cast<QPushButton*>(dialog.control(kIdOk)), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(run.engine.Finish());
    QVERIFY(files() == atOk);
    QVERIFY(Exists(run.output));
    QVERIFY(Exists(run.dir / "data.err"));
    QVERIFY(Exists(run.dir / "out.log"));
    QVERIFY(!Exists(run.dir / "data.chk"));  // no warning: removed
  }

  void stopEscAndCloseBoxStopWithoutClosing() {
    for (int way = 0; way < 3; ++way) {
      CheckRun run;
      QVERIFY(run.Start(12000, 1000));
      CTesmarDlg dialog(run.engine);
      dialog.show();
      dialog.OnTimer();
      if (way == 0) {
        QTest::mouseClick(qobject_cast<QPushButton*>(dialog.control(kIdStop)), Qt::LeftButton);
      } else if (way == 1) {
        QTest::keyClick(&dialog, Qt::Key_Escape);
      } else {
        dialog.close();
      }
      QVERIFY(dialog.isVisible());
      QVERIFY(Shown(dialog, kIdOk));
      QVERIFY(!Shown(dialog, kIdStop));
      QVERIFY(!dialog.timerRunning());
      dialog.OnTimer();  // a late tick does nothing
      QCOMPARE(Text(dialog, 1007), QStringLiteral("5000"));
      QTest::mouseClick(qobject_cast<QPushButton*>(dialog.control(kIdOk)), Qt::LeftButton);
      QVERIFY(!dialog.isVisible());
      QVERIFY(!run.engine.Finish());
      for (const char* name : {"out.txt", "data.err", "data.chk", "out.log"})
        QVERIFY2(!Exists(run.dir / name), name);
      QVERIFY(Exists(run.input));
    }
  }

  void failedStartShowsAnIdleDialog() {
    TempDir dir;
    TesmarEngine engine;
    QVERIFY(!engine.Start(dir / "parameter.dat", FixedStartTime()));
    QCOMPARE(engine.message(),
             dir / "parameter.dat" + ":\r\ncannot open parameter file: program halted!");
    CTesmarDlg dialog(engine);
    QCOMPARE(Text(dialog, 1002), QStringLiteral("Input file: "));
    dialog.OnTimer();
    QCOMPARE(Text(dialog, 1007), QStringLiteral("0"));
    QVERIFY(Shown(dialog, kIdStop));
    dialog.OnStop();
    QVERIFY(!engine.Finish());
    QVERIFY(QDir(QString::fromStdString(dir.path())).isEmpty());
  }
};

QTEST_MAIN(TesmarDialogTest)
#include "test_tesmardialog.moc"
