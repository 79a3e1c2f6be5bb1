// Tools > Check and Tools > Multiple Primary of the application itself: the
// tools are stand-ins in the pgm folder below the home folder, and the
// report opens in a maximised window of the viewer.
#include <QTest>

#include <memory>

#include "frontend/app/cquandorapp.h"
#include "frontend/res/commandids.h"
#include "frontend/shell/cchildframe.h"
#include "frontend/shell/cmainframe.h"
#include "frontend/shell/cquandordoc.h"
#include "tests/frontend/app/apphome.h"
#include "tests/frontend/app/toolruntesting.h"
#include "tests/support/testfiles.h"

using namespace kelvarin;
using namespace kelvarin::test;

class ToolCommandsTest : public QObject {
  Q_OBJECT

 private:
  std::string Home(const char* name = "") const { return m_home->Path(name); }
  std::unique_ptr<CQuandorApp> Start() { return m_home->Start(); }

  std::unique_ptr<AppHome> m_home;
  MessageRecorder m_messages;

 private slots:
  void init() { m_home = std::make_unique<AppHome>(); }
  void cleanup() {
    m_home.reset();
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
