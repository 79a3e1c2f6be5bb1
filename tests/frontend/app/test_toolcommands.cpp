// Tools > Check and Tools > Multiple Primary of the application itself: the
// tools are stand-ins in the pgm folder below the home folder, and the
// report opens in a maximised window of the viewer.
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include "frontend/app/cquandorapp.h"
#include "frontend/res/commandids.h"
#include "frontend/shell/cchildframe.h"
#include "frontend/shell/cmainframe.h"
#include "frontend/shell/cquandordoc.h"
#include "tests/frontend/app/toolruntesting.h"
#include "tests/support/testfiles.h"

using namespace kelvarin;
using namespace kelvarin::test;

class ToolCommandsTest : public QObject {
  Q_OBJECT

 private:
  std::string Home(const char* name = "") const {
    return ToLocalPath(m_dir->filePath(QStringLiteral("home/") + name));
  }

  // A started application, as Kelvarin run in the home folder.
  std::unique_ptr<CQuandorApp> Start() {
    auto app = std::make_unique<CQuandorApp>(m_dir->filePath(QStringLiteral("Kelvarin.ini")));
    if (!app->InitInstance()) qFatal("start-up failed");
    return app;
  }

  std::unique_ptr<QTemporaryDir> m_dir;
  QString m_startFolder;
  MessageRecorder m_messages;

 private slots:
  void initTestCase() { m_startFolder = QDir::currentPath(); }
  void init() {
    m_dir = std::make_unique<QTemporaryDir>();
    qputenv("HOME", QFile::encodeName(m_dir->path()));
    QVERIFY(QDir().mkpath(m_dir->filePath(QStringLiteral("home/pgm"))));
    QVERIFY(QDir::setCurrent(m_dir->filePath(QStringLiteral("home"))));
  }
  void cleanup() {
    QDir::setCurrent(m_startFolder);
    QCOMPARE(m_messages.Take(), QStringList());
  }

  void checkOpensTheLogMaximised() {
    WriteFile(Home("records.txt"), Records(15, 40));
    WriteStandIn(Home("pgm/Tesmar"), 0, Home("checked.log"));
    auto app = Start();
    WhenShown<CCHKwizard>([this](CCHKwizard& wizard) {
      DriveCheck(wizard, Home("records.txt"), Home("checked.txt"));
    });
    QVERIFY(app->Commands().Execute(kIdToolsCheck));
    QCOMPARE(ReadFile(Home("pgm/arguments.txt")), std::string("1\n730462\n"));
    const QList<CChildFrame*>& children = app->MainFrame()->Children();
    QCOMPARE(children.size(), 1);
    QVERIFY(children.front()->isMaximized());
    QCOMPARE(children.front()->Document()->PathName(), FromLocalPath(Home("checked.log")));
    QCOMPARE(app->Job().regNoEnd, 8);
    app->ExitInstance();
  }

  void multiplePrimaryOpensTheList() {
    WriteFile(Home("cases.txt"), Records(10, 30, "\n"));
    WriteStandIn(Home("pgm/Multiple"), 0, Home("cases.mul"));
    auto app = Start();
    WhenShown<CMULwizard>([this](CMULwizard& wizard) {
      DriveMultiple(wizard, Home("cases.txt"), Home("result.dat"), true);
    });
    QVERIFY(app->Commands().Execute(kIdToolsMultiplePrimary));
    const QList<CChildFrame*>& children = app->MainFrame()->Children();
    QCOMPARE(children.size(), 1);
    QVERIFY(children.front()->isMaximized());
    QCOMPARE(children.front()->Document()->PathName(), FromLocalPath(Home("cases.mul")));
    app->ExitInstance();
  }

  void failedToolOpensNothing() {
    WriteFile(Home("records.txt"), Records(15, 40));
    WriteStandIn(Home("pgm/Tesmar"), 2, Home("checked.log"));
    auto app = Start();
    WhenShown<CCHKwizard>([this](CCHKwizard& wizard) {
      DriveCheck(wizard, Home("records.txt"), Home("checked.txt"));
    });
    QVERIFY(app->Commands().Execute(kIdToolsCheck));
    QVERIFY(app->MainFrame()->Children().isEmpty());
    app->ExitInstance();
  }
};

QTEST_MAIN(ToolCommandsTest)
#include "test_toolcommands.moc"
