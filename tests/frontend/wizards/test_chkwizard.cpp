#include <unistd.h>
#include <QCheckBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <memory>

#include "common/layoutfile.h"
#include "frontend/wizards/checksummary.h"
#include "frontend/wizards/chkwizard.h"
#include "frontend/wizards/chkwizfiles.h"
#include "frontend/wizards/chkwizfinish.h"
#include "frontend/wizards/chkwizformat.h"
#include "frontend/wizards/chkwizlayout.h"
#include "tests/frontend/wizards/wizardtesting.h"
#include "tests/support/testfiles.h"

using namespace kelvarin;
using namespace kelvarin::test;
namespace fs = std::filesystem;

namespace {

// The records of the tests: registration number 1-8, sex 9, topography
// 10-13, histology 14-17, behaviour 18, grade 19, basis 20, incidence date
// 21-28, birth date 29-36, age 37-39, one more column: 40 in all.
constexpr int kRecordLength = 40;

void DefineAll(CWizLayout* page) {
  DefineVariable(page, kCheckRegNo, 1, 8);
  DefineVariable(page, kCheckSex, 9, 9);
  DefineVariable(page, kCheckTopography, 10, 13);
  DefineVariable(page, kCheckHistology, 14, 17);
  DefineVariable(page, kCheckBehaviour, 18, 18);
  DefineVariable(page, kCheckGrade, 19, 19);
  DefineVariable(page, kCheckBasis, 20, 20);
  DefineVariable(page, kCheckIncidenceDate, 21, 28);
  DefineVariable(page, kCheckBirthDate, 29, 36);
  DefineVariable(page, kCheckAge, 37, 39);
}

// A check wizard over a fresh folder with a data file of 15 records.
struct CheckRun {
  TempDir folder;
  std::string input = folder.Write("records.txt", Records(15, kRecordLength));
  std::string output = folder / "checked.txt";
  std::string frm = folder / "records.frm";
  JobSettings application;
  std::unique_ptr<CCHKwizard> wizard;
  MessageRecorder messages;

  void Open() {
    wizard = std::make_unique<CCHKwizard>(application);
    wizard->show();
  }
  // Opens the wizard and leaves the Files page with the two paths.
  void ToLayout() {
    Open();
    SetFiles(input, output);
    Press(*wizard, QWizard::NextButton);
  }
  void SetFiles(const std::string& in, const std::string& out) {
    wizard->filesPage()->inputEdit()->setText(QString::fromStdString(in));
    wizard->filesPage()->outputEdit()->setText(QString::fromStdString(out));
  }
  CCHKwizLayout* layout() const { return wizard->layoutPage(); }
  int current() const { return wizard->currentId(); }
};

}  // namespace

class CheckWizardTest : public QObject {
  Q_OBJECT

 private slots:
  void filesPageRefusals();
  void filesPageKeepsTheProbeResultsWhenTheOutputFails();
  void filesPageTakesOneRecordWithoutLineEnd();
  void filesPageAcceptsWithoutTouchingTheOutput();
  void browseTakesTheFolder();
  void clicksFindTheNearestBoundary();
  void clickRefusalsAndTheirMessages();
  void nextNeedsAVariable();
  void wholeRunWritesTheLayoutFile();
  void formatPageRefusals();
  void formatPageStoredFormatBeyondTheList();
  void formatPageShowsTheSheetOnEveryActivation();
  void formatPageSkipped();
  void loneStartMarkerShowsTheFormatPage();
  void definitionFileIsReadAfterTheFilesPage();
  void definitionFileThatDoesNotCorrespond();
  void definitionFileTruncatedOrGarbage();
  void scrollingIsClampedToTheRecord();
  void cancelWritesNothing();
  void helpTopics();
  void pagesOpenWhole();
};

void CheckWizardTest::filesPageRefusals() {
  struct Case {
    const char* name;
    std::string input;
    std::string output;
    QStringList messages;
    bool answerYes = false;
  };
  CheckRun run;
  TempDir& f = run.folder;
  const std::string good = run.input;
  const std::string existing = f.Write("existing.txt", "keep\n");
  fs::create_directory(f / "folder");
  fs::create_symlink(good, f / "link.txt");
  const QString recordLength = QStringLiteral(
      "stop: Record length of the selected file is %1: records must have 1 to 1024 characters.");
  const std::vector<Case> cases = {
      {"empty input", "", run.output, {}},
      {"missing input", f / "none.txt", run.output, {"stop: Cannot open input file!"}},
      {"folder as input", f / "folder", run.output, {"stop: Cannot open input file!"}},
      {"lengths differ",
       f.Write("ragged.txt", Records(3, 40) + Records(1, 39)),
       run.output,
       {"information: Selected file does not have a fixed length record format."}},
      {"empty file", f.Write("empty.txt", ""), run.output, {recordLength.arg(0)}},
      {"records too long",
       f.Write("long.txt", Records(3, 1100)),
       run.output,
       {recordLength.arg(1100)}},
      {"records of 1025",
       f.Write("long1025.txt", Records(3, 1025)),
       run.output,
       {recordLength.arg(1025)}},
      {"empty output", good, "", {}},
      {"same text", good, good, {"stop: Output and input file names are identical!"}},
      {"another spelling",
       good,
       f / "folder/../records.txt",
       {"stop: Output and input file names are identical!"}},
      {"a link to the input",
       good,
       f / "link.txt",
       {"stop: Output and input file names are identical!"}},
      {"existing output, No",
       good,
       existing,
       {"question: Output file already exists. Do you want to overwrite it?"}},
      {"output in a missing folder",
       good,
       f / "missing/out.txt",
       {"stop: Output file is not accessible!"}},
      {"output is a folder", good, f / "folder", {"stop: Output file is not accessible!"}},
  };
  run.Open();
  for (const Case& c : cases) {
    run.SetFiles(c.input, c.output);
    Press(*run.wizard, QWizard::NextButton);
    QCOMPARE(run.current(), int(CCHKwizard::kFilesPage));
    QVERIFY2(run.messages.Take() == c.messages, c.name);
  }
  QCOMPARE(ReadFile(existing), std::string("keep\n"));
  QVERIFY(fs::is_symlink(f / "link.txt"));

  if (geteuid() != 0) {
    const std::string readOnly = f.Write("readonly.txt", Records(3, 40));
    fs::permissions(readOnly, fs::perms::owner_read);
    run.SetFiles(readOnly, run.output);
    Press(*run.wizard, QWizard::NextButton);
    QCOMPARE(run.messages.Take(), QStringList{"stop: Cannot open input file!"});
    const std::string locked = f.Write("locked.txt", "keep\n");
    fs::permissions(locked, fs::perms::owner_read);
    run.SetFiles(good, locked);
    Press(*run.wizard, QWizard::NextButton);
    QCOMPARE(run.messages.Take(), QStringList{"stop: Output file is not accessible!"});
    QCOMPARE(ReadFile(locked), std::string("keep\n"));
  }

  // Yes to the question goes on.
  run.messages.Answer(true);
  run.SetFiles(good, existing);
  Press(*run.wizard, QWizard::NextButton);
  QCOMPARE(run.current(), int(CCHKwizard::kLayoutPage));
  QCOMPARE(run.wizard->settings().outputFile, existing);
  QCOMPARE(ReadFile(existing), std::string("keep\n"));
}

void CheckWizardTest::filesPageKeepsTheProbeResultsWhenTheOutputFails() {
  CheckRun run;
  run.Open();
  run.SetFiles(run.input, run.input);
  Press(*run.wizard, QWizard::NextButton);
  const JobSettings& sheet = run.wizard->settings();
  QCOMPARE(sheet.recordLength, kRecordLength);
  QCOMPARE(sheet.fileSize, uint64_t(15 * 42));
  QCOMPARE(sheet.previewLineCount, 12);
  QCOMPARE(sheet.previewLines[0], Records(1, kRecordLength, ""));
  QCOMPARE(sheet.inputFile, run.input);
  QCOMPARE(sheet.outputFile, run.application.outputFile);
}

void CheckWizardTest::filesPageTakesOneRecordWithoutLineEnd() {
  CheckRun run;
  run.input = run.folder.Write("one.txt", std::string(kRecordLength, 'x'));
  run.ToLayout();
  QCOMPARE(run.messages.Take(), QStringList());
  QCOMPARE(run.current(), int(CCHKwizard::kLayoutPage));
  QCOMPARE(run.wizard->settings().recordLength, kRecordLength);
  QCOMPARE(run.wizard->settings().previewLineCount, 1);
  DefineVariable(run.layout(), kCheckRegNo, 1, 8);
  DefineVariable(run.layout(), kCheckTopography, 10, 13);
  Press(*run.wizard, QWizard::NextButton);
  QCOMPARE(run.current(), int(CCHKwizard::kFinishPage));
}

void CheckWizardTest::filesPageAcceptsWithoutTouchingTheOutput() {
  CheckRun run;
  run.ToLayout();
  QCOMPARE(run.current(), int(CCHKwizard::kLayoutPage));
  QCOMPARE(run.messages.Take(), QStringList());
  QVERIFY(!fs::exists(run.output));
  QCOMPARE(run.wizard->settings().outputFile, run.output);
  QCOMPARE(run.wizard->windowTitle(), QStringLiteral("Orvo/Semu check program (2/4)"));
}

void CheckWizardTest::browseTakesTheFolder() {
  CheckRun run;
  run.Open();
  QCOMPARE(run.wizard->windowTitle(), QStringLiteral("Orvo/Semu check program (1/4)"));
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    QVERIFY(dialog != nullptr);
    dialog->selectFile(QString::fromStdString(run.input));
    QMetaObject::invokeMethod(dialog, "accept");
  });
  const auto buttons = run.wizard->filesPage()->findChildren<QPushButton*>();
  QPushButton* browseInput = nullptr;
  for (QPushButton* button : buttons)
    if (button->text() == QStringLiteral("Browse...") && browseInput == nullptr)
      browseInput = button;
  QVERIFY(browseInput != nullptr);
  browseInput->click();
  QCOMPARE(run.wizard->filesPage()->inputEdit()->text(), QString::fromStdString(run.input));
  QCOMPARE(run.wizard->settings().inputFolder, run.folder.path());
  QVERIFY(run.wizard->settings().inputFile != run.input);  // only Next takes the file
}

void CheckWizardTest::clicksFindTheNearestBoundary() {
  CheckRun run;
  run.ToLayout();
  CWizLayout* page = run.layout();
  const int w = page->charWidth();
  QVERIFY(page->visibleColumns() > kRecordLength);
  QVERIFY(!page->scrollBar()->isEnabled());

  // Exactly halfway between boundaries 7 and 8 goes right; a little less
  // than halfway goes left.
  const auto halfway = [page, w](int boundary) { return page->boundaryX(boundary) + w / 2.0; };
  page->variableList()->setCurrentRow(kCheckRegNo);
  PressPreviewAt(page, halfway(0) - 0.25);
  QCOMPARE(page->columns().start(kCheckRegNo), 0);
  QCOMPARE(page->pendingMarker(), 0);
  PressPreviewAt(page, halfway(7));
  QCOMPARE(page->columns().Pair(kCheckRegNo), std::make_pair(1, 8));
  QCOMPARE(page->pendingMarker(), -1);
  page->variableList()->setCurrentRow(kCheckSex);
  ClickPreview(page, 8, (w - 1) / 2);
  ClickPreview(page, 10, -(w - 1) / 2);
  QCOMPARE(page->columns().Pair(kCheckSex), std::make_pair(9, 10));

  // Beyond the record length and outside the preview nothing happens.
  page->variableList()->setCurrentRow(kCheckAge);
  ClickPreview(page, kRecordLength + 1);
  QTest::mouseClick(page, Qt::LeftButton, Qt::NoModifier,
                    QPoint(page->boundaryX(38), page->rulerBaseY() - 20));
  QCOMPARE(page->columns().start(kCheckAge), -1);
  // The boundary after the last column is a boundary.
  ClickPreview(page, kRecordLength);
  ClickPreview(page, 37);
  QCOMPARE(page->columns().Pair(kCheckAge), std::make_pair(38, 40));
  QCOMPARE(run.messages.Take(), QStringList());

  // Clicking the start marker of a range removes the range; the old end
  // stays as a lone start.
  ClickPreview(page, 37);
  QCOMPARE(page->columns().Pair(kCheckAge), std::make_pair(-1, -1));
  QCOMPARE(page->columns().start(kCheckAge), kRecordLength);
  QCOMPARE(page->pendingMarker(), kRecordLength);
}

void CheckWizardTest::clickRefusalsAndTheirMessages() {
  CheckRun run;
  run.ToLayout();
  CWizLayout* page = run.layout();
  DefineVariable(page, kCheckRegNo, 1, 8);
  page->variableList()->setCurrentRow(kCheckSex);
  ClickPreview(page, 4);
  QCOMPARE(
      run.messages.Take(),
      QStringList{"stop: \nLayout definition for \nSex:4\noverlaps with Registration number."});
  ClickPreview(page, 12);
  ClickPreview(page, 2);
  QCOMPARE(
      run.messages.Take(),
      QStringList{"stop: \nLayout definition for \nSex:2 \noverlaps with Registration number."});
  QCOMPARE(page->columns().start(kCheckSex), 12);
  page->variableList()->setCurrentRow(kCheckRegNo);
  ClickPreview(page, 20);
  QCOMPARE(run.messages.Take(),
           QStringList{"stop: \nLayout definition for \n'Registration number'\n already set!"});
  QCOMPARE(page->columns().Pair(kCheckRegNo), std::make_pair(1, 8));
}

void CheckWizardTest::nextNeedsAVariable() {
  CheckRun run;
  run.ToLayout();
  CWizLayout* page = run.layout();
  DefineVariable(page, kCheckRegNo, 1, 8);
  Press(*run.wizard, QWizard::NextButton);
  QCOMPARE(run.messages.Take(), QStringList{"stop: \nAt least one variable must be defined!"});
  QCOMPARE(run.current(), int(CCHKwizard::kLayoutPage));
  DefineVariable(page, kCheckGrade, 19, 19);
  Press(*run.wizard, QWizard::NextButton);
  QCOMPARE(run.messages.Take(),
           QStringList{"stop: \nHistology must be defined to check the grade code!"});
  DefineVariable(page, kCheckHistology, 14, 16);
  Press(*run.wizard, QWizard::NextButton);
  QCOMPARE(run.messages.Take(), QStringList{"stop: \nHistology field must have four characters!"});
  QCOMPARE(run.wizard->settings().histologyStart, -1);  // the sheet changes only on Next
}

void CheckWizardTest::wholeRunWritesTheLayoutFile() {
  CheckRun run;
  run.ToLayout();
  DefineAll(run.layout());
  Press(*run.wizard, QWizard::NextButton);
  QCOMPARE(run.current(), int(CCHKwizard::kFormatPage));
  QWidget* format = run.wizard->formatPage();
  Child<QLineEdit>(format, "male")->setText("M");
  Child<QLineEdit>(format, "female")->setText("F");
  Child<QLineEdit>(format, "basis4")->setText("8");
  Child<QLineEdit>(format, "ageUnknown")->setText("998");
  Child<QListWidget>(format, "incidenceFormats")->setCurrentRow(0);  // YYYYMMDD
  Child<QListWidget>(format, "birthFormats")->setCurrentRow(1);      // DDMMYYYY
  QCOMPARE(Child<QListWidget>(format, "birthFormats")->item(1)->text(), QStringLiteral("DDMMYYYY"));
  Child<QCheckBox>(format, "oneRecordPerError")->setChecked(true);
  Press(*run.wizard, QWizard::NextButton);
  QCOMPARE(run.current(), int(CCHKwizard::kFinishPage));
  QCOMPARE(run.wizard->windowTitle(), QStringLiteral("Orvo/Semu check program (4/4)"));
  const QString summary = run.wizard->finishPage()->summary()->toPlainText();
  QVERIFY(summary.startsWith(QStringLiteral("\t\t\tValidy checks:\n\n\t1- Sex codes\n")));
  QVERIFY(summary.endsWith(QStringLiteral("\t9- Age\t\t\t<->\tICD-O-3 (M)\n")));
  QVERIFY(!fs::exists(run.frm));

  Press(*run.wizard, QWizard::FinishButton);
  QCOMPARE(run.wizard->result(), int(QDialog::Accepted));
  QCOMPARE(run.messages.Take(), QStringList());

  const JobSettings& sheet = run.wizard->settings();
  QCOMPARE(std::make_pair(sheet.birthDateStart, sheet.birthDateEnd), std::make_pair(29, 36));
  QCOMPARE(std::make_pair(sheet.ageStart, sheet.ageEnd), std::make_pair(37, 39));
  QCOMPARE(sheet.optionB, 1);
  QCOMPARE(sheet.ageUnknownCode, std::string("998"));

  QCOMPARE(fs::file_size(run.frm), uintmax_t(104));
  RecordSettings record;
  QCOMPARE(int(ReadLayoutFile(run.frm, LayoutFile::kCheck, record)),
           int(LayoutFileStatus::kComplete));
  const std::vector<int32_t> positions = {1,  8,  9,  9,  10, 13, 14, 17, 18, 18,
                                          19, 19, 20, 20, 21, 28, 29, 36, 37, 39};
  QVERIFY(LayoutPairs(LayoutFile::kCheck, record) == positions);
  QCOMPARE(record.incidenceDateFormat, 0);
  QCOMPARE(record.birthDateFormat, 1);
  QCOMPARE(record.maleCode, 'M');
  QCOMPARE(record.femaleCode, 'F');
  QVERIFY((record.microscopicCodes == std::array<char, 4>{{'5', '6', '7', '8'}}));
  QCOMPARE(record.ageUnknownCode, std::string("998"));
}

void CheckWizardTest::formatPageRefusals() {
  CheckRun run;
  run.application.incidenceDateFormat = 9;  // beyond the seven 8-character layouts
  run.application.birthDateFormat = -1;
  run.ToLayout();
  DefineVariable(run.layout(), kCheckRegNo, 1, 8);
  DefineVariable(run.layout(), kCheckSex, 9, 9);
  DefineVariable(run.layout(), kCheckHistology, 14, 17);
  DefineVariable(run.layout(), kCheckBasis, 20, 20);
  DefineVariable(run.layout(), kCheckIncidenceDate, 21, 28);
  DefineVariable(run.layout(), kCheckBirthDate, 29, 36);
  DefineVariable(run.layout(), kCheckAge, 37, 38);  // two characters wide
  Press(*run.wizard, QWizard::NextButton);
  QCOMPARE(run.current(), int(CCHKwizard::kFormatPage));
  QWidget* format = run.wizard->formatPage();
  auto* male = Child<QLineEdit>(format, "male");
  auto* female = Child<QLineEdit>(format, "female");
  auto* basis2 = Child<QLineEdit>(format, "basis2");
  auto* age = Child<QLineEdit>(format, "ageUnknown");
  QCOMPARE(age->maxLength(), 2);
  QCOMPARE(age->text(), QStringLiteral("99"));
  QCOMPARE(Child<QListWidget>(format, "birthFormats")->currentRow(), 0);  // negative: the first

  struct Step {
    QString male, female, basis2, age;
    QString message;
  } steps[] = {
      {"", "", "6", "99", "stop: Sex codes must be different!"},
      {"", "2", "6", "99", "stop: Sex codes must be defined!"},
      {" ", "2", "6", "99", "stop: Sex codes must be defined!"},
      {"\x01", "2", "6", "99", "stop: Sex codes must be printable characters!"},
      {"m", "M", "", "99", "stop: Basis of diagnosis codes must be defined!"},
      {"m", "M", " ", "99", "stop: Basis of diagnosis codes must be defined!"},
      {"m", "M", QString(QChar(0x20AC)), "99",
       "stop: Basis of diagnosis codes must be printable characters!"},
      {"m", "M", "6", "", "stop: Incidence date format is not defined!"},
      {"m", "M", "6", "  ", "stop: Age unknown code must be printable characters without blanks!"},
      {"m", "M", "6", "9 ", "stop: Age unknown code must be printable characters without blanks!"},
      {"m", "M", "6", "98", "stop: Incidence date format is not defined!"},
  };
  for (const Step& step : steps) {
    male->setText(step.male);
    female->setText(step.female);
    basis2->setText(step.basis2);
    age->setText(step.age);
    Press(*run.wizard, QWizard::NextButton);
    QCOMPARE(run.current(), int(CCHKwizard::kFormatPage));
    QCOMPARE(run.messages.Take(), QStringList{step.message});
  }
  // What passed before the refusal is in the sheet already.
  const JobSettings& sheet = run.wizard->settings();
  QCOMPARE(sheet.maleCode, 'm');
  QCOMPARE(sheet.femaleCode, 'M');
  QCOMPARE(sheet.ageUnknownCode, std::string("98"));
  Child<QListWidget>(format, "incidenceFormats")->setCurrentRow(4);
  Press(*run.wizard, QWizard::NextButton);
  QCOMPARE(run.current(), int(CCHKwizard::kFinishPage));
  QCOMPARE(sheet.incidenceDateFormat, 4);
  QCOMPARE(sheet.birthDateFormat, 0);

  // An empty age-unknown code is taken as typed, kept in the .frm file and
  // read back from it.
  Press(*run.wizard, QWizard::BackButton);
  age->clear();
  Press(*run.wizard, QWizard::NextButton);
  QCOMPARE(sheet.ageUnknownCode, std::string());
  Press(*run.wizard, QWizard::FinishButton);
  QCOMPARE(run.wizard->result(), int(QDialog::Accepted));
  QCOMPARE(ReadFile(run.frm).substr(100), std::string(4, '\0'));
  run.ToLayout();
  Press(*run.wizard, QWizard::NextButton);
  QCOMPARE(run.current(), int(CCHKwizard::kFormatPage));
  QCOMPARE(Child<QLineEdit>(run.wizard->formatPage(), "ageUnknown")->text(), QString());
  QCOMPARE(run.messages.Take(), QStringList());
}

void CheckWizardTest::formatPageStoredFormatBeyondTheList() {
  CheckRun run;
  run.application.birthDateFormat = 3;  // a date of ten characters has three layouts
  run.application.incidenceDateFormat = 1;
  run.ToLayout();
  DefineVariable(run.layout(), kCheckRegNo, 1, 8);
  DefineVariable(run.layout(), kCheckIncidenceDate, 21, 28);
  DefineVariable(run.layout(), kCheckBirthDate, 29, 38);
  Press(*run.wizard, QWizard::NextButton);
  QWidget* format = run.wizard->formatPage();
  auto* birth = Child<QListWidget>(format, "birthFormats");
  QCOMPARE(birth->count(), 3);
  QCOMPARE(birth->currentRow(), -1);
  QCOMPARE(Child<QListWidget>(format, "incidenceFormats")->currentRow(), 1);
  Press(*run.wizard, QWizard::NextButton);
  QCOMPARE(run.messages.Take(), QStringList{"stop: Birth date format is not defined!"});
  QCOMPARE(run.current(), int(CCHKwizard::kFormatPage));
  QCOMPARE(run.wizard->settings().incidenceDateFormat, 1);  // stored before the refusal
  birth->setCurrentRow(2);
  Press(*run.wizard, QWizard::NextButton);
  QCOMPARE(run.current(), int(CCHKwizard::kFinishPage));
  QCOMPARE(run.wizard->settings().birthDateFormat, 2);
}

void CheckWizardTest::formatPageShowsTheSheetOnEveryActivation() {
  CheckRun run;
  run.ToLayout();
  DefineVariable(run.layout(), kCheckRegNo, 1, 8);
  DefineVariable(run.layout(), kCheckSex, 9, 9);
  Press(*run.wizard, QWizard::NextButton);
  QWidget* format = run.wizard->formatPage();
  auto* box = Child<QCheckBox>(format, "oneRecordPerError");
  QVERIFY(!Child<QListWidget>(format, "incidenceFormats")->isEnabled());
  box->setChecked(true);
  Press(*run.wizard, QWizard::NextButton);
  QCOMPARE(run.wizard->settings().optionB, 1);
  Press(*run.wizard, QWizard::BackButton);
  QCOMPARE(run.current(), int(CCHKwizard::kFormatPage));
  QVERIFY(!box->isChecked());  // asked anew on each pass

  // What was typed and left with Back is replaced by the sheet's values.
  Child<QLineEdit>(format, "male")->setText("X");
  Press(*run.wizard, QWizard::BackButton);
  QCOMPARE(run.current(), int(CCHKwizard::kLayoutPage));
  Press(*run.wizard, QWizard::NextButton);
  QCOMPARE(Child<QLineEdit>(format, "male")->text(), QStringLiteral("1"));
}

void CheckWizardTest::formatPageSkipped() {
  CheckRun run;
  run.application.optionB = 1;  // left by a conversion
  run.ToLayout();
  DefineVariable(run.layout(), kCheckRegNo, 1, 8);
  DefineVariable(run.layout(), kCheckTopography, 10, 13);
  Press(*run.wizard, QWizard::NextButton);
  QCOMPARE(run.current(), int(CCHKwizard::kFinishPage));
  QCOMPARE(run.wizard->settings().optionB, 0);
  Press(*run.wizard, QWizard::BackButton);
  QCOMPARE(run.current(), int(CCHKwizard::kLayoutPage));
}

void CheckWizardTest::loneStartMarkerShowsTheFormatPage() {
  CheckRun run;
  run.ToLayout();
  DefineVariable(run.layout(), kCheckRegNo, 1, 8);
  DefineVariable(run.layout(), kCheckTopography, 10, 13);
  run.layout()->variableList()->setCurrentRow(kCheckSex);
  ClickPreview(run.layout(), 8);
  Press(*run.wizard, QWizard::NextButton);
  QCOMPARE(run.current(), int(CCHKwizard::kFormatPage));
  QCOMPARE(run.wizard->settings().sexStart, -1);
  QCOMPARE(run.wizard->settings().pendingMarker, 8);
  Press(*run.wizard, QWizard::NextButton);
  QCOMPARE(run.current(), int(CCHKwizard::kFinishPage));
  Press(*run.wizard, QWizard::BackButton);  // the sheet has no coded variable
  QCOMPARE(run.current(), int(CCHKwizard::kLayoutPage));
  QCOMPARE(run.messages.Take(), QStringList());
}

void CheckWizardTest::definitionFileIsReadAfterTheFilesPage() {
  CheckRun run;
  RecordSettings stored;
  SetLayoutPairs(LayoutFile::kCheck,
                 {1, 8, 9, 9, 10, 13, 14, 17, -1, -1, -1, -1, -1, -1, 21, 28, -1, -1, -1, -1},
                 stored);
  stored.maleCode = 'H';
  stored.femaleCode = 'D';
  stored.incidenceDateFormat = 1;
  QVERIFY(WriteLayoutFile(run.frm, LayoutFile::kCheck, stored) == LayoutFileWrite::kWritten);
  run.ToLayout();
  QCOMPARE(run.layout()->columns().Pair(kCheckTopography), std::make_pair(10, 13));
  QCOMPARE(run.layout()->columns().Owner(21), int(kCheckIncidenceDate));

  // Clicks since the last Finish go when the Files page is passed again.
  DefineVariable(run.layout(), kCheckAge, 37, 39);
  Press(*run.wizard, QWizard::BackButton);
  QCOMPARE(run.current(), int(CCHKwizard::kFilesPage));
  Press(*run.wizard, QWizard::NextButton);
  QCOMPARE(run.layout()->columns().Pair(kCheckAge), std::make_pair(-1, -1));

  Press(*run.wizard, QWizard::NextButton);
  QWidget* format = run.wizard->formatPage();
  QCOMPARE(Child<QLineEdit>(format, "male")->text(), QStringLiteral("H"));
  QCOMPARE(Child<QListWidget>(format, "incidenceFormats")->currentRow(), 1);
  // Back from the Format page does not read the file again.
  Press(*run.wizard, QWizard::BackButton);
  DefineVariable(run.layout(), kCheckAge, 37, 39);
  Press(*run.wizard, QWizard::NextButton);
  Press(*run.wizard, QWizard::BackButton);
  QCOMPARE(run.layout()->columns().Pair(kCheckAge), std::make_pair(37, 39));
  QCOMPARE(run.messages.Take(), QStringList());

  if (geteuid() != 0) {
    fs::permissions(run.frm, fs::perms::owner_read);
    Press(*run.wizard, QWizard::BackButton);
    Press(*run.wizard, QWizard::NextButton);
    QCOMPARE(run.layout()->columns().IsDefined(kCheckRegNo), false);
  }
}

void CheckWizardTest::definitionFileThatDoesNotCorrespond() {
  const QString question = QStringLiteral(
      "question: The definition file does not correspond to the input file.\nIt must be deleted to "
      "define new "
      "variable positions.\nDo you want the program to do it for you?");
  RecordSettings stored;
  SetLayoutPairs(LayoutFile::kCheck,
                 {1, 8, 9, 9, 10, 13, 14, 17, -1, -1, -1, -1, 39, 41, -1, -1, 5, 6, 38, 40},
                 stored);
  stored.maleCode = 'H';

  // No: the pairs that fit stay, the others never reach the owner map, the
  // file stays, and one question is enough.
  {
    CheckRun run;
    QVERIFY(WriteLayoutFile(run.frm, LayoutFile::kCheck, stored) == LayoutFileWrite::kWritten);
    run.messages.Answer(false);
    run.ToLayout();
    QCOMPARE(run.messages.Take(), QStringList{question});
    const CLayoutColumns& columns = run.layout()->columns();
    QCOMPARE(columns.Pair(kCheckHistology), std::make_pair(14, 17));
    QCOMPARE(columns.Pair(kCheckBasis), std::make_pair(-1, -1));
    QCOMPARE(columns.Pair(kCheckBirthDate),
             std::make_pair(-1, -1));  // overlaps the registration number
    QCOMPARE(columns.Pair(kCheckAge), std::make_pair(38, 40));
    QCOMPARE(columns.Owner(5), int(kCheckRegNo));
    QVERIFY(fs::exists(run.frm));
  }
  // Yes: the file goes and the layout starts empty; the codes stay.
  {
    CheckRun run;
    QVERIFY(WriteLayoutFile(run.frm, LayoutFile::kCheck, stored) == LayoutFileWrite::kWritten);
    run.messages.Answer(true);
    run.ToLayout();
    QCOMPARE(
        run.messages.Take(),
        (QStringList{question, "information: The definition file has been succesfuly removed!"}));
    QVERIFY(!fs::exists(run.frm));
    for (int v = 0; v < kCheckLayoutVariables; ++v) QVERIFY(!run.layout()->columns().IsDefined(v));
    DefineVariable(run.layout(), kCheckRegNo, 1, 8);
    DefineVariable(run.layout(), kCheckSex, 9, 9);
    Press(*run.wizard, QWizard::NextButton);
    QCOMPARE(Child<QLineEdit>(run.wizard->formatPage(), "male")->text(), QStringLiteral("H"));
  }
  // Yes, but the file cannot be removed (a folder full of files has taken
  // its name by then): the pair is dropped and the next one is asked about.
  {
    CheckRun run;
    QVERIFY(WriteLayoutFile(run.frm, LayoutFile::kCheck, stored) == LayoutFileWrite::kWritten);
    QStringList seen;
    int questions = 0;
    SetMessageHandler([&](MessageKind kind, const QString& text) {
      seen << QString::fromLatin1(kind == MessageKind::kQuestion ? "question: " : "information: ") +
                  text;
      if (kind != MessageKind::kQuestion || questions++ > 0) return false;
      fs::remove(run.frm);
      fs::create_directories(run.frm + "/kept");
      return true;
    });
    run.ToLayout();
    QCOMPARE(seen,
             (QStringList{question, "information: Cannot remove definition file!", question}));
    const CLayoutColumns& columns = run.layout()->columns();
    QCOMPARE(columns.Pair(kCheckHistology), std::make_pair(14, 17));
    QCOMPARE(columns.Pair(kCheckBasis), std::make_pair(-1, -1));
    QCOMPARE(columns.Pair(kCheckBirthDate), std::make_pair(-1, -1));
    QCOMPARE(columns.Pair(kCheckAge), std::make_pair(38, 40));
  }
}

void CheckWizardTest::definitionFileTruncatedOrGarbage() {
  RecordSettings stored;
  SetLayoutPairs(LayoutFile::kCheck,
                 {1, 8, 9, 9, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1},
                 stored);
  stored.maleCode = 'H';
  const std::vector<uint8_t> bytes = EncodeLayout(LayoutFile::kCheck, stored);
  {
    CheckRun run;
    run.folder.Write("records.frm", std::string(bytes.begin(), bytes.begin() + 90));
    run.ToLayout();
    QCOMPARE(run.messages.Take(), QStringList());
    QVERIFY(!run.layout()->columns().IsDefined(kCheckRegNo));
    QVERIFY(!run.layout()->columns().IsDefined(kCheckSex));
  }
  {
    CheckRun run;
    std::string garbage(104, '\0');
    for (size_t i = 0; i < garbage.size(); ++i) garbage[i] = static_cast<char>(i * 37 + 11);
    run.folder.Write("records.frm", garbage);
    run.ToLayout();
    QVERIFY(run.messages.Take().size() <= 1);
    for (int column = 1; column <= kLastOwnedColumn; ++column)
      QVERIFY(run.layout()->columns().Owner(column) == -1 || column <= kRecordLength);
    DefineVariable(run.layout(), kCheckRegNo, 1, 1);  // nothing can overlap after No
  }
}

void CheckWizardTest::scrollingIsClampedToTheRecord() {
  CheckRun run;
  const std::string wide = run.folder.Write("wide.txt", Records(5, 300));
  run.application.scrollColumn = 1000;
  run.Open();
  run.SetFiles(wide, run.output);
  Press(*run.wizard, QWizard::NextButton);
  CWizLayout* page = run.layout();
  QScrollBar* bar = page->scrollBar();
  const int most = 300 - page->visibleColumns();
  QVERIFY(bar->isEnabled());
  QCOMPARE(bar->maximum(), most);
  QCOMPARE(page->scrollColumn(), most);
  bar->triggerAction(QAbstractSlider::SliderToMinimum);
  bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
  QCOMPARE(page->scrollColumn(), 9);
  bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
  QCOMPARE(page->scrollColumn(), 8);
  // Clicks count from the first visible column.
  page->variableList()->setCurrentRow(kCheckRegNo);
  ClickPreview(page, 10);
  QCOMPARE(page->columns().start(kCheckRegNo), 10);
  QCOMPARE(page->boundaryX(8), page->boundaryX(0) + 8 * page->charWidth());

  // A shorter file needs no scrolling, whatever the longer one left.
  Press(*run.wizard, QWizard::BackButton);
  run.SetFiles(run.input, run.output);
  Press(*run.wizard, QWizard::NextButton);
  QVERIFY(!bar->isEnabled());
  QCOMPARE(page->scrollColumn(), 0);
  QCOMPARE(run.messages.Take(), QStringList());
}

void CheckWizardTest::cancelWritesNothing() {
  CheckRun run;
  run.ToLayout();
  DefineAll(run.layout());
  Press(*run.wizard, QWizard::NextButton);
  Press(*run.wizard, QWizard::NextButton);
  Press(*run.wizard, QWizard::CancelButton);
  QCOMPARE(run.wizard->result(), int(QDialog::Rejected));
  QVERIFY(!fs::exists(run.frm));
  QVERIFY(!fs::exists(run.output));
}

void CheckWizardTest::helpTopics() {
  CheckRun run;
  run.wizard = std::make_unique<CCHKwizard>(run.application);
  QCOMPARE(run.wizard->windowTitle(), QStringLiteral("Orvo check wizard..."));
  QCOMPARE(run.wizard->banner(), QStringLiteral("Orvo/Semu check program"));
  run.wizard->show();
  HelpWalk walk(*run.wizard);
  walk.PressHelp();
  run.SetFiles(run.input, run.output);
  Press(*run.wizard, QWizard::NextButton);
  walk.PressHelp();
  DefineAll(run.layout());
  Press(*run.wizard, QWizard::NextButton);
  walk.PressHelp();
  Child<QListWidget>(run.wizard->formatPage(), "incidenceFormats")->setCurrentRow(0);
  Child<QListWidget>(run.wizard->formatPage(), "birthFormats")->setCurrentRow(0);
  Press(*run.wizard, QWizard::NextButton);
  walk.PressHelp();
  QCOMPARE(walk.topics,
           (QStringList{"htm/WizFiles.htm", "htm/WizLayoutCHK.htm", "htm/WizFormatCHK.htm", ""}));
  QCOMPARE(walk.titles,
           (QStringList{"Orvo/Semu check program (1/4)", "Orvo/Semu check program (2/4)",
                        "Orvo/Semu check program (3/4)", "Orvo/Semu check program (4/4)"}));
}

void CheckWizardTest::pagesOpenWhole() {
  CheckRun run;
  run.Open();
  ExpectFirstPageWhole(*run.wizard);
  run.SetFiles(run.input, run.output);
  Press(*run.wizard, QWizard::NextButton);
  // All twelve preview lines stand above the scroll bar.
  CWizLayout* page = run.layout();
  QCOMPARE(run.wizard->settings().previewLineCount, 12);
  QVERIFY2(page->previewTextTop() + 12 * page->lineHeight() <= page->scrollBar()->y(),
           qPrintable(QStringLiteral("%1 + 12 x %2 > %3")
                          .arg(page->previewTextTop())
                          .arg(page->lineHeight())
                          .arg(page->scrollBar()->y())));
}

QTEST_MAIN(CheckWizardTest)
#include "test_chkwizard.moc"
