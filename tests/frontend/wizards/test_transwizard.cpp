// The file transfer wizard driven as a user drives it: page 1's refusals,
// the columns pre-ticked from the header, ticks by mouse and space bar,
// Finish twice with the timer stepped, and Cancel while the file is written.
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QScrollBar>
#include <QTest>
#include <QTreeWidget>

#include <filesystem>
#include <memory>

#include "frontend/wizards/transwiz1.h"
#include "frontend/wizards/transwiz2.h"
#include "frontend/wizards/transwizard.h"
#include "tests/frontend/wizards/wizardtesting.h"
#include "tests/support/testfiles.h"

using namespace kelvarin;
using namespace kelvarin::test;
namespace fs = std::filesystem;

namespace {

// A header, a quoted field holding the delimiter, a doubled quote, a CR LF
// line end, an 8-bit name and a value longer than a field keeps.
const std::string kCases =
    "Patient,SexCode,Age,Topo,Name\n"
    "1001,1,45,C509,\"Smith, Ann\"\n"
    "1002,2,7,C341,\"O\"\"Hara\"\r\n"
    "1003,1,103,C180,\xCB"
    "lise Vandermeersch-Oostende\n";

std::string Times(const std::string& text, int count) {
  std::string all;
  for (int i = 0; i < count; ++i) all += text;
  return all;
}

struct TransferRun {
  TempDir folder;
  std::string input = folder.Write("cases.csv", kCases);
  std::string output = folder / "cases.prn";
  JobSettings application;
  std::unique_ptr<CTRANSwizard> wizard;
  MessageRecorder messages;

  void Open() {
    wizard = std::make_unique<CTRANSwizard>(application);
    wizard->show();
  }
  // Page 1 filled and left with Next; true when page 2 shows.
  bool ToColumns(bool firstRowHasNames = true) {
    Open();
    CTRANSwiz1* files = wizard->filesPage();
    files->inputEdit()->setText(FromLocalPath(input));
    files->outputEdit()->setText(FromLocalPath(output));
    files->firstRowHasNamesBox()->setChecked(firstRowHasNames);
    Press(*wizard, QWizard::NextButton);
    return wizard->currentId() == CTRANSwizard::kColumnsPage;
  }
  CTRANSwiz2* page() const { return wizard->columnsPage(); }
  QTreeWidget* tree() const { return page()->columnTree(); }
  QStringList Ticked() const {
    QStringList names;
    for (int column : page()->TickedColumns()) names << tree()->topLevelItem(column)->text(0);
    return names;
  }
  // Finish, then the timer's ticks until the transfer ends.
  void FinishAndRun() {
    Press(*wizard, QWizard::FinishButton);
    for (int tick = 0; tick < 1000 && page()->transferState() == CTRANSwiz2::kRunning; ++tick)
      page()->OnTimer();
  }
};

void ClickItem(QTreeWidget* tree, int row, bool onTheBox) {
  const QRect rect = tree->visualItemRect(tree->topLevelItem(row));
  const QPoint at =
      onTheBox ? rect.topLeft() + QPoint(rect.height() / 2, rect.height() / 2) : rect.center();
  QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier, at);
}

}  // namespace

class TransferWizardTest : public QObject {
  Q_OBJECT

 private slots:
  void filesPageRefusals();
  void columnsPreTickedFromTheHeader();
  void ticksByMouseAndSpaceBarAreWritten();
  void finishWritesTheFileAndTellsTheLosses();
  void finishWithNothingTickedDoesNothing();
  void writeErrorIsShownInTheResult();
  void previewInUtf8AndResultsOfQuotes();
  void cancelWhileRunningKeepsWhatWasWritten();
};

void TransferWizardTest::filesPageRefusals() {
  TransferRun run;
  fs::create_directory(run.folder / "sub");
  const std::string sameFile = run.folder / "sub/../cases.csv";
  const std::string existing = run.folder.Write("old.prn", "old\n");
  const std::string noDelimiter = run.folder.Write("plain.txt", "one\ntwo\nthree\n");
  run.application.firstRowHasNames = 1;
  run.Open();
  QVERIFY(!run.wizard->filesPage()->firstRowHasNamesBox()->isChecked());
  QCOMPARE(run.wizard->windowTitle(), QStringLiteral("File Transfer (1/2)"));
  const struct {
    std::string input;
    std::string output;
    const char* message;
  } steps[] = {
      {"", run.output, nullptr},
      {run.folder / "missing.csv", run.output, "stop: Cannot open input file!"},
      {run.input, "", nullptr},
      {run.input, sameFile, "stop: Output and input file names are identical!"},
      {run.input, existing, "question: Output file already exists. Do you want to overwrite it?"},
      {run.input, run.folder / "nofolder/out.prn", "stop: Output file is not accessible!"},
      {noDelimiter, run.output, "information: Cannot find a field delimiter!"},
  };
  for (const auto& step : steps) {
    run.wizard->filesPage()->inputEdit()->setText(FromLocalPath(step.input));
    run.wizard->filesPage()->outputEdit()->setText(FromLocalPath(step.output));
    Press(*run.wizard, QWizard::NextButton);
    QCOMPARE(run.messages.Take(),
             step.message ? QStringList{QString::fromLatin1(step.message)} : QStringList());
    QCOMPARE(run.wizard->currentId(), int(CTRANSwizard::kFilesPage));
  }
  QCOMPARE(ReadFile(existing), std::string("old\n"));
  QVERIFY(!fs::exists(run.output));

  // A read-only input is accepted: it is only read.
  fs::permissions(run.input, fs::perms::owner_read);
  run.wizard->filesPage()->inputEdit()->setText(FromLocalPath(run.input));
  run.wizard->filesPage()->outputEdit()->setText(FromLocalPath(run.output));
  Press(*run.wizard, QWizard::NextButton);
  QCOMPARE(run.messages.Take(), QStringList());
  QCOMPARE(run.wizard->currentId(), int(CTRANSwizard::kColumnsPage));
  QCOMPARE(run.wizard->windowTitle(), QStringLiteral("File Transfer (2/2)"));
  QCOMPARE(run.wizard->settings().inputFile, run.input);
  QCOMPARE(run.wizard->settings().firstRowHasNames, 0);
  QVERIFY(!fs::exists(run.output));
}

void TransferWizardTest::columnsPreTickedFromTheHeader() {
  TransferRun run;
  WriteFile(run.input, "Patient;SexCode;Age;Topo;sEx;Datehisto\n" + Times("1;2;3;4;5;6\r\n", 1600));
  QVERIFY(run.ToColumns());
  QCOMPARE(run.messages.Take(), QStringList());
  QCOMPARE(run.tree()->topLevelItemCount(), 6);
  QCOMPARE(run.Ticked(), (QStringList{"SexCode", "Age", "Topo", "Datehisto"}));
  QTreeWidget* preview = run.page()->previewList();
  QCOMPARE(preview->columnCount(), 6);
  QCOMPARE(preview->headerItem()->text(4), QStringLiteral("sEx"));
  QCOMPARE(preview->topLevelItemCount(), 1500);
  QCOMPARE(preview->topLevelItem(0)->text(5), QStringLiteral("6"));
  QCOMPARE(run.page()->captionEdit()->text(),
           "Preview (1500 first records) of: " + FromLocalPath(run.input));
  QVERIFY(run.page()->progressBar()->isHidden());
  QVERIFY(run.page()->resultEdit()->isHidden());
  QCOMPARE(ClippedControls(*run.wizard), QStringList());

  // Untick a column, go back and come again: the ticks start anew.
  ClickItem(run.tree(), 1, false);
  QCOMPARE(run.Ticked(), (QStringList{"Age", "Topo", "Datehisto"}));
  Press(*run.wizard, QWizard::BackButton);
  QCOMPARE(run.wizard->currentId(), int(CTRANSwizard::kFilesPage));
  Press(*run.wizard, QWizard::NextButton);
  QCOMPARE(run.Ticked(), (QStringList{"SexCode", "Age", "Topo", "Datehisto"}));
}

void TransferWizardTest::ticksByMouseAndSpaceBarAreWritten() {
  TransferRun run;
  QVERIFY(run.ToColumns());
  QTreeWidget* tree = run.tree();
  ClickItem(tree, 0, false);  // Patient, on its name
  ClickItem(tree, 2, true);   // Age, on its box: unticked
  tree->setFocus();
  tree->setCurrentItem(tree->topLevelItem(4));
  QTest::keyClick(tree, Qt::Key_Space);  // Name
  tree->setCurrentItem(tree->topLevelItem(3));
  QTest::keyClick(tree, Qt::Key_Space);  // Topo: unticked
  QTest::keyClick(tree, Qt::Key_Space);  // and ticked again
  QCOMPARE(run.Ticked(), (QStringList{"Patient", "SexCode", "Topo", "Name"}));
  run.FinishAndRun();
  QCOMPARE(run.messages.Take(), QStringList());
  QCOMPARE(ReadFile(run.output), std::string("     1001        1  C509            Smith, Ann\n"
                                             "     1002        2  C341                O'Hara\n"
                                             "     1003        1  C180  \xCB"
                                             "lise Vandermeersch-\n"));
}

void TransferWizardTest::finishWritesTheFileAndTellsTheLosses() {
  TransferRun run;
  QVERIFY(run.ToColumns());
  ClickItem(run.tree(), 4, false);  // Name, whose last value is cut
  Press(*run.wizard, QWizard::FinishButton);
  CTRANSwiz2* page = run.page();
  QCOMPARE(page->transferState(), int(CTRANSwiz2::kRunning));
  QVERIFY(!run.wizard->button(QWizard::BackButton)->isEnabled());
  QVERIFY(page->progressBar()->isVisible());
  QVERIFY(page->resultEdit()->isHidden());
  // Finish while it runs does nothing.
  Press(*run.wizard, QWizard::FinishButton);
  QVERIFY(run.wizard->isVisible());
  page->OnTimer();
  QCOMPARE(page->transferState(), int(CTRANSwiz2::kRunning));
  // Measured, and the header passed; nothing written yet.
  QVERIFY(page->progressBar()->value() >= 50 && page->progressBar()->value() < 100);
  QCOMPARE(ReadFile(run.output), std::string());
  page->OnTimer();
  QCOMPARE(page->transferState(), int(CTRANSwiz2::kFinished));
  QCOMPARE(page->progressBar()->value(), 100);
  QVERIFY(page->resultEdit()->isVisible());
  QCOMPARE(page->resultEdit()->toPlainText(),
           "Done!\n3 records transfered from:\n" + FromLocalPath(run.input) + "\nto\n" +
               FromLocalPath(run.output) + "\n1 value(s) longer than 20 characters were cut.");
  QCoreApplication::processEvents();
  QVERIFY(!page->resultEdit()->verticalScrollBar()->isVisible());  // every line readable
  QCOMPARE(ReadFile(run.output), std::string("        1   45  C509            Smith, Ann\n"
                                             "        2    7  C341                O'Hara\n"
                                             "        1  103  C180  \xCB"
                                             "lise Vandermeersch-\n"));
  QVERIFY(!run.wizard->button(QWizard::BackButton)->isEnabled());
  QCOMPARE(run.messages.Take(), QStringList());
  Press(*run.wizard, QWizard::FinishButton);
  QCOMPARE(run.wizard->result(), int(QDialog::Accepted));
}

void TransferWizardTest::finishWithNothingTickedDoesNothing() {
  TransferRun run;
  QVERIFY(run.ToColumns());
  for (int row : {1, 2, 3}) ClickItem(run.tree(), row, true);
  QCOMPARE(run.Ticked(), QStringList());
  Press(*run.wizard, QWizard::FinishButton);
  QCOMPARE(run.messages.Take(), QStringList());
  QCOMPARE(run.page()->transferState(), int(CTRANSwiz2::kNotStarted));
  QVERIFY(run.wizard->button(QWizard::BackButton)->isEnabled());
  QVERIFY(run.wizard->isVisible());
  QVERIFY(!fs::exists(run.output));

  // The input vanished since page 2 was shown: a stop box, nothing written.
  ClickItem(run.tree(), 0, false);
  fs::remove(run.input);
  Press(*run.wizard, QWizard::FinishButton);
  QCOMPARE(run.messages.Take(), QStringList{"stop: Cannot open input file!"});
  QCOMPARE(run.page()->transferState(), int(CTRANSwiz2::kNotStarted));
  QVERIFY(!fs::exists(run.output));
}

void TransferWizardTest::writeErrorIsShownInTheResult() {
  TransferRun run;
  WriteFile(run.input, Times("record,\"some value\",123456789\n", 30000));
  QVERIFY(run.ToColumns(false));
  for (int row : {0, 1, 2}) ClickItem(run.tree(), row, true);
  {
    FileSizeLimit limit(100 * 1024);
    run.FinishAndRun();
  }
  const QString result = run.page()->resultEdit()->toPlainText();
  QVERIFY2(result.startsWith("Cannot write the output file!\n" + FromLocalPath(run.output)),
           qPrintable(result));
  QVERIFY(result.endsWith("The transfer was stopped and the output file removed."));
  QVERIFY(!fs::exists(run.output));
  QCOMPARE(run.page()->transferState(), int(CTRANSwiz2::kFinished));
  Press(*run.wizard, QWizard::FinishButton);
  QCOMPARE(run.wizard->result(), int(QDialog::Accepted));
}

void TransferWizardTest::previewInUtf8AndResultsOfQuotes() {
  const struct {
    const char* name;
    std::string input;
    QString firstValue;  // as the preview shows it
    QString resultEnd;   // the end of the result text
    bool written;
  } cases[] = {
      {"utf8", "Name,Sex,Age\n\"Bront\xC3\xAB, Anne\",2,29\n", QStringLiteral(u"Bront\u00EB, Anne"),
       QStringLiteral("cases.prn"), true},
      {"latin1", "Name,Sex,Age\nBront\xEB,2,29\n", QStringLiteral(u"Bront\u00EB"),
       QStringLiteral("cases.prn"), true},
      {"unclosed", "Name,Sex,Age\nAnn,2,29\n\"Bo,1,7\nCy,1,8\n", QStringLiteral("Ann"),
       QStringLiteral("The file ends inside a quoted field that opens on line 3."), false},
      // Age holds a value that is cut: both notes show, each on its line.
      {"joined", "Name,Sex,Age\n\"Ann\r\nLee\",2,\"2\n9\"\nBo,1,abcdefghijklmnopqrstuvwxyz\n",
       QStringLiteral("Ann Lee"),
       QStringLiteral("were cut.\n2 line break(s) inside quotes were written as blanks."), true},
  };
  for (const auto& c : cases) {
    TransferRun run;
    WriteFile(run.input, c.input);
    QVERIFY2(run.ToColumns(), c.name);
    QCOMPARE(run.page()->previewList()->topLevelItem(0)->text(0), c.firstValue);
    run.FinishAndRun();
    const QString result = run.page()->resultEdit()->toPlainText();
    QVERIFY2(result.endsWith(c.resultEnd), qPrintable(result));
    QCOMPARE(fs::exists(run.output), c.written);
    QCoreApplication::processEvents();
    QVERIFY(!run.page()->resultEdit()->verticalScrollBar()->isVisible());
    QVERIFY(!run.page()->resultEdit()->horizontalScrollBar()->isVisible());
  }
}

void TransferWizardTest::cancelWhileRunningKeepsWhatWasWritten() {
  TransferRun run;
  std::string input;
  for (int i = 0; i < 5000; ++i) input += std::to_string(100000 + i) + ",x,y\n";
  WriteFile(run.input, input);
  QVERIFY(run.ToColumns(false));
  ClickItem(run.tree(), 0, false);
  Press(*run.wizard, QWizard::FinishButton);
  while (run.page()->transfer().state() == TransferState::kMeasuring) run.page()->OnTimer();
  run.page()->OnTimer();
  QCOMPARE(run.page()->transferState(), int(CTRANSwiz2::kRunning));
  Press(*run.wizard, QWizard::CancelButton);
  QCOMPARE(run.wizard->result(), int(QDialog::Rejected));
  QCOMPARE(run.page()->transferState(), int(CTRANSwiz2::kFinished));
  QCOMPARE(int(run.page()->transfer().state()), int(TransferState::kCancelled));
  std::string expected;
  for (int i = 0; i < kTransferBatch; ++i) expected += "  " + std::to_string(100000 + i) + "\n";
  QCOMPARE(ReadFile(run.output), expected);
}

QTEST_MAIN(TransferWizardTest)
#include "test_transwizard.moc"
