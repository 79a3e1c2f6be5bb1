// The conversion wizard: each reachable conversion from the Files page to
// Finish with the parameter row and the .dfi bytes, the layout page's
// refusals in their order, the .dfi files read across pages and what does
// not fit in them, Back, and the Files page's tests of the paths.
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include <filesystem>
#include <memory>
#include <vector>

#include "common/layoutfile.h"
#include "common/parameterfile.h"
#include "frontend/res/strings.h"
#include "frontend/wizards/cvtwizard.h"
#include "frontend/wizards/cvtwizfiles.h"
#include "frontend/wizards/cvtwizlayout.h"
#include "tests/frontend/wizards/wizardtesting.h"
#include "tests/support/testfiles.h"

using namespace kelvarin;
using namespace kelvarin::test;
namespace fs = std::filesystem;

namespace {

// Registration number 1-8, sex 9, site code 10-13, histology 14-17,
// behaviour 18, grade 19: 30 columns.
using Marks = std::vector<int>;  // variable, first, last, ...; last -1: a lone start
const Marks kAllSix = {0, 1, 8, 1, 9, 9, 2, 10, 13, 3, 14, 17, 4, 18, 18, 5, 19, 19};
const Marks kFirstThree(kAllSix.begin(), kAllSix.begin() + 9);
const std::vector<int32_t> kSixPairs = {1, 8, 9, 9, 10, 13, 14, 17, 18, 18, 19, 19};

Marks With(Marks marks, const Marks& changes) {
  for (size_t c = 0; c < changes.size(); c += 3)
    for (size_t m = 0; m < marks.size(); m += 3)
      if (marks[m] == changes[c])
        std::copy_n(changes.begin() + long(c), 3, marks.begin() + long(m));
  return marks;
}

void Mark(CWizLayout* page, const Marks& marks) {
  for (size_t m = 0; m < marks.size(); m += 3) {
    page->variableList()->setCurrentRow(marks[m]);
    ClickPreview(page, marks[m + 1] - 1);
    if (marks[m + 2] != -1) ClickPreview(page, marks[m + 2]);
  }
}

std::vector<int32_t> Pairs(const CWizLayout* page) {
  std::vector<int32_t> pairs;
  for (int v = 0; v < page->columns().variableCount(); ++v) {
    pairs.push_back(page->columns().Pair(v).first);
    pairs.push_back(page->columns().Pair(v).second);
  }
  return pairs;
}

std::string Hex(const std::string& bytes) {
  std::string hex;
  for (unsigned char c : bytes) hex += QByteArray(1, char(c)).toHex().toStdString();
  return hex;
}

struct ConversionRun {
  TempDir folder;
  std::string input = folder.Write("cases.dat", Records(15, 30, "\n"));
  std::string output = folder / "converted.dat";
  std::string dfi = folder / "cases.dfi";
  JobSettings application;
  std::unique_ptr<CCVTwizard> wizard;
  MessageRecorder messages;

  // Columns that fit the records, which a conversion page never takes from
  // the application.
  ConversionRun() {
    SetLayoutPairs(LayoutFile::kConversion, {2, 3, 4, 4, 5, 8, 21, 24, 25, 25, 26, 26},
                   application);
  }
  int Next(int index, const std::string& in, const std::string& out) {
    if (!wizard || wizard->settings().conversionIndex != index) {
      wizard = std::make_unique<CCVTwizard>(application, index);
      wizard->show();
    }
    wizard->filesPage()->inputEdit()->setText(FromLocalPath(in));
    wizard->filesPage()->outputEdit()->setText(FromLocalPath(out));
    Press(*wizard, QWizard::NextButton);
    return wizard->currentId();
  }
  CCVTwizLayout* Layout(int index) {
    wizard.reset();
    Next(index, input, output);
    return wizard->conversionPage();
  }
  bool Finish(const QString& male = "1", const QString& female = "2") {
    wizard->conversionPage()->maleEdit()->setText(male);
    wizard->conversionPage()->femaleEdit()->setText(female);
    Press(*wizard, QWizard::FinishButton);
    return wizard->result() == QDialog::Accepted;
  }
  void WriteDfi(const std::vector<int32_t>& pairs, char male, const OptionWords& words = {}) {
    RecordSettings values;
    SetLayoutPairs(LayoutFile::kConversion, pairs, values);
    values.maleCode = male;
    values.optionA = 1;
    WriteLayoutFile(dfi, LayoutFile::kConversion, values, words);
  }
};

const QString kQuestion =
    "question: The definition file does not correspond to the input file.\nIt must be deleted to "
    "define new variable positions.\nDo you want the program to do it for you?";

}  // namespace

Q_DECLARE_METATYPE(std::string)
Q_DECLARE_METATYPE(Marks)

class ConversionWizardTest : public QObject {
  Q_OBJECT

 private slots:
  void everyConversionFromFilesToFinish_data();
  void everyConversionFromFilesToFinish();
  void refusalsInTheirOrder_data();
  void refusalsInTheirOrder();
  void definitionFileReadAcrossPages();
  void definitionFileThatDoesNotFit();
  void backDiscardsTheMarks();
  void filesPage();
  void definitionFileBesideTheDataAndNeverHalfWritten();
};

void ConversionWizardTest::everyConversionFromFilesToFinish_data() {
  QTest::addColumn<int>("index");
  QTest::addColumn<QString>("site");  // list item 2
  QTest::addColumn<std::string>("row");
  QTest::addColumn<std::string>("dfi");
  // The application's histology, behaviour and grade stay with the three
  // variables of the ICD pages; its optionA 1 and optionB 0 stay where the
  // page has no box for them, the boxes give their own states (1019 clear,
  // 1020 set).
  const std::string three = "1 8 9 9 10 13 21 24 25 25 26 26 M F 30 465 ";
  const std::string six = "1 8 9 9 10 13 14 17 18 18 19 19 M F 30 465 ";
  const std::string threeHex =
      "010000000800000009000000090000000a0000000d000000" + std::string(48, 'f') + "4d004600";
  const std::string sixHex =
      "010000000800000009000000090000000a0000000d0000000e000000110000001200000012000000130000"
      "0013000000"
      "4d004600";
  const std::string set = "01000000", clear = "00000000";
  QTest::newRow("0 Alquen") << 0 << "ICD-9" << three + "1 0\n" << threeHex;
  QTest::newRow("1 Bernit") << 1 << "ICD-9" << six + "0 0\n" << sixHex + clear;
  QTest::newRow("2 Caslov") << 2 << "ICD-10" << three + "1 0\n" << threeHex;
  QTest::newRow("3 Dorwim") << 3 << "ICD-10" << six + "0 0\n" << sixHex + clear;
  QTest::newRow("4 Elbrac") << 4 << "Topography" << six + "0 1\n" << sixHex + clear + set;
  QTest::newRow("5 Fenzel") << 5 << "Topography" << six + "0 1\n" << sixHex + clear + set;
  QTest::newRow("6 Gorvat") << 6 << "Topography" << six + "0 0\n" << sixHex + clear;
  QTest::newRow("7 Hulmen") << 7 << "Topography" << six + "1 1\n" << sixHex + set;
  QTest::newRow("8 Irsolt") << 8 << "Topography" << six + "1 1\n" << sixHex + set;
  QTest::newRow("9 Jantrik") << 9 << "Topography" << six + "1 0\n" << sixHex;
}

void ConversionWizardTest::everyConversionFromFilesToFinish() {
  QFETCH(int, index);
  QFETCH(QString, site);
  QFETCH(std::string, row);
  QFETCH(std::string, dfi);
  ConversionRun run;
  run.application.optionA = 1;
  run.application.optionB = 0;
  run.wizard = std::make_unique<CCVTwizard>(run.application, index);
  run.wizard->show();
  QCOMPARE(run.wizard->banner(), QString::fromLatin1(LoadResString(32771 + index)));
  QCOMPARE(run.wizard->windowTitle(), QStringLiteral("Conversion wizard (1/2)"));
  QCOMPARE(run.wizard->pageIds().size(), 13);
  ExpectFirstPageWhole(*run.wizard);
  QCOMPARE(run.Next(index, run.input, run.output), 141 + index);
  CCVTwizLayout* page = run.wizard->conversionPage();
  QCOMPARE(run.wizard->windowTitle(), QStringLiteral("Conversion wizard (2/2)"));
  QCOMPARE(page->helpTopic(), QStringLiteral("htm/WizLayout.htm"));
  QCOMPARE(ClippedControls(*run.wizard), QStringList());
  const QString prefix = index == 7 || index == 8 ? "" : "Input: ";
  QCOMPARE(page->PathLines().front(), prefix + FromLocalPath(run.input));
  QCOMPARE(page->variableList()->item(2)->text(), site);
  const int variables = page->variableList()->count();

  // Without a .dfi: no columns, codes 1 and 2, each box at its initial state.
  QCOMPARE(Pairs(page), std::vector<int32_t>(size_t(2 * variables), -1));
  QCOMPARE(page->maleEdit()->text() + page->femaleEdit()->text(), QStringLiteral("12"));
  const ConversionPage& data = ConversionPageOf(index);
  for (int box = 0; box < page->optionCount(); ++box) {
    QCOMPARE(page->optionBox(box)->isChecked(), data.options[size_t(box)].initial != 0);
    QCOMPARE(page->optionBox(box)->text().replace('\n', ' '),
             QString::fromLatin1(data.options[size_t(box)].caption));
  }
  Mark(page, variables == 3 ? kFirstThree : kAllSix);
  QVERIFY(run.Finish("M", "F"));
  QCOMPARE(run.messages.Take(), QStringList());
  JobSettings job = run.application;
  CopyBack(run.wizard->settings(), job, kConversionRowType);
  QCOMPARE(FormatRow(kConversionRowType, job), row);
  QCOMPARE(Hex(ReadFile(run.dfi)), dfi);
  QVERIFY(!fs::exists(run.output));
}

void ConversionWizardTest::refusalsInTheirOrder_data() {
  QTest::addColumn<int>("index");
  QTest::addColumn<Marks>("marks");
  QTest::addColumn<QString>("male");
  QTest::addColumn<QString>("female");
  QTest::addColumn<QString>("message");  // empty: Finish ends the wizard
  const Marks noGrade(kAllSix.begin(), kAllSix.end() - 3);
  const char* const positions = "\nPositions of all variables must be defined!";
  const char* const printable = "Sex codes must be printable characters!";
  const struct {
    const char* name;
    int index;
    Marks marks;
    const char* male;
    const char* female;
    const char* message;
  } rows[] = {
      {"both empty", 4, kAllSix, "", "", "\nSex codes must be different."},
      {"equal, before positions", 4, {}, "1", "1", "\nSex codes must be different."},
      {"one empty", 4, {}, "M", "", "\nSex codes must be defined."},
      {"a blank", 4, kAllSix, " ", "F", printable},
      {"a control character", 4, kAllSix, "M", "\x1f", printable},
      {"m and M differ", 4, {}, "m", "M", positions},
      {"positions before widths", 4, With(noGrade, {4, 18, -1, 1, 9, 10, 2, 11, 13}), "1", "2",
       positions},
      {"sex of two", 4, With(kAllSix, {1, 9, 10, 2, 11, 13}), "1", "2",
       "\nSex field must have one character only!"},
      {"ICD-O-1 site of three", 4, With(kAllSix, {2, 10, 12}), "1", "2",
       "\nTopography field should have at least four characters!"},
      {"ICD-O-2 site of three", 6, With(kAllSix, {2, 10, 12}), "1", "2", ""},
      {"ICD-10 site of three", 3, With(kAllSix, {2, 10, 12}), "1", "2",
       "\nICD-10 field should have at least four characters!"},
      {"ICD-9 code of three",
       0,
       {0, 1, 8, 1, 9, 9, 2, 10, 12},
       "1",
       "2",
       "\nICD-9 field should have at least four characters!"},
      {"histology of three", 6, With(kAllSix, {3, 14, 16}), "1", "2",
       "\nHistology field must have four characters!"},
      {"behaviour of two", 6, With(noGrade, {4, 18, 19}), "1", "2",
       "\nBehaviour field must have one character only!"},
      {"grade of two", 9, With(kAllSix, {5, 19, 20}), "1", "2",
       "\nGrade field must have one character only!"},
      {"no grade", 9, noGrade, "1", "2", ""},
  };
  for (const auto& r : rows)
    QTest::newRow(r.name) << r.index << r.marks << QString::fromLatin1(r.male)
                          << QString::fromLatin1(r.female) << QString::fromLatin1(r.message);
}

void ConversionWizardTest::refusalsInTheirOrder() {
  QFETCH(int, index);
  QFETCH(Marks, marks);
  QFETCH(QString, male);
  QFETCH(QString, female);
  QFETCH(QString, message);
  ConversionRun run;
  Mark(run.Layout(index), marks);
  QCOMPARE(run.messages.Take(), QStringList());
  QCOMPARE(run.Finish(male, female), message.isEmpty());
  QCOMPARE(run.messages.Take(),
           message.isEmpty() ? QStringList() : QStringList{"stop: " + message});
  QCOMPARE(fs::exists(run.dfi), message.isEmpty());
}

void ConversionWizardTest::definitionFileReadAcrossPages() {
  ConversionRun run;
  // 56 bytes from the ICD-O-2 page, read by the ICD-O-1 page, whose box
  // 1020 the file does not hold.
  CCVTwizLayout* page = run.Layout(6);
  Mark(page, kAllSix);
  page->optionBox(0)->setChecked(true);
  QVERIFY(run.Finish("M", "F"));
  page = run.Layout(4);
  QCOMPARE(Pairs(page), kSixPairs);
  QCOMPARE(page->maleEdit()->text() + page->femaleEdit()->text(), QStringLiteral("MF"));
  QVERIFY(page->optionBox(0)->isChecked() && page->optionBox(1)->isChecked());
  // 60 bytes read by the ICD-O-2 to ICD-10 page: its box 1020 takes the
  // first word, box 1019's.
  page->optionBox(1)->setChecked(false);
  QVERIFY(run.Finish("M", "F"));
  QCOMPARE(ReadFile(run.dfi).size(), size_t(60));
  QVERIFY(run.Layout(8)->optionBox(0)->isChecked());
  // A six-variable file read by a three-variable page, whose Finish writes
  // the other three pairs as -1; read again by a six-variable page, which
  // wants them.
  QCOMPARE(Pairs(run.Layout(2)), std::vector<int32_t>(kSixPairs.begin(), kSixPairs.begin() + 6));
  QVERIFY(run.Finish());
  page = run.Layout(9);
  QCOMPARE(Pairs(page), (std::vector<int32_t>{1, 8, 9, 9, 10, 13, -1, -1, -1, -1, -1, -1}));
  QVERIFY(!run.Finish());
  QCOMPARE(run.messages.Take(), QStringList{"stop: \nPositions of all variables must be defined!"});
  // The overlap messages name the table's variables, not the list's texts.
  page = run.Layout(3);
  page->variableList()->setCurrentRow(3);
  ClickPreview(page, 11);
  QCOMPARE(run.messages.Take(),
           QStringList{"stop: \nLayout definition of \nHistology:11\noverlaps with Topography."});
}

void ConversionWizardTest::definitionFileThatDoesNotFit() {
  // Sex beyond the record, grade ending at its last column; then an overlap,
  // a last column before the first and a column 0.
  const std::vector<int32_t> beyond = {1, 8, 31, 31, 10, 13, 14, 17, 18, 18, 30, 30};
  const std::vector<int32_t> kept = {1, 8, -1, -1, 10, 13, 14, 17, 18, 18, 30, 30};
  const std::vector<int32_t> wrong = {1, 8, 8, 8, 13, 10, 0, 0, 18, 18, 19, 19};
  const struct {
    std::vector<int32_t> pairs;
    bool yes;
    std::vector<int32_t> kept;
  } cases[] = {
      {beyond, false, kept},
      {beyond, true, std::vector<int32_t>(12, -1)},
      {wrong, false, {1, 8, -1, -1, -1, -1, -1, -1, 18, 18, 19, 19}},
  };
  for (const auto& c : cases) {
    ConversionRun run;
    run.WriteDfi(c.pairs, 'M', {&RecordSettings::optionA});
    run.messages.Answer(c.yes);
    CCVTwizLayout* page = run.Layout(6);
    QStringList expected{kQuestion};
    if (c.yes) expected << "information: The definition file has been succesfuly removed!";
    QCOMPARE(run.messages.Take(), expected);
    QCOMPARE(Pairs(page), c.kept);
    QCOMPARE(fs::exists(run.dfi), !c.yes);
    // The code and the box come from the file all the same.
    QVERIFY(page->maleEdit()->text() == "M" && page->optionBox(0)->isChecked());
  }
  // A short file gives the whole fields it holds: cut inside the female
  // code, or inside the grade's last column, which then does not fit.
  ConversionRun run;
  run.WriteDfi(kSixPairs, 'M', {&RecordSettings::optionA});
  const std::string whole = ReadFile(run.dfi);
  WriteFile(run.dfi, whole.substr(0, 51));
  CCVTwizLayout* page = run.Layout(6);
  QCOMPARE(Pairs(page), kSixPairs);
  QCOMPARE(page->maleEdit()->text() + page->femaleEdit()->text(), QStringLiteral("M2"));
  QVERIFY(!page->optionBox(0)->isChecked());
  WriteFile(run.dfi, whole.substr(0, 46));
  page = run.Layout(6);
  QCOMPARE(run.messages.Take(), QStringList{kQuestion});
  QCOMPARE(Pairs(page)[10], -1);
  // Codes that cannot stand in a parameter row are not taken.
  run.WriteDfi(kSixPairs, ' ');
  QCOMPARE(run.Layout(6)->maleEdit()->text(), QStringLiteral("1"));
}

void ConversionWizardTest::backDiscardsTheMarks() {
  ConversionRun run;
  run.WriteDfi({1, 8, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1}, 'a', {&RecordSettings::optionA});
  const std::string before = ReadFile(run.dfi);
  CCVTwizLayout* page = run.Layout(6);
  Mark(page, {1, 9, 9});
  page->maleEdit()->setText("X");
  page->optionBox(0)->setChecked(false);
  Press(*run.wizard, QWizard::BackButton);
  QCOMPARE(run.wizard->currentId(), int(CCVTwizard::kFilesPage));
  QCOMPARE(run.wizard->windowTitle(), QStringLiteral("Conversion wizard (1/2)"));
  Press(*run.wizard, QWizard::NextButton);
  QCOMPARE(Pairs(page), (std::vector<int32_t>{1, 8, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1}));
  QVERIFY(page->maleEdit()->text() == "a" && page->optionBox(0)->isChecked());
  QCOMPARE(ReadFile(run.dfi), before);
}

void ConversionWizardTest::filesPage() {
  // The Files page's tests are those of every wizard (tested with the check
  // wizard's), but for a data file that cannot be written to, which it reads.
  ConversionRun run;
  const std::string existing = run.folder.Write("existing.dat", "keep\n");
  fs::create_symlink(run.input, run.folder / "link.dat");
  QCOMPARE(run.Next(6, run.input, run.folder / "link.dat"), int(CCVTwizard::kFilesPage));
  QCOMPARE(run.messages.Take(), QStringList{"stop: Output and input file names are identical!"});
  fs::permissions(run.input, fs::perms::owner_read);
  run.messages.Answer(true);
  QCOMPARE(run.Next(6, run.input, existing), 147);
  QCOMPARE(ReadFile(existing), std::string("keep\n"));
}

void ConversionWizardTest::definitionFileBesideTheDataAndNeverHalfWritten() {
  ConversionRun run;
  fs::create_directory(run.folder / "data.d");
  run.input = run.folder.Write("data.d/cases", Records(15, 30, "\n"));
  Mark(run.Layout(2), kFirstThree);
  QVERIFY(run.Finish());
  QVERIFY(fs::exists(run.folder / "data.d/cases.dfi"));
  QVERIFY(!fs::exists(run.folder / "data.dfi"));
  // A .dfi that cannot be written whole is not left behind, and Finish says
  // so: the run goes on.
  run.input = run.folder.Write("full.dat", Records(15, 30, "\n"));
  Mark(run.Layout(2), kFirstThree);
  {
    FileSizeLimit limit(20);
    QVERIFY(run.Finish());
  }
  QVERIFY(!fs::exists(run.folder / "full.dfi"));
  QCOMPARE(run.messages.Take(),
           QStringList{"information: full.dfi could not be written: the columns were not saved."});
  // A device in its place is neither read, nor written, nor removed; Finish
  // says so.
  run.input = run.folder.Write("device.dat", Records(15, 30, "\n"));
  fs::create_symlink("/dev/full", run.folder / "device.dfi");
  Mark(run.Layout(2), kFirstThree);
  QVERIFY(run.Finish());
  QVERIFY(fs::is_symlink(run.folder / "device.dfi"));
  QCOMPARE(run.messages.Take(),
           QStringList{"information: device.dfi is not a column definition file: it was left as "
                       "it is, and the columns were not saved."});
}

QTEST_MAIN(ConversionWizardTest)
#include "test_cvtwizard.moc"
