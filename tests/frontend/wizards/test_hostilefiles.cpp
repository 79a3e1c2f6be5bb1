// The wizards under a hostile file system: a data file named like its own
// layout file, links and files of no layout at its name, named pipes and
// devices where files belong, line breaks in paths. Whatever is answered, no
// data file changes and no window waits.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include <filesystem>
#include <memory>
#include <vector>

#include "common/layoutfile.h"
#include "frontend/wizards/chkwizard.h"
#include "frontend/wizards/chkwizfiles.h"
#include "frontend/wizards/chkwizlayout.h"
#include "frontend/wizards/cvtwizard.h"
#include "frontend/wizards/cvtwizfiles.h"
#include "frontend/wizards/cvtwizlayout.h"
#include "frontend/wizards/mulwizard.h"
#include "frontend/wizards/mulwizfiles.h"
#include "frontend/wizards/mulwizformat.h"
#include "frontend/wizards/mulwizlayout.h"
#include "frontend/wizards/transwiz1.h"
#include "frontend/wizards/transwizard.h"
#include "tests/frontend/wizards/wizardtesting.h"
#include "tests/support/childprocess.h"
#include "tests/support/testfiles.h"

using namespace kelvarin;
using namespace kelvarin::test;
namespace fs = std::filesystem;

namespace {

// Registration number 1-8, sex 9, site 10-13, histology 14-17, behaviour 18,
// incidence date 21-28: what each wizard needs, in records of 40.
constexpr int kRecordLength = 40;

enum class Kind { kCheck, kMultiple, kConversion, kTransfer };

const char* const kKindNames[] = {"check", "multiple primaries", "conversion", "transfer"};

// One wizard, from its Files page to Finish.
struct Run {
  TempDir folder;
  JobSettings application;
  MessageRecorder messages;
  Kind kind;
  std::unique_ptr<CWizardSheet> wizard;
  CWizFiles* files = nullptr;

  explicit Run(Kind k) : kind(k) {
    switch (kind) {
      case Kind::kCheck:
        files = Make<CCHKwizard>()->filesPage();
        break;
      case Kind::kMultiple:
        files = Make<CMULwizard>()->filesPage();
        break;
      case Kind::kConversion:
        files = Make<CCVTwizard>(6)->filesPage();
        break;
      case Kind::kTransfer:
        files = Make<CTRANSwizard>()->filesPage();
        break;
    }
    wizard->show();
  }
  template <typename Sheet, typename... Arguments>
  Sheet* Make(Arguments... arguments) {
    auto* sheet = new Sheet(application, arguments...);
    wizard.reset(sheet);
    return sheet;
  }
  const char* name() const { return kKindNames[static_cast<int>(kind)]; }
  LayoutFile layoutFile() const {
    return kind == Kind::kCheck      ? LayoutFile::kCheck
           : kind == Kind::kMultiple ? LayoutFile::kMultiplePrimary
                                     : LayoutFile::kConversion;
  }
  const char* layoutSuffix() const { return LayoutFileSuffix(layoutFile()); }
  // Next on the Files page; true when it was left.
  bool Next(const QString& input, const QString& output) {
    files->inputEdit()->setText(input);
    files->outputEdit()->setText(output);
    Press(*wizard, QWizard::NextButton);
    return wizard->currentId() != files->id();
  }
  bool Next(const std::string& input, const std::string& output) {
    return Next(FromLocalPath(input), FromLocalPath(output));
  }
  CWizLayout* layout() const { return qobject_cast<CWizLayout*>(wizard->currentPage()); }
  // Marks the columns the wizard needs on its layout page and finishes;
  // true when the wizard ended with Finish.
  bool Finish() {
    CWizLayout* page = layout();
    DefineVariable(page, 0, 1, 8);
    if (kind == Kind::kCheck) {
      DefineVariable(page, kCheckTopography, 10, 13);
      Press(*wizard, QWizard::NextButton);  // no coded variable: the Finish page
    } else {
      const int shift = kind == Kind::kMultiple ? 1 : 0;  // the sequence number comes second
      DefineVariable(page, 1 + shift, 9, 9);
      DefineVariable(page, 2 + shift, 10, 13);
      DefineVariable(page, 3 + shift, 14, 17);
      DefineVariable(page, 4 + shift, 18, 18);
      if (kind == Kind::kMultiple) {
        DefineVariable(page, 6, 21, 28);
        Press(*wizard, QWizard::NextButton);
        Child<QListWidget>(wizard->currentPage(), "incidenceFormats")->setCurrentRow(0);
      }
    }
    Press(*wizard, QWizard::FinishButton);
    return wizard->result() == QDialog::Accepted;
  }
};

bool HasColumns(const CWizLayout* page) {
  for (int v = 0; v < page->columns().variableCount(); ++v)
    if (page->columns().IsDefined(v)) return true;
  return false;
}

// A named pipe with nobody at its other end: an open for reading waits for
// a writer, a read for data.
std::string MakeFifo(const TempDir& folder, const std::string& name) {
  if (::mkfifo((folder / name).c_str(), 0600) != 0) qFatal("mkfifo failed");
  return folder / name;
}

// Ends the test program should a step wait on a pipe for ever.
struct Watchdog {
  Watchdog() { ::alarm(60); }
  ~Watchdog() { ::alarm(0); }
};

// What Finish says of a layout file's name that it left as it was.
QString NotALayoutFile(const std::string& path) {
  return QStringLiteral(
             "information: %1 is not a column definition file: it was left as it is, and the "
             "columns were not saved.")
      .arg(fs::path(path).filename().c_str());
}

const Kind kLayoutWizards[] = {Kind::kCheck, Kind::kMultiple, Kind::kConversion};
const Kind kEveryWizard[] = {Kind::kCheck, Kind::kMultiple, Kind::kConversion, Kind::kTransfer};

}  // namespace

class HostileFilesTest : public QObject {
  Q_OBJECT

 private slots:
  void dataFileNamedLikeItsLayoutFileIsNeverTouched();
  void namedPipesNeverHoldTheWindow();
  void layoutNameReachingAnotherFileLeavesThatFileAsItWas();
  void layoutFileSavedOrTheUserTold();
  void outputThatIsNotARegularFileIsRefused();
  void lineBreaksInPathsAreRefusedBeforeAnythingIsWritten();
};

void HostileFilesTest::dataFileNamedLikeItsLayoutFileIsNeverTouched() {
  // The input named like its layout file ("records.frm"), then an existing
  // output named so; each with Yes and with No queued for a question.
  for (Kind kind : kLayoutWizards) {
    for (bool outputBearsTheName : {false, true}) {
      for (bool yes : {true, false}) {
        Run run(kind);
        const std::string data = Records(15, kRecordLength);
        const std::string named = run.folder.Write(std::string("records") + run.layoutSuffix(),
                                                   outputBearsTheName ? "earlier output\n" : data);
        const std::string input =
            outputBearsTheName ? run.folder.Write("records.dat", data) : named;
        const std::string output = outputBearsTheName ? named : run.folder / "out.dat";
        const QString what = QStringLiteral("%1, %2, %3")
                                 .arg(run.name())
                                 .arg(outputBearsTheName ? "output" : "input")
                                 .arg(yes ? "Yes" : "No");
        if (outputBearsTheName) run.messages.Answer(true);  // overwrite it
        run.messages.Answer(yes);
        QVERIFY2(run.Next(input, output), qPrintable(what));
        QVERIFY2(!HasColumns(run.layout()), qPrintable(what));
        QVERIFY2(run.Finish(), qPrintable(what));
        QStringList told{NotALayoutFile(named)};
        if (outputBearsTheName)
          told.prepend("question: Output file already exists. Do you want to overwrite it?");
        QCOMPARE(run.messages.Take(), told);
        QVERIFY2(ReadFile(input) == data, qPrintable(what));
        QVERIFY2(ReadFile(output) == (outputBearsTheName ? "earlier output\n" : "<missing>"),
                 qPrintable(what));
      }
    }
  }
}

void HostileFilesTest::namedPipesNeverHoldTheWindow() {
  Watchdog watchdog;
  for (Kind kind : kEveryWizard) {
    Run run(kind);
    const std::string fifo = MakeFifo(run.folder, "records.dat");
    QVERIFY2(!run.Next(fifo, run.folder / "out.dat"), run.name());
    QCOMPARE(run.messages.Take(), QStringList{"stop: Cannot open input file!"});
  }
}

void HostileFilesTest::layoutNameReachingAnotherFileLeavesThatFileAsItWas() {
  // At the layout file's name: a link or a hard link to another layout file,
  // read through, then replaced by a file of the run's own; or what cannot be
  // a layout file (20 records of 80 by a link, a hard link or a copy; a
  // pipe), neither read nor written, which Finish says. Yes and No queued.
  Watchdog watchdog;
  enum At { kLink, kHardLink, kCopy, kPipe };
  const std::pair<bool, At> cases[] = {{true, kLink},      {true, kHardLink}, {false, kLink},
                                       {false, kHardLink}, {false, kCopy},    {false, kPipe}};
  for (Kind kind : kLayoutWizards) {
    for (const auto& [layoutFile, at] : cases) {
      for (bool yes : {true, false}) {
        Run run(kind);
        const std::string name = run.folder / (std::string("records") + run.layoutSuffix());
        const std::vector<uint8_t> layout = EncodeLayout(run.layoutFile(), RecordSettings());
        const std::string bytes =
            layoutFile ? std::string(layout.begin(), layout.end()) : Records(20, 80, "\n");
        const std::string other = run.folder.Write("other", bytes);
        if (at == kLink) fs::create_symlink(other, name);
        if (at == kHardLink) fs::create_hard_link(other, name);
        if (at == kCopy) fs::copy_file(other, name);
        if (at == kPipe) MakeFifo(run.folder, fs::path(name).filename());
        const fs::file_type type = fs::symlink_status(name).type();
        const QString what =
            QStringLiteral("%1 %2 %3 %4").arg(run.name()).arg(layoutFile).arg(at).arg(yes);
        run.messages.Answer(yes);
        QVERIFY2(run.Next(run.folder.Write("records.dat", Records(15, kRecordLength)),
                          run.folder / "out.dat") &&
                     !HasColumns(run.layout()) && run.Finish(),
                 qPrintable(what));
        QCOMPARE(run.messages.Take(),
                 layoutFile ? QStringList() : QStringList{NotALayoutFile(name)});
        QVERIFY2(ReadFile(other) == bytes, qPrintable(what));
        RecordSettings saved;
        if (layoutFile)  // the run's columns under the name, in a file of its own
          QVERIFY2(
              fs::symlink_status(name).type() == fs::file_type::regular &&
                  ReadLayoutFile(name, run.layoutFile(), saved) == LayoutFileStatus::kComplete &&
                  saved.regNoEnd == 8,
              qPrintable(what));
        else
          QVERIFY2(
              fs::symlink_status(name).type() == type && (at == kPipe || ReadFile(name) == bytes),
              qPrintable(what));
      }
    }
  }
}

void HostileFilesTest::layoutFileSavedOrTheUserTold() {
  // An input name as long as a file name may be; a folder that takes no new
  // file, with the layout file of a single name writable in it, or only a
  // hard link to one. The columns are saved, or Finish says they were not.
  enum At { kLongName, kOwn, kHardLink };
  if (!FileRightsOfNobody().Taken()) QSKIP("the rights of root on files cannot be given up");
  for (Kind kind : kLayoutWizards) {
    for (At at : {kLongName, kOwn, kHardLink}) {
      Run run(kind);
      const std::string input =
          run.folder.Write((at == kLongName ? std::string(251, 'r') : "records") + ".dat",
                           Records(15, kRecordLength));
      const std::string name = LayoutFileName(input, run.layoutFile());
      const std::vector<uint8_t> empty = EncodeLayout(run.layoutFile(), RecordSettings());
      const std::string old(empty.begin(), empty.end());
      if (at != kLongName) {
        WriteFile(name, old);
        QCOMPARE(::chmod(name.c_str(), 0666), 0);
        if (at == kHardLink) fs::create_hard_link(name, run.folder / "other");
      }
      const QString what = QStringLiteral("%1 %2").arg(run.name()).arg(at);
      QVERIFY2(run.Next(input, run.folder / "out.dat") && !HasColumns(run.layout()),
               qPrintable(what));
      QCOMPARE(::chmod(run.folder.path().c_str(), at == kLongName ? 0777 : 0555), 0);
      {
        FileRightsOfNobody nobody;
        QVERIFY2(run.Finish(), qPrintable(what));
      }
      RecordSettings saved;
      if (at == kHardLink) {
        QCOMPARE(run.messages.Take(),
                 QStringList{QStringLiteral("information: records%1 could not be written: the "
                                            "columns were not saved.")
                                 .arg(run.layoutSuffix())});
        QVERIFY2(ReadFile(name) == old && ReadFile(run.folder / "other") == old, qPrintable(what));
      } else {
        QCOMPARE(run.messages.Take(), QStringList());
        QVERIFY2(ReadLayoutFile(name, run.layoutFile(), saved) == LayoutFileStatus::kComplete &&
                     saved.regNoEnd == 8,
                 qPrintable(what));
      }
    }
  }
}

void HostileFilesTest::outputThatIsNotARegularFileIsRefused() {
  Watchdog watchdog;
  for (Kind kind : kEveryWizard) {
    Run run(kind);
    const std::string input = run.folder.Write("records.dat", Records(15, kRecordLength));
    const std::string fifo = MakeFifo(run.folder, "out.dat");
    const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);  // a writer could open it
    QVERIFY(reader >= 0);
    for (const std::string& output : {std::string("/dev/null"), fifo}) {
      QVERIFY2(!run.Next(input, output), run.name());
      QCOMPARE(run.messages.Take(), QStringList{"stop: Output file is not accessible!"});
    }
    ::close(reader);
  }
}

void HostileFilesTest::lineBreaksInPathsAreRefusedBeforeAnythingIsWritten() {
  const QString input = QStringLiteral(
      "stop: Input file name must not hold a line break or a NUL "
      "character!");
  const QString output = QStringLiteral(
      "stop: Output file name must not hold a line break or a "
      "NUL character!");
  for (Kind kind : kEveryWizard) {
    Run run(kind);
    const QString good = FromLocalPath(run.folder.Write("records.csv", Records(15, 40)));
    const QString folder = FromLocalPath(run.folder.path()) + QLatin1Char('/');
    const QString withLineFeed = FromLocalPath(run.folder.Write("rec\nords.csv", Records(15, 40)));
    const QString withReturn = FromLocalPath(run.folder.Write("records.csv\r", Records(15, 40)));
    const struct {
      QString input, output, message;
    } steps[] = {
        {withLineFeed, folder + "out.dat", input},
        {withReturn, folder + "out.dat", input},
        {good + QChar(0) + ".csv", folder + "out.dat", input},
        {good, folder + "out\n.dat", output},
        {good, folder + "out.dat\r", output},
        {good, folder + "out" + QChar(0) + ".dat", output},
    };
    for (const auto& step : steps) {
      QVERIFY2(!run.Next(step.input, step.output), run.name());
      QCOMPARE(run.messages.Take(), QStringList{step.message});
    }
  }
}

QTEST_MAIN(HostileFilesTest)
#include "test_hostilefiles.moc"
