// The conversion wizard: each reachable conversion from the Files page to
// Finish with the parameter row and the .dfi file written, the order of the
// layout page's refusals, the .dfi files read across pages, and what Back,
// Cancel and a .dfi that does not fit leave behind.
#include <unistd.h>
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
#include "frontend/res/toolnames.h"
#include "frontend/wizards/cvtwizard.h"
#include "frontend/wizards/cvtwizfiles.h"
#include "frontend/wizards/cvtwizlayout.h"
#include "tests/frontend/wizards/wizardtesting.h"
#include "tests/support/testfiles.h"

using namespace kelvarin;
using namespace kelvarin::test;
namespace fs = std::filesystem;

namespace {

// The records of the tests: registration number 1-8, sex 9, site code
// 10-13, histology 14-17, behaviour 18, grade 19, then 11 more columns.
constexpr int kRecordLength = 30;

enum Variable { kRegNo, kSex, kSite, kHistology, kBehaviour, kGrade };

// A variable's columns; last -1 clicks a lone start marker.
struct Mark {
  int variable;
  int first;
  int last;
};

const std::vector<Mark> kAllSix = {{kRegNo, 1, 8},       {kSex, 9, 9},         {kSite, 10, 13},
                                   {kHistology, 14, 17}, {kBehaviour, 18, 18}, {kGrade, 19, 19}};
const std::vector<Mark> kFirstThree = {{kRegNo, 1, 8}, {kSex, 9, 9}, {kSite, 10, 13}};

void MarkAll(CWizLayout* page, const std::vector<Mark>& marks) {
  for (const Mark& m : marks) {
    if (m.last == -1) {
      page->variableList()->setCurrentRow(m.variable);
      ClickPreview(page, m.first - 1);
    } else {
      DefineVariable(page, m.variable, m.first, m.last);
    }
  }
}

std::string Hex(const std::string& bytes) {
  static const char digits[] = "0123456789abcdef";
  std::string hex;
  for (unsigned char c : bytes) {
    hex += digits[c >> 4];
    hex += digits[c & 15];
  }
  return hex;
}

// A conversion wizard over a fresh folder with a data file of 15 records.
struct ConversionRun {
  TempDir folder;
  std::string input = folder.Write("cases.dat", Records(15, kRecordLength, "\n"));
  std::string output = folder / "converted.dat";
  std::string dfi = folder / "cases.dfi";
  JobSettings application;
  std::unique_ptr<CCVTwizard> wizard;
  MessageRecorder messages;

  // The application's columns fit the records, but a conversion page never
  // takes them; they stay in the sheet where a page has no variable.
  ConversionRun() {
    SetLayoutPairs(LayoutFile::kConversion, {2, 3, 4, 4, 5, 8, 21, 24, 25, 25, 26, 26},
                   application);
  }

  void Open(int index) {
    wizard = std::make_unique<CCVTwizard>(application, index);
    wizard->show();
  }
  CCVTwizLayout* ToLayout(int index) {
    Open(index);
    wizard->filesPage()->inputEdit()->setText(FromLocalPath(input));
    wizard->filesPage()->outputEdit()->setText(FromLocalPath(output));
    Press(*wizard, QWizard::NextButton);
    return wizard->conversionPage();
  }
  int current() const { return wizard->currentId(); }
  void Codes(const QString& male, const QString& female) {
    wizard->conversionPage()->maleEdit()->setText(male);
    wizard->conversionPage()->femaleEdit()->setText(female);
  }
  bool Finish() {
    Press(*wizard, QWizard::FinishButton);
    return wizard->result() == QDialog::Accepted;
  }
  void WriteDfi(const std::vector<int32_t>& pairs, char male, char female,
                const OptionWords& words = {}, int32_t a = 0, int32_t b = 0) {
    RecordSettings values;
    SetLayoutPairs(LayoutFile::kConversion, pairs, values);
    values.maleCode = male;
    values.femaleCode = female;
    values.optionA = a;
    values.optionB = b;
    WriteFile(dfi, std::string(reinterpret_cast<const char*>(
                                   EncodeLayout(LayoutFile::kConversion, values, words).data()),
                               EncodeLayout(LayoutFile::kConversion, values, words).size()));
  }
};

std::vector<std::pair<int, int>> Pairs(const CWizLayout* page) {
  std::vector<std::pair<int, int>> pairs;
  for (int v = 0; v < page->columns().variableCount(); ++v)
    pairs.push_back(page->columns().Pair(v));
  return pairs;
}

using PairList = std::vector<std::pair<int, int>>;
const PairList kNoPairs6(6, {-1, -1});

const char* const kSixPairsHex =
    "010000000800000009000000090000000a0000000d0000000e0000001100000012000000120000001300000013"
    "000000";
const char* const kThreePairsHex =
    "010000000800000009000000090000000a0000000d000000ffffffffffffffffffffffffffffffffffffffffff"
    "ffffff";
const char* const kCodesHex = "4d004600";

}  // namespace

Q_DECLARE_METATYPE(std::string)
Q_DECLARE_METATYPE(std::vector<Mark>)
Q_DECLARE_METATYPE(std::vector<int32_t>)
Q_DECLARE_METATYPE(PairList)

class ConversionWizardTest : public QObject {
  Q_OBJECT

 private slots:
  void everyConversionFromFilesToFinish_data();
  void everyConversionFromFilesToFinish();
  void refusalsInTheirOrder_data();
  void refusalsInTheirOrder();
  void overlapMessagesNameTheTableText();
  void definitionFileReadAcrossPages();
  void definitionFileThatDoesNotFit_data();
  void definitionFileThatDoesNotFit();
  void shortDefinitionFileKeepsTheDefaultsOfWhatItLacks();
  void backAndNextDiscardTheMarks();
  void filesPage();
  void definitionFileBesideTheDataAndNeverHalfWritten();
  void cancelWritesNothing();
};

void ConversionWizardTest::everyConversionFromFilesToFinish_data() {
  QTest::addColumn<int>("index");
  QTest::addColumn<QStringList>("list");
  QTest::addColumn<std::string>("row");
  QTest::addColumn<std::string>("dfi");
  const QStringList six = {"Registration number", "Sex",       "Topography",
                           "Histology",           "Behaviour", "Grade"};
  QStringList icd9Six = six;
  icd9Six[2] = "ICD-9";
  QStringList icd10Six = six;
  icd10Six[2] = "ICD-10";
  // The application's histology, behaviour and grade stay with the three
  // variables of the ICD pages. Its optionA 1 and optionB 0 stay where the
  // page has no box for them; the boxes start at their own states, box 1019
  // clear and box 1020 set, and give those.
  const std::string first3 = "1 8 9 9 10 13 21 24 25 25 26 26 M F 30 465 ";
  const std::string all = "1 8 9 9 10 13 14 17 18 18 19 19 M F 30 465 ";
  const std::string sixHex = std::string(kSixPairsHex) + kCodesHex;
  const std::string threeHex = std::string(kThreePairsHex) + kCodesHex;
  const std::string set = "01000000";
  const std::string clear = "00000000";
  const QStringList three = {"Registration number", "Sex", "ICD-9"};
  const QStringList threeIcd10 = {"Registration number", "Sex", "ICD-10"};
  QTest::newRow("0 Alquen") << 0 << three << first3 + "1 0\n" << threeHex;
  QTest::newRow("1 Bernit") << 1 << icd9Six << all + "0 0\n" << sixHex + clear;
  QTest::newRow("2 Caslov") << 2 << threeIcd10 << first3 + "1 0\n" << threeHex;
  QTest::newRow("3 Dorwim") << 3 << icd10Six << all + "0 0\n" << sixHex + clear;
  QTest::newRow("4 Elbrac") << 4 << six << all + "0 1\n" << sixHex + clear + set;
  QTest::newRow("5 Fenzel") << 5 << six << all + "0 1\n" << sixHex + clear + set;
  QTest::newRow("6 Gorvat") << 6 << six << all + "0 0\n" << sixHex + clear;
  QTest::newRow("7 Hulmen") << 7 << six << all + "1 1\n" << sixHex + set;
  QTest::newRow("8 Irsolt") << 8 << six << all + "1 1\n" << sixHex + set;
  QTest::newRow("9 Jantrik") << 9 << six << all + "1 0\n" << sixHex;
}

void ConversionWizardTest::everyConversionFromFilesToFinish() {
  QFETCH(int, index);
  QFETCH(QStringList, list);
  QFETCH(std::string, row);
  QFETCH(std::string, dfi);
  ConversionRun run;
  run.application.optionA = 1;
  run.application.optionB = 0;
  run.Open(index);
  QCOMPARE(run.wizard->banner(), QString::fromLatin1(LoadResString(32771 + index)));
  QCOMPARE(run.wizard->windowTitle(), QStringLiteral("Conversion wizard (1/2)"));
  QCOMPARE(run.wizard->filesPage()->bannerY(), 5);
  QCOMPARE(run.wizard->pageIds().size(), 13);
  ExpectFirstPageWhole(*run.wizard);

  CCVTwizLayout* page = run.ToLayout(index);
  QCOMPARE(run.current(), 141 + index);
  QCOMPARE(page->conversionIndex(), index);
  QCOMPARE(run.wizard->windowTitle(), QStringLiteral("Conversion wizard (2/2)"));
  QCOMPARE(ClippedControls(*run.wizard), QStringList());
  const bool prefixes = index != 7 && index != 8;
  QCOMPARE(page->PathLines(),
           (QStringList{(prefixes ? "Input: " : "") + FromLocalPath(run.input),
                        (prefixes ? "Output: " : "") + FromLocalPath(run.output)}));
  QStringList shown;
  for (int i = 0; i < page->variableList()->count(); ++i)
    shown << page->variableList()->item(i)->text();
  QCOMPARE(shown, list);

  // Without a .dfi: no columns, codes 1 and 2, box 1019 clear, box 1020 set.
  QCOMPARE(page->maleEdit()->text(), QStringLiteral("1"));
  QCOMPARE(page->femaleEdit()->text(), QStringLiteral("2"));
  const ConversionPage& data = ConversionPageOf(index);
  QCOMPARE(page->optionCount(), int(data.options.size()));
  for (int box = 0; box < page->optionCount(); ++box) {
    QCOMPARE(page->optionBox(box)->isChecked(), data.options[size_t(box)].initial != 0);
    QCOMPARE(page->optionBox(box)->text().replace('\n', ' '),
             QString::fromLatin1(data.options[size_t(box)].caption));
  }
  for (int v = 0; v < page->columns().variableCount(); ++v) QVERIFY(!page->columns().IsDefined(v));

  MarkAll(page, list.size() == 3 ? kFirstThree : kAllSix);
  run.Codes("M", "F");
  QVERIFY(run.Finish());
  QCOMPARE(run.messages.Take(), QStringList());
  JobSettings job = run.application;
  CopyBack(run.wizard->settings(), job, kConversionRowType);
  QCOMPARE(FormatRow(kConversionRowType, job), row);
  QCOMPARE(job.inputFile, run.input);
  QCOMPARE(job.outputFile, run.output);
  QCOMPARE(Hex(ReadFile(run.dfi)), dfi);
  QVERIFY(!fs::exists(run.output));
}

void ConversionWizardTest::refusalsInTheirOrder_data() {
  QTest::addColumn<int>("index");
  QTest::addColumn<std::vector<Mark>>("marks");
  QTest::addColumn<QString>("male");
  QTest::addColumn<QString>("female");
  QTest::addColumn<QString>("message");  // empty: Finish ends the wizard
  auto with = [](std::vector<Mark> marks, std::initializer_list<Mark> changes) {
    for (const Mark& change : changes)
      for (Mark& m : marks)
        if (m.variable == change.variable) m = change;
    return marks;
  };
  const std::vector<Mark> none;
  const std::vector<Mark> noGrade(kAllSix.begin(), kAllSix.end() - 1);
  const std::vector<Mark> allButBehaviour = {
      {kRegNo, 1, 8}, {kSex, 9, 10}, {kSite, 11, 13}, {kHistology, 14, 17}, {kGrade, 19, 20}};
  const char* const positions = "\nPositions of all variables must be defined!";
  const char* const printable = "Sex codes must be printable characters!";
  const char* const icd9 = "\nICD-9 field should have at least four characters!";
  const struct {
    const char* name;
    int index;
    std::vector<Mark> marks;
    const char* male;
    const char* female;
    const char* message;
  } rows[] = {
      {"both empty", 4, kAllSix, "", "", "\nSex codes must be different."},
      {"equal before positions", 4, none, "1", "1", "\nSex codes must be different."},
      {"one empty", 4, none, "M", "", "\nSex codes must be defined."},
      {"a blank", 4, kAllSix, " ", "F", printable},
      {"a control character", 4, kAllSix, "M", "\x1f", printable},
      {"m and M differ", 4, none, "m", "M", positions},
      {"positions before widths", 4, allButBehaviour, "1", "2", positions},
      {"a lone start is no position", 4, with(kAllSix, {{kBehaviour, 18, -1}}), "1", "2",
       positions},
      {"sex of two", 4, with(kAllSix, {{kSex, 9, 10}, {kSite, 11, 13}}), "1", "2",
       "\nSex field must have one character only!"},
      {"ICD-O-1 site of three", 4, with(kAllSix, {{kSite, 10, 12}}), "1", "2",
       "\nTopography field should have at least four characters!"},
      {"ICD-O-2 site of three", 6, with(kAllSix, {{kSite, 10, 12}}), "1", "2", ""},
      {"ICD-O-2 site of two", 6, with(kAllSix, {{kSite, 10, 11}}), "1", "2",
       "\nTopography field should have at least three characters!"},
      {"ICD-10 site of three", 3, with(kAllSix, {{kSite, 10, 12}}), "1", "2",
       "\nICD-10 field should have at least four characters!"},
      {"ICD-9 site of three", 1, with(kAllSix, {{kSite, 10, 12}}), "1", "2", icd9},
      {"ICD-9 code of three", 0, with(kFirstThree, {{kSite, 10, 12}}), "1", "2", icd9},
      {"ICD-10 code without a sex", 2, {{kRegNo, 1, 8}, {kSite, 10, 13}}, "1", "2", positions},
      {"histology of three", 6, with(kAllSix, {{kHistology, 14, 16}}), "1", "2",
       "\nHistology field must have four characters!"},
      {"behaviour of two", 6, with(noGrade, {{kBehaviour, 18, 19}}), "1", "2",
       "\nBehaviour field must have one character only!"},
      {"grade of two", 9, with(kAllSix, {{kGrade, 19, 20}}), "1", "2",
       "\nGrade field must have one character only!"},
      {"no grade", 9, noGrade, "1", "2", ""},
      {"lone grade start", 9, with(kAllSix, {{kGrade, 19, -1}}), "1", "2", ""},
  };
  for (const auto& row : rows)
    QTest::newRow(row.name) << row.index << row.marks << QString::fromLatin1(row.male)
                            << QString::fromLatin1(row.female) << QString::fromLatin1(row.message);
}

void ConversionWizardTest::refusalsInTheirOrder() {
  QFETCH(int, index);
  QFETCH(std::vector<Mark>, marks);
  QFETCH(QString, male);
  QFETCH(QString, female);
  QFETCH(QString, message);
  ConversionRun run;
  CCVTwizLayout* page = run.ToLayout(index);
  MarkAll(page, marks);
  QCOMPARE(run.messages.Take(), QStringList());
  run.Codes(male, female);
  QCOMPARE(run.Finish(), message.isEmpty());
  QCOMPARE(run.messages.Take(),
           message.isEmpty() ? QStringList() : QStringList{"stop: " + message});
  QCOMPARE(fs::exists(run.dfi), message.isEmpty());
  if (message.isEmpty()) return;
  // The page keeps what was entered.
  QCOMPARE(run.current(), 141 + index);
  QCOMPARE(page->maleEdit()->text(), male);
  QCOMPARE(page->columns().Pair(kRegNo),
           std::make_pair(marks.empty() ? -1 : 1, marks.empty() ? -1 : 8));
}

void ConversionWizardTest::overlapMessagesNameTheTableText() {
  for (const auto& [index, name] : {std::pair{3, "Topography"}, std::pair{0, "ICD"}}) {
    ConversionRun run;
    CCVTwizLayout* page = run.ToLayout(index);
    DefineVariable(page, kSite, 10, 13);
    page->variableList()->setCurrentRow(kRegNo);
    ClickPreview(page, 11);
    QCOMPARE(run.messages.Take(),
             QStringList{QStringLiteral("stop: \nLayout definition of \nRegistration number:11\n"
                                        "overlaps with %1.")
                             .arg(name)});
  }
}

void ConversionWizardTest::definitionFileReadAcrossPages() {
  ConversionRun run;
  // 56 bytes from the ICD-O-2 page, read by the ICD-O-1 page: the box 1020
  // the file does not hold stays set.
  CCVTwizLayout* page = run.ToLayout(6);
  MarkAll(page, kAllSix);
  run.Codes("M", "F");
  page->optionBox(0)->setChecked(true);
  QVERIFY(run.Finish());
  QCOMPARE(ReadFile(run.dfi).size(), size_t(56));
  const PairList six = {{1, 8}, {9, 9}, {10, 13}, {14, 17}, {18, 18}, {19, 19}};
  page = run.ToLayout(4);
  QCOMPARE(Pairs(page), six);
  QCOMPARE(page->maleEdit()->text(), QStringLiteral("M"));
  QCOMPARE(page->femaleEdit()->text(), QStringLiteral("F"));
  QVERIFY(page->optionBox(0)->isChecked());
  QVERIFY(page->optionBox(1)->isChecked());

  // 60 bytes from the ICD-O-1 page, read by the ICD-O-2 to ICD-10 page: its
  // box 1020 takes the first word, the ICD-O-1 page's box 1019.
  page->optionBox(1)->setChecked(false);
  QVERIFY(run.Finish());
  QCOMPARE(ReadFile(run.dfi).size(), size_t(60));
  page = run.ToLayout(8);
  QCOMPARE(Pairs(page), six);
  QVERIFY(page->optionBox(0)->isChecked());

  // A six-variable file read by a three-variable page: the first three
  // pairs; its Finish writes the other three as -1.
  page = run.ToLayout(2);
  QCOMPARE(Pairs(page), (PairList{{1, 8}, {9, 9}, {10, 13}}));
  QVERIFY(run.Finish());
  QCOMPARE(Hex(ReadFile(run.dfi)), std::string(kThreePairsHex) + kCodesHex);

  // 52 bytes read by a six-variable page: histology, behaviour and grade are
  // not defined, and Finish wants them.
  page = run.ToLayout(9);
  QCOMPARE(Pairs(page), (PairList{{1, 8}, {9, 9}, {10, 13}, {-1, -1}, {-1, -1}, {-1, -1}}));
  QVERIFY(!run.Finish());
  QCOMPARE(run.messages.Take(), QStringList{"stop: \nPositions of all variables must be defined!"});
  MarkAll(page, {{kHistology, 14, 17}, {kBehaviour, 18, 18}});
  QVERIFY(run.Finish());
  QCOMPARE(run.messages.Take(), QStringList());
}

void ConversionWizardTest::definitionFileThatDoesNotFit_data() {
  QTest::addColumn<std::vector<int32_t>>("pairs");
  QTest::addColumn<bool>("yes");
  QTest::addColumn<bool>("asked");
  QTest::addColumn<PairList>("kept");
  const std::vector<int32_t> fits = {1, 8, 9, 9, 10, 13, 14, 17, 18, 18, 30, 30};
  auto changed = [&fits](size_t at, int32_t first, int32_t last) {
    std::vector<int32_t> pairs = fits;
    pairs[at] = first;
    pairs[at + 1] = last;
    return pairs;
  };
  const PairList fitting = {{1, 8}, {9, 9}, {10, 13}, {14, 17}, {18, 18}, {30, 30}};
  PairList noGrade = fitting;
  noGrade[5] = {-1, -1};
  PairList noSex = fitting;
  noSex[1] = {-1, -1};
  QTest::newRow("ends at the record length") << fits << false << false << fitting;
  QTest::newRow("beyond it, No") << changed(10, 31, 31) << false << true << noGrade;
  QTest::newRow("beyond it, Yes") << changed(10, 31, 31) << true << true << kNoPairs6;
  QTest::newRow("overlap, No") << changed(2, 8, 8) << false << true << noSex;
  QTest::newRow("last before first, No") << changed(2, 9, 7) << false << true << noSex;
  QTest::newRow("column 0, No") << changed(2, 0, 0) << false << true << noSex;
  QTest::newRow("half a pair, Yes") << changed(2, 9, -1) << true << true << kNoPairs6;
}

void ConversionWizardTest::definitionFileThatDoesNotFit() {
  QFETCH(std::vector<int32_t>, pairs);
  QFETCH(bool, yes);
  QFETCH(bool, asked);
  QFETCH(PairList, kept);
  ConversionRun run;
  run.WriteDfi(pairs, 'M', 'F', {&RecordSettings::optionA}, 1);
  run.messages.Answer(yes);
  CCVTwizLayout* page = run.ToLayout(6);
  QStringList expected;
  if (asked)
    expected << "question: The definition file does not correspond to the input file.\n"
                "It must be deleted to define new variable positions.\n"
                "Do you want the program to do it for you?";
  if (yes) expected << "information: The definition file has been succesfuly removed!";
  QCOMPARE(run.messages.Take(), expected);
  QCOMPARE(Pairs(page), kept);
  QCOMPARE(fs::exists(run.dfi), !yes);
  // The codes and the box come from the file all the same.
  QCOMPARE(page->maleEdit()->text(), QStringLiteral("M"));
  QVERIFY(page->optionBox(0)->isChecked());
}

void ConversionWizardTest::shortDefinitionFileKeepsTheDefaultsOfWhatItLacks() {
  ConversionRun run;
  run.WriteDfi({1, 8, 9, 9, 10, 13, 14, 17, 18, 18, 19, 19}, 'M', 'F',
               {&RecordSettings::optionA, &RecordSettings::optionB}, 1, 0);
  const std::string whole = ReadFile(run.dfi);
  // Cut inside the second option word: the first word is taken, box 1020
  // keeps its default.
  WriteFile(run.dfi, whole.substr(0, 57));
  CCVTwizLayout* page = run.ToLayout(4);
  QVERIFY(page->optionBox(0)->isChecked());
  QVERIFY(page->optionBox(1)->isChecked());
  QCOMPARE(page->femaleEdit()->text(), QStringLiteral("F"));
  // Cut inside the female code: the male code and the columns are taken.
  WriteFile(run.dfi, whole.substr(0, 51));
  page = run.ToLayout(4);
  QCOMPARE(page->maleEdit()->text(), QStringLiteral("M"));
  QCOMPARE(page->femaleEdit()->text(), QStringLiteral("2"));
  QCOMPARE(page->columns().Pair(kGrade), std::make_pair(19, 19));
  QVERIFY(!page->optionBox(0)->isChecked());
  // Cut inside the last column of the grade: that pair is left half
  // defined and does not fit.
  WriteFile(run.dfi, whole.substr(0, 46));
  page = run.ToLayout(4);
  QCOMPARE(run.messages.Take().size(), 1);
  QCOMPARE(page->columns().Pair(kGrade), std::make_pair(-1, -1));
  QCOMPARE(page->columns().Pair(kBehaviour), std::make_pair(18, 18));
  // A code that cannot stand in a parameter row is not taken.
  run.WriteDfi({1, 8, 9, 9, 10, 13, 14, 17, 18, 18, 19, 19}, ' ', '\0');
  page = run.ToLayout(4);
  QCOMPARE(page->maleEdit()->text(), QStringLiteral("1"));
  QCOMPARE(page->femaleEdit()->text(), QStringLiteral("2"));
}

void ConversionWizardTest::backAndNextDiscardTheMarks() {
  ConversionRun run;
  CCVTwizLayout* page = run.ToLayout(6);
  MarkAll(page, kFirstThree);
  run.Codes("X", "Y");
  page->optionBox(0)->setChecked(true);
  Press(*run.wizard, QWizard::BackButton);
  QCOMPARE(run.current(), int(CCVTwizard::kFilesPage));
  QCOMPARE(run.wizard->windowTitle(), QStringLiteral("Conversion wizard (1/2)"));
  Press(*run.wizard, QWizard::NextButton);
  QCOMPARE(Pairs(page), kNoPairs6);
  QCOMPARE(page->maleEdit()->text(), QStringLiteral("1"));
  QVERIFY(!page->optionBox(0)->isChecked());
  QVERIFY(!fs::exists(run.dfi));

  // With a .dfi the page starts from it again; Back writes nothing.
  run.WriteDfi({1, 8, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1}, 'a', 'b');
  const std::string before = ReadFile(run.dfi);
  Press(*run.wizard, QWizard::BackButton);
  Press(*run.wizard, QWizard::NextButton);
  MarkAll(page, {{kSex, 9, 9}});
  Press(*run.wizard, QWizard::BackButton);
  Press(*run.wizard, QWizard::NextButton);
  QCOMPARE(Pairs(page), (PairList{{1, 8}, {-1, -1}, {-1, -1}, {-1, -1}, {-1, -1}, {-1, -1}}));
  QCOMPARE(page->maleEdit()->text(), QStringLiteral("a"));
  QCOMPARE(ReadFile(run.dfi), before);
  QCOMPARE(run.messages.Take(), QStringList());
}

void ConversionWizardTest::filesPage() {
  ConversionRun run;
  TempDir& f = run.folder;
  fs::create_symlink(run.input, f / "link.dat");
  const std::string existing = f.Write("existing.dat", "keep\n");
  run.Open(6);
  auto next = [&run](const std::string& input, const std::string& output) {
    run.wizard->filesPage()->inputEdit()->setText(FromLocalPath(input));
    run.wizard->filesPage()->outputEdit()->setText(FromLocalPath(output));
    Press(*run.wizard, QWizard::NextButton);
    return run.current();
  };
  QCOMPARE(next(run.input, f / "link.dat"), int(CCVTwizard::kFilesPage));
  QCOMPARE(next(run.input, f / "./cases.dat"), int(CCVTwizard::kFilesPage));
  QCOMPARE(run.messages.Take(), QStringList(2, "stop: Output and input file names are identical!"));
  QCOMPARE(next(run.input, existing), int(CCVTwizard::kFilesPage));
  QCOMPARE(run.messages.Take(),
           QStringList{"question: Output file already exists. Do you want to overwrite it?"});
  QCOMPARE(ReadFile(existing), std::string("keep\n"));

  // A data file that cannot be written to is read all the same.
  const std::string readOnly = f.Write("readonly.dat", Records(12, kRecordLength, "\n"));
  fs::permissions(readOnly, fs::perms::owner_read);
  run.messages.Answer(true);
  QCOMPARE(next(readOnly, existing), int(CCVTwizard::kFirstLayoutPage + 6));
  QCOMPARE(ReadFile(existing), std::string("keep\n"));
  QCOMPARE(run.wizard->settings().inputFile, readOnly);
  Press(*run.wizard, QWizard::BackButton);
  QCOMPARE(next(run.input, run.output), int(CCVTwizard::kFirstLayoutPage + 6));
  QVERIFY(!fs::exists(run.output));
  QCOMPARE(run.messages.Take(), QStringList{"question: Output file already exists. Do you want to "
                                            "overwrite it?"});
}

void ConversionWizardTest::definitionFileBesideTheDataAndNeverHalfWritten() {
  ConversionRun run;
  fs::create_directory(run.folder / "data.d");
  run.input = run.folder.Write("data.d/cases", Records(15, kRecordLength, "\n"));
  CCVTwizLayout* page = run.ToLayout(2);
  MarkAll(page, kFirstThree);
  QVERIFY(run.Finish());
  QVERIFY(fs::exists(run.folder / "data.d/cases.dfi"));
  QVERIFY(!fs::exists(run.folder / "data.dfi"));

  // A .dfi that cannot be written whole is not left behind, and nothing is
  // said: the run goes on.
  run.input = run.folder.Write("full.dat", Records(15, kRecordLength, "\n"));
  fs::create_symlink("/dev/full", run.folder / "full.dfi");
  page = run.ToLayout(2);
  run.messages.Take();  // what was read there does not fit
  MarkAll(page, kFirstThree);
  QVERIFY(run.Finish());
  QVERIFY(!fs::exists(fs::symlink_status(run.folder / "full.dfi")));
  QCOMPARE(run.messages.Take(), QStringList());
}

void ConversionWizardTest::cancelWritesNothing() {
  ConversionRun run;
  HelpWalk walk(*(run.wizard = std::make_unique<CCVTwizard>(run.application, 9)));
  run.wizard->show();
  walk.PressHelp();
  run.wizard->filesPage()->inputEdit()->setText(FromLocalPath(run.input));
  run.wizard->filesPage()->outputEdit()->setText(FromLocalPath(run.output));
  Press(*run.wizard, QWizard::NextButton);
  walk.PressHelp();
  MarkAll(run.wizard->conversionPage(), kAllSix);
  Press(*run.wizard, QWizard::CancelButton);
  QCOMPARE(run.wizard->result(), int(QDialog::Rejected));
  QCOMPARE(walk.topics, (QStringList{"htm/WizFiles.htm", "htm/WizLayout.htm"}));
  QVERIFY(!fs::exists(run.dfi));
  QVERIFY(!fs::exists(run.output));
}

QTEST_MAIN(ConversionWizardTest)
#include "test_cvtwizard.moc"
