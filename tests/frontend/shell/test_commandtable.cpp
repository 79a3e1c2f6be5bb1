// The command table: one action per id, greyed while nobody handles it,
// the active view asked before the application.
#include <QAction>
#include <QtTest>

#include "frontend/res/commandids.h"
#include "frontend/shell/ccommandtable.h"
#include "frontend/shell/ccommandtarget.h"

namespace kelvarin {

namespace {

class FakeView : public CCommandTarget {
 public:
  bool HandlesCommand(int id) const override { return id == kIdFileSave || id == kIdEditCopy; }
  bool IsCommandEnabled(int id) const override { return id != kIdEditCopy || hasSelection; }
  void OnCommand(int id) override { ran.append(id); }
  bool hasSelection = false;
  QList<int> ran;
};

}  // namespace

class TestCommandTable : public QObject {
  Q_OBJECT

 private slots:
  void actionCarriesItsIdAndPrompt() {
    CCommandTable table;
    QAction* action = table.Action(kIdEditProperties);
    QCOMPARE(table.Action(kIdEditProperties), action);
    QCOMPARE(action->data().toInt(), kIdEditProperties);
    QCOMPARE(action->statusTip(), QStringLiteral("Modifies current file properties"));
    QCOMPARE(action->toolTip(), QStringLiteral("Properties"));
    QCOMPARE(table.Action(kIdWebIcd10)->statusTip(),
             QStringLiteral("ICD-10 index and numerical lists"));
    QCOMPARE(table.Action(32777)->statusTip(), QStringLiteral("ICD-O-2 to ICD-O-3"));
    QCOMPARE(table.FindAction(kIdAppAbout), nullptr);
  }

  void commandWithoutHandlerIsGreyed() {
    CCommandTable table;
    QAction* check = table.Action(kIdToolsCheck);
    QVERIFY(!check->isEnabled());
    int runs = 0;
    table.SetHandler(kIdToolsCheck, [&runs] { ++runs; });
    QVERIFY(check->isEnabled());
    check->trigger();
    QCOMPARE(runs, 1);
    table.RemoveHandler(kIdToolsCheck);
    QVERIFY(!check->isEnabled());
    check->trigger();
    QVERIFY(!table.Execute(kIdToolsCheck));
    QCOMPARE(runs, 1);
    // An action made after its handler starts enabled.
    table.SetHandler(kIdFileTransfer, [] {});
    QVERIFY(table.Action(kIdFileTransfer)->isEnabled());
  }

  void enabledTestIsAskedOnEveryRefresh() {
    CCommandTable table;
    bool allowed = false;
    int runs = 0;
    table.SetHandler(
        kIdWindowCascade, [&runs] { ++runs; }, [&allowed] { return allowed; });
    QAction* cascade = table.Action(kIdWindowCascade);
    QVERIFY(!cascade->isEnabled());
    QVERIFY(!table.Execute(kIdWindowCascade));
    allowed = true;
    table.UpdateActions();
    QVERIFY(cascade->isEnabled());
    QVERIFY(table.Execute(kIdWindowCascade));
    QCOMPARE(runs, 1);
  }

  void viewIsAskedBeforeTheApplication() {
    CCommandTable table;
    FakeView view;
    int appSaves = 0;
    table.SetHandler(kIdFileSave, [&appSaves] { ++appSaves; });
    QAction* save = table.Action(kIdFileSave);
    QAction* copy = table.Action(kIdEditCopy);
    table.SetTarget(&view);
    save->trigger();
    QCOMPARE(view.ran, QList<int>{kIdFileSave});
    QCOMPARE(appSaves, 0);
    // The view decides about its own commands: no selection, no Copy.
    QVERIFY(!copy->isEnabled());
    view.hasSelection = true;
    table.UpdateActions();
    QVERIFY(copy->isEnabled());
    table.SetTarget(nullptr);
    QVERIFY(!copy->isEnabled());
    save->trigger();
    QCOMPARE(appSaves, 1);
  }

  void handlerMayReplaceItselfWhileRunning() {
    CCommandTable table;
    int second = 0;
    table.SetHandler(kIdHelp,
                     [&table, &second] { table.SetHandler(kIdHelp, [&second] { ++second; }); });
    QVERIFY(table.Execute(kIdHelp));
    QVERIFY(table.Execute(kIdHelp));
    QCOMPARE(second, 1);
  }
};

}  // namespace kelvarin

QTEST_MAIN(kelvarin::TestCommandTable)
#include "test_commandtable.moc"
