#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <filesystem>
#include <memory>

#include "common/layoutfile.h"
#include "frontend/wizards/mulwizard.h"
#include "frontend/wizards/mulwizfiles.h"
#include "frontend/wizards/mulwizformat.h"
#include "frontend/wizards/mulwizlayout.h"
#include "tests/frontend/wizards/wizardtesting.h"
#include "tests/support/testfiles.h"

using namespace kelvarin;
using namespace kelvarin::test;
namespace fs = std::filesystem;

namespace {

// Patient identification 1-8, sequence number 9-10, sex 11, topography
// 12-15, histology 16-19, behaviour 20, incidence date 21-28 or 21-29, and
// one more column: 30 in all.
constexpr int kRecordLength = 30;

enum { kPatient, kSequence, kSex, kTopography, kHistology, kBehaviour, kIncidence };

void DefineRequired(CWizLayout* page, int incidenceLast = 28) {
  DefineVariable(page, kPatient, 1, 8);
  DefineVariable(page, kSex, 11, 11);
  DefineVariable(page, kTopography, 12, 15);
  DefineVariable(page, kHistology, 16, 19);
  DefineVariable(page, kBehaviour, 20, 20);
  DefineVariable(page, kIncidence, 21, incidenceLast);
}

struct MultipleRun {
  TempDir folder;
  std::string input = folder.Write("cases.dat", Records(20, kRecordLength, "\n"));
  std::string output = folder / "result.dat";
  std::string mpr = folder / "cases.mpr";
  JobSettings application;
  std::unique_ptr<CMULwizard> wizard;
  MessageRecorder messages;

  void ToLayout() {
    wizard = std::make_unique<CMULwizard>(application);
    wizard->show();
    wizard->filesPage()->inputEdit()->setText(QString::fromStdString(input));
    wizard->filesPage()->outputEdit()->setText(QString::fromStdString(output));
    Press(*wizard, QWizard::NextButton);
  }
  CMULwizLayout* layout() const { return wizard->layoutPage(); }
  int current() const { return wizard->currentId(); }
};

}  // namespace

class MultipleWizardTest : public QObject {
  Q_OBJECT

 private slots:
  void wholeRunWritesTheLayoutFile();
  void layoutNeedsEveryVariableButTheSequenceNumber();
  void formatPageRefusals();
  void formatListFollowsTheDateWidth();
  void definitionFileIsRead();
  void definitionFileThatDoesNotCorrespond();
  void filesPageIsTheSharedOne();
  void cancelWritesNothing();
  void titlesAndHelpTopics();
};

void MultipleWizardTest::wholeRunWritesTheLayoutFile() {
  MultipleRun run;
  run.application.includeBrain = 1;
  run.application.includeBladder = 0;
  run.application.duplicatesToFile = 1;
  run.ToLayout();
  QCOMPARE(run.current(), int(CMULwizard::kLayoutPage));
  QCOMPARE(run.wizard->windowTitle(), QStringLiteral("Orvo/Semu multiple primary check (2/3)"));
  CWizLayout* page = run.layout();
  QVERIFY(!page->optionBox(0)->isChecked());  // bladder
  QVERIFY(page->optionBox(1)->isChecked());   // brain
  QVERIFY(page->optionBox(2)->isChecked());   // duplicates into a separate file
  QCOMPARE(page->optionBox(1)->text(),
           QStringLiteral("Includes benign (/0) and unspecified (/1) tumours of the brain "));
  DefineRequired(page);
  DefineVariable(page, kSequence, 9, 10);
  page->optionBox(0)->setChecked(true);
  page->optionBox(2)->setChecked(false);
  Press(*run.wizard, QWizard::NextButton);
  QCOMPARE(run.current(), int(CMULwizard::kFormatPage));
  QWidget* format = run.wizard->formatPage();
  Child<QLineEdit>(format, "male")->setText("M");
  Child<QLineEdit>(format, "female")->setText("W");
  Child<QListWidget>(format, "incidenceFormats")->setCurrentRow(3);  // DD/MM/YY
  Press(*run.wizard, QWizard::FinishButton);
  QCOMPARE(run.wizard->result(), int(QDialog::Accepted));
  QCOMPARE(run.messages.Take(), QStringList());

  const JobSettings& sheet = run.wizard->settings();
  QCOMPARE(std::make_pair(sheet.seqNoStart, sheet.seqNoEnd), std::make_pair(9, 10));
  QCOMPARE(std::make_pair(sheet.incidenceDateStart, sheet.incidenceDateEnd),
           std::make_pair(21, 28));
  QCOMPARE(sheet.includeBladder, 1);
  QCOMPARE(sheet.includeBrain, 1);
  QCOMPARE(sheet.duplicatesToFile, 0);
  QCOMPARE(sheet.maleCode, 'M');
  QCOMPARE(sheet.femaleCode, 'W');
  QCOMPARE(sheet.incidenceDateFormat, 3);
  QCOMPARE(sheet.fileSize, uint64_t(20 * 31));

  const std::string bytes = ReadFile(run.mpr);
  QCOMPARE(bytes.size(), size_t(64));
  QCOMPARE(bytes[61], '\0');
  QCOMPARE(bytes[63], '\0');
  RecordSettings record;
  QCOMPARE(int(ReadLayoutFile(run.mpr, LayoutFile::kMultiplePrimary, record)),
           int(LayoutFileStatus::kComplete));
  const std::vector<int32_t> positions = {1, 8, 9, 10, 11, 11, 12, 15, 16, 19, 20, 20, 21, 28};
  QVERIFY(LayoutPairs(LayoutFile::kMultiplePrimary, record) == positions);
  QCOMPARE(record.incidenceDateFormat, 3);
  QCOMPARE(record.maleCode, 'M');
  QCOMPARE(record.femaleCode, 'W');
}

void MultipleWizardTest::layoutNeedsEveryVariableButTheSequenceNumber() {
  MultipleRun run;
  run.ToLayout();
  CWizLayout* page = run.layout();
  DefineVariable(page, kPatient, 1, 8);
  DefineVariable(page, kSex, 11, 12);  // too wide, but something is missing first
  Press(*run.wizard, QWizard::NextButton);
  QCOMPARE(
      run.messages.Take(),
      QStringList{"stop: \nPositions of all variables (but sequence number) must be defined!"});
  page->variableList()->setCurrentRow(kSex);
  ClickPreview(page, 12);
  ClickPreview(page, 11);
  QCOMPARE(page->columns().Pair(kSex), std::make_pair(11, 11));
  DefineVariable(page, kTopography, 13, 15);
  DefineVariable(page, kHistology, 16, 19);
  DefineVariable(page, kBehaviour, 20, 20);
  DefineVariable(page, kIncidence, 21, 21);
  Press(*run.wizard, QWizard::NextButton);
  QCOMPARE(run.messages.Take(),
           QStringList{"stop: \nDate field must not have at least two characters!"});
  QCOMPARE(run.current(), int(CMULwizard::kLayoutPage));
}

void MultipleWizardTest::formatPageRefusals() {
  MultipleRun run;
  run.ToLayout();
  DefineRequired(run.layout());
  Press(*run.wizard, QWizard::NextButton);
  QWidget* format = run.wizard->formatPage();
  auto* male = Child<QLineEdit>(format, "male");
  auto* female = Child<QLineEdit>(format, "female");
  QCOMPARE(male->text(), QStringLiteral("1"));
  QCOMPARE(female->text(), QStringLiteral("2"));
  const struct {
    const char* male;
    const char* female;
    const char* message;
  } steps[] = {
      {"M", "M", "stop: Sex codes must be different!"},
      {"", "", "stop: Sex codes must be different!"},
      {"", "2", "stop: Sex codes must be defined!"},
      {"1", " ", "stop: Sex codes must be defined!"},
  };
  for (const auto& step : steps) {
    male->setText(QString::fromLatin1(step.male));
    female->setText(QString::fromLatin1(step.female));
    Press(*run.wizard, QWizard::FinishButton);
    QCOMPARE(run.messages.Take(), QStringList{step.message});
    QVERIFY(run.wizard->isVisible());
  }
  QVERIFY(!fs::exists(run.mpr));
  male->setText("m");
  female->setText("M");
  Press(*run.wizard, QWizard::FinishButton);
  QCOMPARE(run.messages.Take(), QStringList());
  QCOMPARE(run.wizard->result(), int(QDialog::Accepted));
  QVERIFY(fs::exists(run.mpr));
}

void MultipleWizardTest::formatListFollowsTheDateWidth() {
  MultipleRun run;
  run.application.incidenceDateFormat = 5;
  run.ToLayout();
  DefineRequired(run.layout(), 29);
  Press(*run.wizard, QWizard::NextButton);
  auto* list = Child<QListWidget>(run.wizard->formatPage(), "incidenceFormats");
  QCOMPARE(list->count(), 2);
  QCOMPARE(list->item(0)->text(), QStringLiteral("DD/MM/YYY"));
  QCOMPARE(list->item(1)->text(), QStringLiteral("YYY/MM/DD"));
  QCOMPARE(list->currentRow(), -1);  // the stored index is beyond this width
  Press(*run.wizard, QWizard::FinishButton);
  QCOMPARE(run.messages.Take(), QStringList{"stop: Incidence date format is not defined!"});
  list->setCurrentRow(1);
  Press(*run.wizard, QWizard::FinishButton);
  QCOMPARE(run.wizard->settings().incidenceDateFormat, 1);

  // Back and forth: the list is filled again for the width, the stored
  // format selected.
  MultipleRun again;
  again.ToLayout();
  DefineRequired(again.layout(), 29);
  Press(*again.wizard, QWizard::NextButton);
  auto* list2 = Child<QListWidget>(again.wizard->formatPage(), "incidenceFormats");
  QCOMPARE(list2->currentRow(), 0);  // a negative index selects the first
  Press(*again.wizard, QWizard::BackButton);
  QCOMPARE(again.current(), int(CMULwizard::kLayoutPage));
  again.layout()->variableList()->setCurrentRow(kIncidence);
  ClickPreview(again.layout(), 29);
  ClickPreview(again.layout(), 28);
  Press(*again.wizard, QWizard::NextButton);
  QCOMPARE(list2->count(), 7);
  QCOMPARE(list2->item(0)->text(), QStringLiteral("YYYYMMDD"));
}

void MultipleWizardTest::definitionFileIsRead() {
  MultipleRun run;
  RecordSettings stored;
  SetLayoutPairs(LayoutFile::kMultiplePrimary,
                 {1, 8, -1, -1, 11, 11, 12, 15, 16, 19, 20, 20, 21, 30}, stored);
  stored.incidenceDateFormat = 1;
  stored.maleCode = 'A';
  stored.femaleCode = 'B';
  QVERIFY(WriteLayoutFile(run.mpr, LayoutFile::kMultiplePrimary, stored) ==
          LayoutFileWrite::kWritten);
  run.application.includeBrain = 1;
  run.ToLayout();
  QCOMPARE(run.messages.Take(), QStringList());  // ending at the record length fits
  QCOMPARE(run.layout()->columns().Pair(kIncidence), std::make_pair(21, 30));
  QVERIFY(run.layout()->optionBox(1)->isChecked());  // options come from the job, not the file
  run.layout()->variableList()->setCurrentRow(kIncidence);
  ClickPreview(run.layout(), 5);
  QCOMPARE(run.messages.Take(),
           QStringList{"stop: \nLayout definition for \n'Incidence date'\n already set!"});
  Press(*run.wizard, QWizard::NextButton);
  QCOMPARE(run.messages.Take(), QStringList());
  QCOMPARE(Child<QLineEdit>(run.wizard->formatPage(), "male")->text(), QStringLiteral("A"));
  QCOMPARE(Child<QListWidget>(run.wizard->formatPage(), "incidenceFormats")->currentRow(), 1);
}

void MultipleWizardTest::definitionFileThatDoesNotCorrespond() {
  RecordSettings stored;
  SetLayoutPairs(LayoutFile::kMultiplePrimary,
                 {1, 8, -1, -1, 11, 11, 12, 15, 16, 19, 20, 20, 21, 31}, stored);
  for (bool yes : {false, true}) {
    MultipleRun run;
    QVERIFY(WriteLayoutFile(run.mpr, LayoutFile::kMultiplePrimary, stored) ==
            LayoutFileWrite::kWritten);
    run.messages.Answer(yes);
    run.ToLayout();
    QStringList expected{
        "question: The definition file does not correspond to the input file.\nIt must be deleted "
        "to define new "
        "variable positions.\nDo you want the program to do it for you?"};
    if (yes) expected << "information: The definition file has been succesfuly removed!";
    QCOMPARE(run.messages.Take(), expected);
    QCOMPARE(fs::exists(run.mpr), !yes);
    QCOMPARE(run.layout()->columns().IsDefined(kPatient), !yes);
    QVERIFY(!run.layout()->columns().IsDefined(kIncidence));
  }
}

void MultipleWizardTest::filesPageIsTheSharedOne() {
  MultipleRun run;
  run.wizard = std::make_unique<CMULwizard>(run.application);
  run.wizard->show();
  ExpectFirstPageWhole(*run.wizard);
  QCOMPARE(run.wizard->windowTitle(), QStringLiteral("Orvo/Semu multiple primary check (1/3)"));
  QSignalSpy topics(run.wizard.get(), &CWizardSheet::helpTopicRequested);
  Child<QPushButton>(run.wizard->filesPage(), "moreInfo")->click();
  QCOMPARE(topics.count(), 1);
  QCOMPARE(topics.at(0).at(0).toString(), QStringLiteral("htm/Multiple.htm"));
  run.wizard->filesPage()->inputEdit()->setText(QString::fromStdString(run.input));
  run.wizard->filesPage()->outputEdit()->setText(QString::fromStdString(run.input));
  Press(*run.wizard, QWizard::NextButton);
  QCOMPARE(run.messages.Take(), QStringList{"stop: Output and input file names are identical!"});
  QCOMPARE(run.current(), int(CMULwizard::kFilesPage));
}

void MultipleWizardTest::cancelWritesNothing() {
  MultipleRun run;
  run.ToLayout();
  DefineRequired(run.layout());
  Press(*run.wizard, QWizard::NextButton);
  Press(*run.wizard, QWizard::CancelButton);
  QCOMPARE(run.wizard->result(), int(QDialog::Rejected));
  QVERIFY(!fs::exists(run.mpr));
}

void MultipleWizardTest::titlesAndHelpTopics() {
  MultipleRun run;
  run.wizard = std::make_unique<CMULwizard>(run.application);
  QCOMPARE(run.wizard->windowTitle(), QStringLiteral("Orvo/Semu multiple primary..."));
  QCOMPARE(run.wizard->banner(), QStringLiteral("Orvo/Semu multiple primary check program"));
  run.wizard->show();
  HelpWalk walk(*run.wizard);
  walk.PressHelp();
  run.wizard->filesPage()->inputEdit()->setText(QString::fromStdString(run.input));
  run.wizard->filesPage()->outputEdit()->setText(QString::fromStdString(run.output));
  Press(*run.wizard, QWizard::NextButton);
  walk.PressHelp();
  DefineRequired(run.layout());
  Press(*run.wizard, QWizard::NextButton);
  walk.PressHelp();
  QCOMPARE(walk.topics,
           (QStringList{"htm/WizFiles.htm", "htm/WizLayoutMUL.htm", "htm/WizFormatMUL.htm"}));
  QCOMPARE(walk.titles, (QStringList{"Orvo/Semu multiple primary check (1/3)",
                                     "Orvo/Semu multiple primary check (2/3)",
                                     "Orvo/Semu multiple primary check (3/3)"}));
  QStringList options;
  for (int i = 0; i < 3; ++i) options << run.layout()->optionBox(i)->text();
  QCOMPARE(options, (QStringList{"Includes unspecified (/1) or in situ (/2) tumours of the bladder",
                                 "Includes benign (/0) and unspecified (/1) tumours of the brain ",
                                 "Write duplicate records into a separate file"}));
  QCOMPARE(run.messages.Take(), QStringList());
}

QTEST_MAIN(MultipleWizardTest)
#include "test_mulwizard.moc"
