// The application object: start-up, the profile after exit, the menus with
// their ids and greyed items, the recent-file list and the help stand-in.
#include <QAction>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMenu>
#include <QMenuBar>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QUrl>
#include <QtTest>

#include <sys/stat.h>

#include "frontend/app/caboutdlg.h"
#include "frontend/app/cquandorapp.h"
#include "frontend/app/weblinks.h"
#include "frontend/res/commandids.h"
#include "frontend/shell/cchildframe.h"
#include "frontend/shell/cmainframe.h"
#include "frontend/shell/cquandorview.h"
#include "platform/pathtext.h"
#include "tests/frontend/app/toolruntesting.h"
#include "tests/frontend/app/urlcatcher.h"
#include "tests/frontend/shell/modalhelper.h"
#include "tests/support/qttestfiles.h"

namespace kelvarin {

namespace {

// One visible menu entry: the popup path, the command id (-1 separator,
// 0 submenu), the text and whether it is enabled (-1: either).
struct MenuItemSeen {
  QString path;
  int id;
  QString text;
  int enabled;
  bool operator==(const MenuItemSeen& o) const {
    return path == o.path && id == o.id && text == o.text &&
           (enabled == -1 || o.enabled == -1 || enabled == o.enabled);
  }
};

QString Describe(const MenuItemSeen& item) {
  return QStringLiteral("%1 | %2 | %3 | %4")
      .arg(item.path)
      .arg(item.id)
      .arg(item.text)
      .arg(item.enabled);
}

void WalkMenu(const QMenu* menu, const QString& path, QList<MenuItemSeen>& seen) {
  for (QAction* action : menu->actions()) {
    if (!action->isVisible()) continue;
    if (action->isSeparator()) {
      seen.append({path, -1, QStringLiteral("-"), -1});
    } else if (action->menu()) {
      seen.append({path, 0, action->text(), -1});
      WalkMenu(action->menu(), path + QLatin1Char('>') + action->text(), seen);
    } else {
      seen.append({path, action->data().toInt(), action->text(), action->isEnabled() ? 1 : 0});
    }
  }
}

QList<MenuItemSeen> MenuBarItems(const QMenuBar* bar) {
  QList<MenuItemSeen> seen;
  for (QAction* popup : bar->actions()) WalkMenu(popup->menu(), popup->text(), seen);
  return seen;
}

struct Expected {
  const char* path;
  int id;
  const char* text;
  int enabled;
};

QList<MenuItemSeen> ToSeen(std::initializer_list<Expected> items) {
  QList<MenuItemSeen> list;
  for (const Expected& e : items)
    list.append({QString::fromUtf8(e.path), e.id, QString::fromUtf8(e.text), e.enabled});
  return list;
}

const std::initializer_list<Expected> kTools = {
    {"&Tools", 32783, "Orvo/Semu &Check", 1},
    {"&Tools", 32784, "Orvo/Semu &Multiple Primary", 1},
    {"&Tools", -1, "-", -1},
    {"&Tools", 32788, "&File Transfer", 1},
};

const std::initializer_list<Expected> kHelp = {
    {"&Help", 57667, "&Help Topics", 1},
    {"&Help", -1, "-", -1},
    {"&Help", 0, "Kelvarin on the &Internet", -1},
    {"&Help>Kelvarin on the &Internet", 136, "Kelvarin &Home Page", 1},
    {"&Help>Kelvarin on the &Internet", 137, "Cancer &Statistics", 1},
    {"&Help>Kelvarin on the &Internet", 138, "Cancer &Registration", 1},
    {"&Help>Kelvarin on the &Internet", -1, "-", -1},
    {"&Help>Kelvarin on the &Internet", 32807, "ICD-&O-3", 1},
    {"&Help>Kelvarin on the &Internet", 32808, "ICD-&10", 1},
    {"&Help", -1, "-", -1},
    {"&Help", 57664, "&About Kelvarin", 1},
};

// Every conversion but ICD-O-3 -> ICCC-3, whose program is not part of the
// suite and has no command, runs.
QList<MenuItemSeen> Conversions(bool documentMenu) {
  return ToSeen({
      {"&Conversions", 32771, "&ICD-9 -> ICD-O-2", 1},
      {"&Conversions", 32772, "ICD-&9+ICD-O-1 -> ICD-O-2", 1},
      {"&Conversions", 32773, "I&CD-10 -> ICD-O-2", 1},
      {"&Conversions", 32774,
       documentMenu ? "ICD-&10+ICD-O-2 -> ICD-O-2" : "IC&D-10+ICD-O-2 -> ICD-O-2", 1},
      {"&Conversions", 32775, documentMenu ? "ICD-&O-1 -> ICD-O-2" : "ICD-O-&1 -> ICD-O-2", 1},
      {"&Conversions", 32776, "ICD-O-1(&FTE) -> ICD-O-2", 1},
      {"&Conversions", 32777, "ICD-O-&2 -> ICD-O-3", 1},
      {"&Conversions", 32778, "ICD-O-2 -> ICD-9", 1},
      {"&Conversions", 32779, "ICD-&O-2 -> ICD-10", 1},
      {"&Conversions", 32780, "ICD-O-&3 -> ICD-10", 1},
      {"&Conversions", 32781, "ICD-O-3 -> ICCC-3", 0},
  });
}

// The override cursor's shape, -1 for none.
int OverrideShape() {
  const QCursor* cursor = QGuiApplication::overrideCursor();
  return cursor ? cursor->shape() : -1;
}

// Watches a report being opened: the override cursors at the events, other
// than painting, to its text (a text document of no widget), view and window;
// and whether the main window was painted, with the report on disk and no
// dialog up, before the first of them.
class OpeningWatch : public QObject {
 public:
  OpeningWatch(QWidget* mainWindow, const QString& report)
      : m_mainWindow(mainWindow), m_report(report) {
    qApp->installEventFilter(this);
  }
  ~OpeningWatch() override { qApp->removeEventFilter(this); }

  QSet<int> cursors;
  bool paintedBefore = false;

 protected:
  bool eventFilter(QObject* object, QEvent* event) override {
    const bool paint = event->type() == QEvent::Paint;
    if (paint && object == m_mainWindow && cursors.isEmpty() &&
        !QApplication::activeModalWidget() && QFileInfo::exists(m_report))
      paintedBefore = true;
    if (!paint && ((qobject_cast<QTextDocument*>(object) && !object->parent()) ||
                   qobject_cast<CQuandorView*>(object) || qobject_cast<CChildFrame*>(object)))
      cursors.insert(OverrideShape());
    return false;
  }

 private:
  QWidget* m_mainWindow;
  QString m_report;
};

}  // namespace

class TestQuandorApp : public QObject {
  Q_OBJECT

 private:
  QString ProfilePath() const { return m_dir->filePath("config/Kelvarin.ini"); }
  QString Home() const { return m_dir->filePath("home"); }
  QString Documents() const { return m_dir->filePath("Documents"); }

  QString WriteFile(const QString& name, const QByteArray& bytes = "report\n") {
    return test::WriteTestFile(QDir(Home()).filePath(name), bytes);
  }

  QByteArray ProfileBytes() const { return test::ReadTestFile(ProfilePath()); }

  // A started application, as `./Kelvarin` run in the home folder.
  std::unique_ptr<CQuandorApp> Start() {
    auto app = std::make_unique<CQuandorApp>(ProfilePath());
    if (!app->InitInstance()) qFatal("start-up failed");
    return app;
  }

  static void Stop(std::unique_ptr<CQuandorApp>& app) {
    app->ExitInstance();
    app.reset();
  }

  QList<MenuItemSeen> Menu(CQuandorApp& app) {
    app.Commands().UpdateActions();
    return MenuBarItems(app.MainFrame()->menuBar());
  }

  static void CompareMenus(const QList<MenuItemSeen>& seen, const QList<MenuItemSeen>& expected) {
    for (int i = 0; i < std::max(seen.size(), expected.size()); ++i) {
      const QString got = i < seen.size() ? Describe(seen[i]) : QStringLiteral("<nothing>");
      const QString want =
          i < expected.size() ? Describe(expected[i]) : QStringLiteral("<nothing>");
      QVERIFY2(i < seen.size() && i < expected.size() && seen[i] == expected[i],
               qPrintable(QStringLiteral("item %1: got %2, expected %3").arg(i).arg(got, want)));
    }
  }

  std::unique_ptr<QTemporaryDir> m_dir;
  QString m_startFolder;

 private slots:
  void initTestCase() {
    test::StartModalWatchdog();
    m_startFolder = QDir::currentPath();
  }
  void init() {
    m_dir = std::make_unique<QTemporaryDir>();
    qputenv("HOME", QFile::encodeName(m_dir->path()));
    qunsetenv("XDG_CONFIG_HOME");
    QVERIFY(QDir().mkpath(Home()));
    QVERIFY(QDir::setCurrent(Home()));
  }
  void cleanup() { QDir::setCurrent(m_startFolder); }

  void startupSetsDefaultsAndTheHomeFolder() {
    auto app = Start();
    QCOMPARE(CQuandorApp::Instance(), app.get());
    QCOMPARE(app->HomeFolder(), QDir::currentPath());
    QCOMPARE(app->PgmFolder(), Home() + "/pgm");
    QCOMPARE(app->HelpFilePath(), Home() + "/Kelvarin.chm");
    const JobSettings& job = app->Job();
    QCOMPARE(job.regNoStart, -1);
    QCOMPARE(job.incidenceDateFormat, -1);
    QCOMPARE(job.includeBladder, 1);
    QCOMPARE(job.microscopicCodes[3], '7');
    QCOMPARE(job.pendingMarker, -1);
    // A first start with an empty profile shows the documents folder everywhere.
    for (const std::string* path :
         {&job.inputFile, &job.outputFile, &job.inputFolder, &job.outputFolder})
      QCOMPARE(FromLocalPath(*path), Documents());
    QVERIFY(app->MainFrame()->isVisible());
    QCOMPARE(app->MainFrame()->windowTitle(), QStringLiteral("Kelvarin"));
    QCOMPARE(app->MainFrame()->CurrentMenuId(), 128);
    QVERIFY(app->MainFrame()->Children().isEmpty());
    Stop(app);
    QCOMPARE(CQuandorApp::Instance(), nullptr);
  }

  void profileHoldsThePathsAfterExit() {
    auto app = Start();
    Stop(app);
    {
      QSettings profile(ProfilePath(), QSettings::IniFormat);
      for (const char* key : {"Path/in", "Path/out", "File/in", "File/out"})
        QCOMPARE(profile.value(key).toString(), Documents());
    }
    app = Start();
    app->Job().inputFolder = ToLocalPath(Home() + "/data, 2021");
    app->Job().outputFile = ToLocalPath(Home() + "/out/checked.txt");
    Stop(app);
    app = Start();
    QCOMPARE(FromLocalPath(app->Job().inputFolder), Home() + "/data, 2021");
    QCOMPARE(FromLocalPath(app->Job().outputFile), Home() + "/out/checked.txt");
    QCOMPARE(FromLocalPath(app->Job().inputFile), Documents());
    // Columns and codes start from the defaults again.
    app->Job().sexStart = 12;
    Stop(app);
    app = Start();
    QCOMPARE(app->Job().sexStart, -1);
    Stop(app);
  }

  void startThatEndedEarlyLeavesTheProfileAlone() {
    auto app = Start();
    app->Job().inputFolder = "/saved/in";
    app->Job().outputFolder = "/saved/out";
    app->OpenDocumentFile(WriteFile("kept.log"));
    Stop(app);
    const QByteArray before = ProfileBytes();
    QVERIFY(before.contains("/saved/in"));
    QVERIFY(before.contains("kept.log"));
    // The application object is made but start-up never gets to the profile.
    auto failed = std::make_unique<CQuandorApp>(ProfilePath());
    failed->ExitInstance();
    failed.reset();
    QCOMPARE(ProfileBytes(), before);
  }

  void menusShowEveryItemWithItsIdAndTheGreyedOnes() {
    auto app = Start();
    QList<MenuItemSeen> expected = ToSeen({
        {"&File", 57601, "&Open...\tCtrl+O", 1},
        {"&File", 57606, "P&rint Setup...", 1},
        {"&File", -1, "-", -1},
        {"&File", 57616, "Recent File", 0},
        {"&File", -1, "-", -1},
        {"&File", 57665, "E&xit", 1},
    });
    expected += ToSeen(kTools);
    expected += Conversions(false);
    expected += ToSeen(kHelp);
    CompareMenus(Menu(*app), expected);

    app->OpenDocumentFile(WriteFile("a.err"));
    expected = ToSeen({
        {"&File", 57601, "&Open...\tCtrl+O", 1},
        {"&File", 57602, "&Close", 1},
        {"&File", 57603, "&Save\tCtrl+S", 1},
        {"&File", 57604, "Save &As...", 1},
        {"&File", -1, "-", -1},
        {"&File", 57607, "&Print...\tCtrl+P", 1},
        {"&File", 57609, "Print Pre&view", 1},
        {"&File", 57606, "P&rint Setup...", 1},
        {"&File", -1, "-", -1},
        {"&File", 57616, "&1 a.err", 1},
        {"&File", -1, "-", -1},
        {"&File", 57665, "E&xit", 1},
        {"&Edit", 57643, "&Undo\tCtrl+Z", 0},
        {"&Edit", -1, "-", -1},
        {"&Edit", 57635, "Cu&t\tCtrl+X", 0},
        {"&Edit", 57634, "&Copy\tCtrl+C", 0},
        {"&Edit", 57637, "&Paste\tCtrl+V", -1},
        {"&Edit", -1, "-", -1},
        {"&Edit", 32769, "P&roperties\tAlt+Enter", 1},
    });
    expected += ToSeen(kTools);
    expected += Conversions(true);
    expected += ToSeen({
        {"&Window", 57650, "&Cascade", 1},
        {"&Window", 57651, "Tile &Horizontally", 1},
        {"&Window", 57652, "Tile &Vertically", 1},
    });
    expected += ToSeen(kHelp);
    CompareMenus(Menu(*app), expected);
    Stop(app);
  }

  void laterCommandsTakeTheirPlaceWhenRegistered() {
    auto app = Start();
    int checks = 0;
    app->Commands().SetHandler(kIdToolsCheck, [&checks] { ++checks; });
    QVERIFY(app->Commands().Action(kIdToolsCheck)->isEnabled());
    app->Commands().Action(kIdToolsCheck)->trigger();
    QCOMPARE(checks, 1);
    Stop(app);
  }

  void recentFilesNewestFirstAtMostTenAcrossStarts() {
    auto app = Start();
    QStringList opened;
    for (int i = 1; i <= 12; ++i) {
      opened.prepend(WriteFile(QStringLiteral("run%1.log").arg(i)));
      QVERIFY(app->OpenDocumentFile(opened.first()));
    }
    // Opening one again moves it to the top.
    QVERIFY(app->OpenDocumentFile(opened[4]));
    opened.move(4, 0);
    QCOMPARE(app->RecentFiles().Files(), opened.mid(0, 10));
    for (CChildFrame* child : app->MainFrame()->Children()) child->close();
    Stop(app);

    app = Start();
    QCOMPARE(app->RecentFiles().Files(), opened.mid(0, 10));
    QStringList texts;
    for (const MenuItemSeen& item : Menu(*app))
      if (item.id >= kIdFileMruFirst && item.id <= kIdFileMruLast) texts.append(item.text);
    QCOMPARE(texts.size(), 10);
    QCOMPARE(texts.first(), QStringLiteral("&1 run8.log"));
    QCOMPARE(texts.last(), QStringLiteral("1&0 run3.log"));

    // Choosing an entry opens it; an entry whose file is gone leaves the list.
    app->Commands().Action(kIdFileMruFirst + 2)->trigger();
    QCOMPARE(app->MainFrame()->Children().size(), 1);
    QCOMPARE(app->RecentFiles()[0], opened[2]);
    QVERIFY(QFile::remove(opened[5]));
    test::MessageSeen seen;
    test::AnswerNextMessage(&seen);
    app->Commands().Action(kIdFileMruFirst + 5)->trigger();
    QVERIFY(seen.shown);
    QCOMPARE(app->RecentFiles().Size(), 9);
    QVERIFY(!app->RecentFiles().Files().contains(opened[5]));
    Stop(app);
  }

  void fileOpenOfANamedPipeSaysItFailed() {
    // Typed into the dialog, as chosen from the recent-file list.
    auto app = Start();
    const QString pipe = QDir(Home()).filePath("pipe.log");
    QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    test::OnNextModal<QFileDialog>([&pipe](QFileDialog* dialog) {
      dialog->selectFile(pipe);
      QMetaObject::invokeMethod(dialog, "accept");
    });
    test::MessageSeen seen;
    test::AnswerNextMessage(&seen);
    app->Commands().Action(kIdFileOpen)->trigger();
    QCOMPARE(seen.text, QStringLiteral("Failed to open document."));
    QVERIFY(app->MainFrame()->Children().isEmpty());
    Stop(app);
  }

  void everyWayToAReportReadsItUnderTheWaitCursor() {
    QVERIFY(QDir(Home()).mkpath("pgm"));
    const QString list = QDir(Home()).filePath("cases.mul");
    test::WriteStandIn(ToLocalPath(Home() + "/pgm/Multiple"), 0, ToLocalPath(list));
    const std::string records =
        ToLocalPath(WriteFile("cases.txt", QByteArray::fromStdString(test::Records(10, 30, "\n"))));
    const struct {
      const char* way;
      QString report;
      std::function<void(CQuandorApp&)> open;
    } ways[] = {
        {"File > Open", WriteFile("opened.err"),
         [this](CQuandorApp& app) {
           test::OnNextModal<QFileDialog>([this](QFileDialog* dialog) {
             dialog->selectFile(QDir(Home()).filePath("opened.err"));
             QMetaObject::invokeMethod(dialog, "accept");
           });
           app.Commands().Action(kIdFileOpen)->trigger();
         }},
        {"recent file", WriteFile("recent.log"),
         [this](CQuandorApp& app) {
           app.AddToRecentFileList(QDir(Home()).filePath("recent.log"));
           app.Commands().Action(kIdFileMruFirst)->trigger();
         }},
        {"list after a Multiple run", list,
         [&](CQuandorApp& app) {
           test::WhenShown<CMULwizard>([&](CMULwizard& wizard) {
             test::DriveMultiple(wizard, records, ToLocalPath(Home() + "/out.dat"), true);
           });
           app.Commands().Action(kIdToolsMultiplePrimary)->trigger();
         }},
    };
    for (const auto& way : ways) {
      auto app = Start();
      {
        OpeningWatch watch(app->MainFrame(), way.report);
        way.open(*app);
        QVERIFY2(app->MainFrame()->FindDocument(way.report), way.way);
        QVERIFY2(watch.cursors == QSet<int>{Qt::WaitCursor}, way.way);
        QVERIFY2(watch.paintedBefore, way.way);
        QCOMPARE(OverrideShape(), -1);
      }
      Stop(app);
    }

    // A failed open says so with the normal cursor and leaves none behind.
    auto app = Start();
    app->AddToRecentFileList(QDir(Home()).filePath("gone.log"));
    QString message;
    int cursorAtMessage = 0;
    test::OnNextModal<QMessageBox>([&](QMessageBox* box) {
      cursorAtMessage = OverrideShape();
      message = box->text();
      box->accept();
    });
    app->Commands().Action(kIdFileMruFirst)->trigger();
    QCOMPARE(message, QStringLiteral("Failed to open document."));
    QCOMPARE(cursorAtMessage, -1);
    QCOMPARE(OverrideShape(), -1);
    Stop(app);
  }

  void printPreviewKeepsItsPageCountAcrossStarts() {
    // Opens the print preview of a report, notes how many pages it shows
    // side by side (negative: no preview), switches to `switchTo` (none:
    // left as it is) and closes.
    const auto preview = [this](CQuandorApp& app,
                                std::optional<QPrintPreviewWidget::ViewMode> switchTo) {
      if (!app.OpenDocumentFile(WriteFile("preview.log", "one page\n"))) return -2;
      int shown = -1;
      test::OnNextModal<QPrintPreviewDialog>([&shown, switchTo](QPrintPreviewDialog* dialog) {
        auto* pages = dialog->findChild<QPrintPreviewWidget*>();
        shown = pages->viewMode();
        if (switchTo) pages->setViewMode(*switchTo);
        dialog->reject();
      });
      if (!app.Commands().Execute(kIdFilePrintPreview)) return -3;
      return shown;
    };
    const auto saved = [this] {
      return QSettings(ProfilePath(), QSettings::IniFormat).value("Settings/PreviewPages");
    };

    // Nothing chosen: one page, and the profile gets no count.
    auto app = Start();
    QCOMPARE(preview(*app, std::nullopt), int(QPrintPreviewWidget::SinglePageView));
    Stop(app);
    QVERIFY(!saved().isValid());

    app = Start();
    QCOMPARE(preview(*app, QPrintPreviewWidget::FacingPagesView),
             int(QPrintPreviewWidget::SinglePageView));
    // Every window's preview of this run opens with the choice.
    QCOMPARE(preview(*app, std::nullopt), int(QPrintPreviewWidget::FacingPagesView));
    Stop(app);
    QCOMPARE(saved().toInt(), 2);

    app = Start();
    QCOMPARE(preview(*app, QPrintPreviewWidget::SinglePageView),
             int(QPrintPreviewWidget::FacingPagesView));
    Stop(app);
    QCOMPARE(saved().toInt(), 1);
  }

  void helpOpensTheTopicPageOrSaysItIsMissing() {
    auto app = Start();
    test::MessageSeen seen;
    test::AnswerNextMessage(&seen);
    app->Commands().Action(kIdHelpFinder)->trigger();
    QVERIFY(seen.shown);
    QVERIFY2(seen.text.contains(QStringLiteral("help file is missing")), qPrintable(seen.text));
    QVERIFY(seen.text.contains(Home() + "/help/index.htm"));

    QVERIFY(QDir(Home()).mkpath("help/htm"));
    WriteFile("help/index.htm", "<html></html>");
    WriteFile("help/htm/WizFiles.htm", "<html></html>");
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "openUrl");
    app->Commands().Action(kIdHelpFinder)->trigger();
    app->HtmlHelp(QStringLiteral("%1::htm/WizFiles.htm").arg(app->HelpFilePath()));
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    const QList<QUrl> expected = {QUrl::fromLocalFile(Home() + "/help/index.htm"),
                                  QUrl::fromLocalFile(Home() + "/help/htm/WizFiles.htm")};
    QCOMPARE(catcher.opened, expected);
    Stop(app);
  }

  void helpTargetsNameAPageOfTheHelpFolder() {
    const struct {
      const char* target;
      const char* page;
    } cases[] = {
        {"/reg/Kelvarin.chm", "/reg/help/index.htm"},
        {"/reg/Kelvarin.chm::htm/WizLayoutCHK.htm", "/reg/help/htm/WizLayoutCHK.htm"},
        {"/reg/Kelvarin.chm::/htm/WizFiles.htm", "/reg/help/htm/WizFiles.htm"},
        {"/reg/Kelvarin.chm::", "/reg/help/index.htm"},
    };
    for (const auto& c : cases)
      QCOMPARE(CQuandorApp::HelpPage(QStringLiteral("/reg"), QString::fromLatin1(c.target)),
               QString::fromLatin1(c.page));
  }

  void webLinksAndAboutRunFromTheirCommands() {
    auto app = Start();
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "openUrl");
    QList<QUrl> expected;
    for (const WebLink& link : kWebLinks) {
      app->Commands().Action(link.command)->trigger();
      expected.append(QUrl(QString::fromLatin1(link.address)));
    }
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QCOMPARE(catcher.opened, expected);

    int rows = -1;
    test::OnNextModal<CAboutDlg>([&rows](CAboutDlg* about) {
      rows = about->ProgramList()->topLevelItemCount();
      about->accept();
    });
    app->Commands().Action(kIdAppAbout)->trigger();
    QCOMPARE(rows, 14);
    Stop(app);
  }

  void exitClosesTheMainWindow() {
    auto app = Start();
    app->Commands().Action(kIdAppExit)->trigger();
    QVERIFY(!app->MainFrame()->isVisible());
    Stop(app);
  }
};

}  // namespace kelvarin

QTEST_MAIN(kelvarin::TestQuandorApp)
#include "test_quandorapp.moc"
