// The front-end under failing writes: a pipe whose reader went away and a
// file-size limit end a write, never the program; a file transfer stopped
// so says why and leaves no partial output; a program the front-end starts
// gets the signals back with their usual effect.
#include <QAbstractButton>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTreeWidget>
#include <QtTest>

#include <unistd.h>

#include <cerrno>
#include <csignal>

#include "frontend/wizards/transwiz1.h"
#include "frontend/wizards/transwiz2.h"
#include "frontend/wizards/transwizard.h"
#include "tests/frontend/app/apphome.h"
#include "tests/support/testfiles.h"

namespace kelvarin {

class TestWriteSignals : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    // As a shell starts the program: both signals end it.
    ::signal(SIGPIPE, SIG_DFL);
    ::signal(SIGXFSZ, SIG_DFL);
    m_app = m_home.Start();
  }

  void pipeWithoutReaderFailsTheWrite() {
    int ends[2];
    QVERIFY(::pipe(ends) == 0);
    ::close(ends[0]);
    errno = 0;
    QCOMPARE(::write(ends[1], "x", 1), ssize_t(-1));
    QCOMPARE(errno, EPIPE);
    ::close(ends[1]);
  }

  void transferUnderAFileSizeLimitStopsAndLeavesNoOutput() {
    test::TempDir folder;
    std::string records;
    for (int i = 0; i < 30000; ++i) records += "record," + std::to_string(i) + ",value\n";
    const std::string input = folder.Write("cases.csv", records);
    const std::string output = folder / "cases.prn";
    JobSettings job;
    CTRANSwizard wizard(job);
    wizard.show();
    wizard.filesPage()->inputEdit()->setText(FromLocalPath(input));
    wizard.filesPage()->outputEdit()->setText(FromLocalPath(output));
    wizard.next();
    QCOMPARE(wizard.currentId(), int(CTRANSwizard::kColumnsPage));
    CTRANSwiz2* page = wizard.columnsPage();
    page->columnTree()->topLevelItem(0)->setCheckState(0, Qt::Checked);
    {
      test::FileSizeLimit limit(64 * 1024, /*ignoreSignal=*/false);
      wizard.button(QWizard::FinishButton)->click();
      for (int tick = 0; tick < 1000 && page->transferState() == CTRANSwiz2::kRunning; ++tick)
        page->OnTimer();
    }
    QCOMPARE(page->transferState(), int(CTRANSwiz2::kFinished));
    const QString result = page->resultEdit()->toPlainText();
    QVERIFY2(result.startsWith(QStringLiteral("Cannot write the output file!")),
             qPrintable(result));
    QVERIFY(!test::Exists(output));
  }

  void startedProgramsGetTheSignalsBack() {
    QProcess shell;
    shell.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), QStringLiteral("kill -XFSZ $$")});
    QVERIFY(shell.waitForFinished(10000));
    QCOMPARE(shell.exitStatus(), QProcess::CrashExit);
  }

 private:
  test::AppHome m_home;
  std::unique_ptr<CQuandorApp> m_app;
};

}  // namespace kelvarin

QTEST_MAIN(kelvarin::TestWriteSignals)
#include "test_writesignals.moc"
