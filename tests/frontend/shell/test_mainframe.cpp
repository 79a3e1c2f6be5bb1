// The main frame: menu switch, report windows, reload, bars and workspace.
#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QToolBar>
#include <QWhatsThis>
#include <QtTest>

#include "frontend/res/commandids.h"
#include "frontend/shell/cchildframe.h"
#include "frontend/shell/ccommandtable.h"
#include "frontend/shell/cmainframe.h"
#include "frontend/shell/cquandordoc.h"
#include "frontend/shell/cquandorview.h"
#include "frontend/shell/ctoolbarxp.h"
#include "frontend/shell/mdiclientpainter.h"
#include "frontend/shell/menukit.h"
#include "frontend/shell/shadecolor.h"
#include "platform/lockkeys.h"
#include "platform/messagebox.h"
#include "tests/frontend/shell/modalhelper.h"
#include "tests/support/qttestfiles.h"

namespace kelvarin {

class TestMainFrame : public QObject {
  Q_OBJECT

 private:
  QString WriteFile(const QString& name, const QByteArray& bytes) {
    return test::WriteTestFile(m_dir->filePath(name), bytes);
  }

  QStringList MenuTitles() const {
    QStringList titles;
    for (QAction* action : m_frame->menuBar()->actions()) titles.append(action->text());
    return titles;
  }

  // Closes a report window and lets it go away.
  static void CloseChild(CChildFrame* child) {
    QVERIFY(child->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  std::unique_ptr<QTemporaryDir> m_dir;
  std::unique_ptr<CCommandTable> m_commands;
  std::unique_ptr<CMainFrame> m_frame;

 private slots:
  void initTestCase() {
    test::StartModalWatchdog();
    InstallMenuHook();
  }
  void cleanupTestCase() { RemoveMenuHook(); }
  void init() {
    m_dir = std::make_unique<QTemporaryDir>();
    m_commands = std::make_unique<CCommandTable>();
    m_frame = std::make_unique<CMainFrame>(*m_commands);
    m_frame->show();
  }
  void cleanup() {
    SetMessageHandler(nullptr);
    for (CChildFrame* child : m_frame->Children()) child->Document()->SetModifiedFlag(false);
    m_frame.reset();
    m_commands.reset();
  }

  void menuSwitchesWhenTheFirstReportOpensAndTheLastCloses() {
    const QStringList mainTitles = {"&File", "&Tools", "&Conversions", "&Help"};
    const QStringList documentTitles = {"&File",        "&Edit",   "&Tools",
                                        "&Conversions", "&Window", "&Help"};
    QCOMPARE(m_frame->CurrentMenuId(), 128);
    QCOMPARE(MenuTitles(), mainTitles);
    CChildFrame* first = m_frame->OpenDocumentFile(WriteFile("a.err", "a\n"));
    QVERIFY(first);
    QCOMPARE(m_frame->CurrentMenuId(), 129);
    QCOMPARE(MenuTitles(), documentTitles);
    CChildFrame* second = m_frame->OpenDocumentFile(WriteFile("b.chk", "b\n"));
    CloseChild(first);
    QCOMPARE(m_frame->CurrentMenuId(), 129);
    QCOMPARE(m_commands->Target(), second->View());
    CloseChild(second);
    QCOMPARE(m_frame->CurrentMenuId(), 128);
    QCOMPARE(MenuTitles(), mainTitles);
    QCOMPARE(m_commands->Target(), nullptr);
    QVERIFY(!m_commands->Action(kIdFileSave)->isEnabled());
  }

  void reportWindowsOpenMaximisedWithTheirTitle() {
    CChildFrame* first = m_frame->OpenDocumentFile(WriteFile("one.log", "1\n"));
    QVERIFY(first->isMaximized());
    QCOMPARE(first->windowTitle(), QStringLiteral("one.log"));
    CChildFrame* second = m_frame->OpenDocumentFile(WriteFile("two.log", "2\n"));
    QVERIFY(second->isMaximized());
    second->showNormal();
    CChildFrame* third = m_frame->OpenDocumentFile(WriteFile("three.log", "3\n"));
    QVERIFY(third->isMaximized());
    QCOMPARE(m_frame->ActiveChild(), third);
    QCOMPARE(m_commands->Target(), third->View());
  }

  void captionNamesTheActiveReport() {
    QCOMPARE(m_frame->windowTitle(), QStringLiteral("Kelvarin"));
    CChildFrame* a = m_frame->OpenDocumentFile(WriteFile("a.err", "a\n"));
    // A maximised window's title stands in brackets after the program's name.
    QCOMPARE(m_frame->windowTitle(), QStringLiteral("Kelvarin - [a.err]"));
    a->showNormal();
    QCOMPARE(m_frame->windowTitle(), QStringLiteral("Kelvarin - a.err"));
    a->showMaximized();
    QCOMPARE(m_frame->windowTitle(), QStringLiteral("Kelvarin - [a.err]"));
    a->showNormal();
    CChildFrame* b = m_frame->OpenDocumentFile(WriteFile("b.chk", "b\n"));
    QCOMPARE(m_frame->windowTitle(), QStringLiteral("Kelvarin - [b.chk]"));
    b->showNormal();
    m_frame->Workspace()->setActiveSubWindow(a);
    QCOMPARE(m_frame->windowTitle(), QStringLiteral("Kelvarin - a.err"));
    // Saved under another name, the caption follows.
    QVERIFY(a->Document()->DoSave(m_dir->filePath("renamed.err")));
    QCOMPARE(m_frame->windowTitle(), QStringLiteral("Kelvarin - renamed.err"));
    CloseChild(a);
    QCOMPARE(m_frame->windowTitle(), QStringLiteral("Kelvarin - b.chk"));
    CloseChild(b);
    QCOMPARE(m_frame->windowTitle(), QStringLiteral("Kelvarin"));
  }

  void openingAnOpenUnchangedReportShowsItsCurrentContent() {
    const QString path = WriteFile("run.log", "old run\n");
    CChildFrame* window = m_frame->OpenDocumentFile(path);
    WriteFile("run.log", "new run\n");
    QCOMPARE(m_frame->OpenDocumentFile(path), window);
    QCOMPARE(m_frame->Children().size(), 1);
    QCOMPARE(window->Document()->PlainText(), QStringLiteral("new run\n"));
  }

  void rewrittenReportWithEditsAsksBeforeReloading() {
    QStringList questions;
    bool reload = false;
    SetMessageHandler([&](MessageKind kind, const QString& text) {
      questions << (kind == MessageKind::kQuestion ? text : QStringLiteral("not a question"));
      return reload;
    });
    const QString path = WriteFile("edit.log", "old\n");
    CChildFrame* window = m_frame->OpenDocumentFile(path);
    CQuandorDoc* document = window->Document();
    QTextCursor(document->TextDocument()).insertText(QStringLiteral("mine "));
    // Opened again while the file is as it was: the edits stay, no question.
    QCOMPARE(m_frame->OpenDocumentFile(path), window);
    QCOMPARE(questions, QStringList());
    QCOMPARE(document->PlainText(), QStringLiteral("mine old\n"));

    // A new run rewrote it: No keeps the edited text, and asks no more
    // until the file changes again.
    WriteFile("edit.log", "first rerun\n");
    QCOMPARE(m_frame->OpenDocumentFile(path), window);
    QCOMPARE(questions.size(), 1);
    QVERIFY(questions.takeFirst().startsWith(path + QStringLiteral("\nhas been rewritten")));
    QCOMPARE(document->PlainText(), QStringLiteral("mine old\n"));
    QVERIFY(document->IsModified());
    QCOMPARE(m_frame->OpenDocumentFile(path), window);
    QCOMPARE(questions, QStringList());

    // Yes shows the file as it is now.
    WriteFile("edit.log", "second rerun\n");
    reload = true;
    QCOMPARE(m_frame->OpenDocumentFile(path), window);
    QCOMPARE(questions.size(), 1);
    QCOMPARE(document->PlainText(), QStringLiteral("second rerun\n"));
    QVERIFY(!document->IsModified());
  }

  void theSameFileUnderAnotherNameFindsItsWindow() {
    const QString path = WriteFile("same.err", "x\n");
    const QString link = m_dir->filePath("link.err");
    QVERIFY(QFile::link(path, link));
    CChildFrame* window = m_frame->OpenDocumentFile(path);
    QCOMPARE(m_frame->OpenDocumentFile(link), window);
    QCOMPARE(m_frame->OpenDocumentFile(m_dir->path() + "/./same.err"), window);
    QCOMPARE(m_frame->Children().size(), 1);
  }

  void unreadableFileOpensNothing() {
    test::MessageSeen seen;
    test::AnswerNextMessage(&seen);
    QSignalSpy used(m_frame.get(), &CMainFrame::recentFileUsed);
    QCOMPARE(m_frame->OpenDocumentFile(m_dir->filePath("gone.log")), nullptr);
    QVERIFY(seen.shown);
    QVERIFY(m_frame->Children().isEmpty());
    QCOMPARE(m_frame->CurrentMenuId(), 128);
    QCOMPARE(used.count(), 0);
  }

  void openedAndSavedNamesGoToTheRecentList() {
    QSignalSpy used(m_frame.get(), &CMainFrame::recentFileUsed);
    CChildFrame* window = m_frame->OpenDocumentFile(WriteFile("r.mul", "m\n"));
    QCOMPARE(used.count(), 1);
    QCOMPARE(used.takeFirst().at(0).toString(), m_dir->filePath("r.mul"));
    QVERIFY(window->Document()->DoSave(m_dir->filePath("copy.mul")));
    QCOMPARE(used.takeLast().at(0).toString(), m_dir->filePath("copy.mul"));
    QCOMPARE(window->windowTitle(), QStringLiteral("copy.mul"));
  }

  void saveCommandRunsInTheActiveWindow() {
    const QString path = WriteFile("save.err", "text\n");
    CChildFrame* window = m_frame->OpenDocumentFile(path);
    QTextCursor(window->Document()->TextDocument()).insertText(QStringLiteral("more "));
    QVERIFY(m_commands->Action(kIdFileSave)->isEnabled());
    m_commands->Action(kIdFileSave)->trigger();
    QCOMPARE(test::ReadTestFile(path), QByteArray("more text\n"));
  }

  void closeCommandClosesTheActiveWindow() {
    m_frame->OpenDocumentFile(WriteFile("c.err", "c\n"));
    m_commands->Action(kIdFileClose)->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(m_frame->Children().isEmpty());
    QCOMPARE(m_frame->CurrentMenuId(), 128);
  }

  void cancelledSaveQuestionKeepsTheProgramOpen() {
    CChildFrame* window = m_frame->OpenDocumentFile(WriteFile("keep.err", "k\n"));
    QTextCursor(window->Document()->TextDocument()).insertText(QStringLiteral("changed "));
    test::MessageSeen seen;
    test::AnswerNextMessage(&seen, QMessageBox::Cancel);
    QVERIFY(!m_frame->close());
    QVERIFY(seen.shown);
    QCOMPARE(m_frame->Children().size(), 1);
    QVERIFY(m_frame->isVisible());
  }

  void printSetupStartsWithHalfInchMargins() {
    const QMarginsF margins = m_frame->Printer().pageLayout().margins(QPageLayout::Millimeter);
    for (qreal side : {margins.left(), margins.top(), margins.right(), margins.bottom()})
      QCOMPARE(qRound(side * 10), 127);
  }

  void toolBarAndStatusBar() {
    QList<int> ids;
    for (QAction* action : m_frame->ToolBar()->actions())
      ids.append(action->isSeparator() ? 0 : action->data().toInt());
    const QList<int> expected = {kIdFileOpen, kIdFileSave,  0, kIdEditCut,
                                 kIdEditCopy, kIdEditPaste, 0, kIdFilePrint,
                                 0,           kIdAppAbout};
    QCOMPARE(ids, expected);
    // Offscreen nothing tells the state of the lock keys: the panes stay blank.
    const auto panes = [this] {
      QStringList texts;
      for (int id : {kIdIndicatorCaps, kIdIndicatorNum, kIdIndicatorScrl})
        texts.append(m_frame->Indicator(id)->text());
      return texts;
    };
    QCOMPARE(panes(), (QStringList{"", "", ""}));
    m_frame->ShowLockKeys(kCapsLock | kScrollLock);
    QCOMPARE(panes(), (QStringList{"CAP", "", "SCRL"}));
    // A lock shows where the keyboard's indicator for it is lit.
    const struct {
      unsigned mask;
      LockIndicators indicators;
      unsigned expected;
    } cases[] = {
        {0x6, {0, 1, 2}, kNumLock | kScrollLock},
        {0x1, {-1, 0, 2}, kNumLock},
        {0x80000000, {31, -1, -1}, kCapsLock},
        {0xffffffff, {-1, -1, -1}, 0},
    };
    for (const auto& c : cases) QCOMPARE(LockKeysFromIndicators(c.mask, c.indicators), c.expected);
    QCOMPARE(m_frame->statusBar()->currentMessage(), QStringLiteral("Ready"));
    m_frame->statusBar()->clearMessage();
    QCOMPARE(m_frame->statusBar()->currentMessage(), QStringLiteral("Ready"));
  }

  void acceleratorsAreOnTheirCommands() {
    QVERIFY(m_commands->Action(kIdFileOpen)
                ->shortcuts()
                .contains(QKeySequence(QStringLiteral("Ctrl+O"))));
    QVERIFY(m_commands->Action(kIdFilePrint)
                ->shortcuts()
                .contains(QKeySequence(QStringLiteral("Ctrl+P"))));
    // The label of Properties shows Alt+Enter, but the key belongs to another command.
    QVERIFY(m_commands->Action(kIdEditProperties)->shortcuts().isEmpty());
    QVERIFY(m_commands->Action(kIdOleEditProperties)
                ->shortcuts()
                .contains(QKeySequence(QStringLiteral("Alt+Return"))));
    QVERIFY(!m_commands->Action(kIdOleEditProperties)->isEnabled());
  }

  void contextHelpExplainsTheNextClick() {
    int helpShown = 0, opened = 0;
    m_commands->SetHandler(kIdHelp, [&helpShown] { ++helpShown; });
    m_commands->SetHandler(kIdFileOpen, [&opened] { ++opened; });
    QAction* contextHelp = m_commands->Action(kIdContextHelp);
    QVERIFY(contextHelp->shortcuts().contains(QKeySequence(QStringLiteral("Shift+F1"))));
    QVERIFY(QTest::qWaitForWindowExposed(m_frame.get()));
    // A button: what its command does, and the command does not run.
    QWidget* open = m_frame->ToolBar()->widgetForAction(m_commands->Action(kIdFileOpen));
    QCOMPARE(open->whatsThis(), QStringLiteral("Open a report or another text file"));
    contextHelp->trigger();
    QVERIFY(QWhatsThis::inWhatsThisMode());
    QTest::mouseClick(open, Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(QApplication::activePopupWidget()->inherits("QWhatsThat"));
    QCOMPARE(opened, 0);
    QWhatsThis::hideText();
    QWhatsThis::leaveWhatsThisMode();
    // Anywhere else in the window: the help, and the mode ends.
    contextHelp->trigger();
    QTest::mouseClick(m_frame->Workspace()->viewport(), Qt::LeftButton, {}, QPoint(50, 50));
    QVERIFY(!QWhatsThis::inWhatsThisMode());
    QTRY_COMPARE(helpShown, 1);
  }

  void workspaceNameFont() {
    const QFont& font = m_frame->Workspace()->NameFont();
    QCOMPARE(font.family(), QStringLiteral("Times New Roman"));
    QCOMPARE(font.pixelSize(), 36);
    QVERIFY(font.bold());
    QVERIFY(font.italic());
    QCOMPARE(m_frame->Workspace()->NameText(), QStringLiteral("Kelvarin"));
    // Painting with no window and with a window must not fail.
    m_frame->Workspace()->viewport()->repaint();
    m_frame->OpenDocumentFile(WriteFile("p.err", "p\n"));
    m_frame->Workspace()->viewport()->repaint();
  }

  void reportWindowsOwnMenuIsFlatOnlyFromItsTitleBar() {
    CChildFrame* child = m_frame->OpenDocumentFile(WriteFile("a.log", "a\n"));
    QMenu* menu = child->systemMenu();
    QAction* close = menu->actions().constLast();
    QCOMPARE(menu->defaultAction(), close);
    // Maximised, the menu hangs from the main window's menu bar: the platform draws it.
    child->showSystemMenu();
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    QVERIFY(!IsOwnerDrawnMenu(menu));
    menu->close();
    child->showNormal();
    child->showSystemMenu();
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    QVERIFY(IsOwnerDrawnMenu(menu));
    const QImage image = menu->grab().toImage();
    const QRect item = menu->actionGeometry(close);
    QCOMPARE(image.pixelColor(item.left() + 1, item.top() + 1).name(),
             ShadeColor(menu->palette().color(QPalette::Button), 20, 0).name());
    menu->close();
  }

  void windowMenuListsTheOpenWindows() {
    CChildFrame* first = m_frame->OpenDocumentFile(WriteFile("a&b.log", "a\n"));
    m_frame->OpenDocumentFile(WriteFile("c.log", "c\n"));
    QMenu* window = m_frame->menuBar()->actions().at(4)->menu();
    QCOMPARE(window->title(), QStringLiteral("&Window"));
    for (int shown = 0; shown < 2; ++shown) {  // the list is made anew each time
      emit window->aboutToShow();
      QStringList entries;
      for (QAction* action : window->actions())
        if (!action->data().isValid() && !action->isSeparator())
          entries.append(action->text() + (action->isChecked() ? QStringLiteral(" *") : QString()));
      QCOMPARE(entries, (QStringList{"&1 a&&b.log", "&2 c.log *"}));
    }
    const QList<QAction*> actions = window->actions();
    actions.at(actions.size() - 2)->trigger();
    QCOMPARE(m_frame->ActiveChild(), first);
  }

  void windowCommandsNeedWindowsAndTile() {
    QVERIFY(!m_commands->IsEnabled(kIdWindowTileVertical));
    CChildFrame* a = m_frame->OpenDocumentFile(WriteFile("a.log", "a\n"));
    CChildFrame* b = m_frame->OpenDocumentFile(WriteFile("b.log", "b\n"));
    QVERIFY(m_commands->IsEnabled(kIdWindowTileVertical));
    m_commands->Execute(kIdWindowTileVertical);
    const QRect area = m_frame->Workspace()->viewport()->rect();
    QVERIFY(!a->isMaximized() && !b->isMaximized());
    QCOMPARE(a->geometry().width() + b->geometry().width(), area.width());
    QCOMPARE(a->geometry().height(), area.height());
    QVERIFY(a->geometry().right() < b->geometry().left());
    m_commands->Execute(kIdWindowTileHorizontal);
    QCOMPARE(a->geometry().width(), area.width());
    QCOMPARE(a->geometry().height() + b->geometry().height(), area.height());
  }
};

}  // namespace kelvarin

QTEST_MAIN(kelvarin::TestMainFrame)
#include "test_mainframe.moc"
