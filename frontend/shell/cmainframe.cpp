#include "frontend/shell/cmainframe.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QTimer>
#include <QWhatsThis>
#include <iterator>

#include "common/fileidentity.h"
#include "frontend/res/commandids.h"
#include "frontend/res/menus.h"
#include "frontend/res/strings.h"
#include "frontend/res/toolbars.h"
#include "frontend/shell/cchildframe.h"
#include "frontend/shell/ccommandtable.h"
#include "frontend/shell/cquandordoc.h"
#include "frontend/shell/cquandorview.h"
#include "frontend/shell/cstatusbarxp.h"
#include "frontend/shell/ctoolbarxp.h"
#include "frontend/shell/mdiclientpainter.h"
#include "frontend/shell/menukit.h"
#include "frontend/shell/menutext.h"
#include "frontend/shell/shellmessage.h"
#include "platform/lockkeys.h"
#include "platform/longwork.h"
#include "platform/messagebox.h"
#include "platform/pathtext.h"

namespace kelvarin {

namespace {

// The status bar's lock-key panes: each shows its text while its lock is on.
struct LockPane {
  int id;
  const char* text;
  LockKey key;
};
constexpr LockPane kLockPanes[] = {
    {kIdIndicatorCaps, "CAP", kCapsLock},
    {kIdIndicatorNum, "NUM", kNumLock},
    {kIdIndicatorScrl, "SCRL", kScrollLock},
};
// How often the panes look at the lock keys.
constexpr int kLockKeyPeriodMs = 250;

}  // namespace

CMainFrame::CMainFrame(CCommandTable& commands, QWidget* parent)
    : QMainWindow(parent), m_commands(commands), m_clientPainter(new MDIClientPainter(this)) {
  setWindowTitle(ResText(kIdsAppTitle));
  setCentralWidget(m_clientPainter);
  SetMenuKitWindow(this, true);
  CreateToolBars();
  CreateStatusBar();
  m_mainMenu = BuildMenuBar(MainMenu());
  m_documentMenu = BuildMenuBar(DocumentMenu());
  CreateAccelerators();
  RegisterWindowCommands();
  ShowMenu(kMainMenuId);
  connect(m_clientPainter, &QMdiArea::subWindowActivated, this, &CMainFrame::OnSubWindowActivated);
  connect(QApplication::clipboard(), &QClipboard::dataChanged, &m_commands,
          &CCommandTable::UpdateActions);
  resize(900, 650);
}

CMainFrame::~CMainFrame() {
  // The workspace reports its windows' going while the frame is half gone.
  disconnect(m_clientPainter, nullptr, this, nullptr);
  for (CChildFrame* child : m_children) disconnect(child, nullptr, this, nullptr);
  m_commands.SetTarget(nullptr);
  for (int id : {kIdWindowCascade, kIdWindowTileHorizontal, kIdWindowTileVertical, kIdContextHelp})
    m_commands.RemoveHandler(id);
}

void CMainFrame::CreateToolBars() {
  m_wndToolBar = new CToolBarXP(tr("Standard"), this);
  m_wndToolBar->LoadToolBar(MainToolBar(), m_commands);
  addToolBar(m_wndToolBar);
  // Never shown: it only lends its images to the menus.
  m_wndMenuIcons = new CToolBarXP(tr("Menu images"), this);
  m_wndMenuIcons->hide();
  m_wndMenuIcons->LoadToolBar(MenuImageBar(), m_commands);
}

void CMainFrame::CreateStatusBar() {
  m_wndStatusBar = new CStatusBarXP(this);
  setStatusBar(m_wndStatusBar);
  const QString idle = ResText(kIdsIdleMessage);
  m_wndStatusBar->showMessage(idle);
  connect(m_wndStatusBar, &QStatusBar::messageChanged, m_wndStatusBar,
          [bar = m_wndStatusBar, idle](const QString& message) {
            if (message.isEmpty()) bar->showMessage(idle);
          });
  int ids[std::size(kLockPanes)];
  const char* texts[std::size(kLockPanes)];
  for (std::size_t i = 0; i < std::size(kLockPanes); ++i) {
    ids[i] = kLockPanes[i].id;
    texts[i] = kLockPanes[i].text;
  }
  m_wndStatusBar->SetIndicators(ids, texts, static_cast<int>(std::size(kLockPanes)));
  // The panes follow the lock keys while the program runs, where the window
  // system tells their state; elsewhere they stay blank.
  if (const std::optional<unsigned> locks = ReadLockKeys()) {
    auto* timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, [this] { ShowLockKeys(ReadLockKeys().value_or(0)); });
    timer->start(kLockKeyPeriodMs);
    ShowLockKeys(*locks);
  }
}

void CMainFrame::ShowLockKeys(unsigned locks) {
  for (const LockPane& pane : kLockPanes)
    Indicator(pane.id)->setText(locks & pane.key ? QString::fromLatin1(pane.text) : QString());
}

QLabel* CMainFrame::Indicator(int id) const { return m_wndStatusBar->Indicator(id); }

void CMainFrame::CreateAccelerators() {
  const AcceleratorTable& table = MainAccelerators();
  for (int i = 0; i < table.count; ++i) {
    QAction* action = m_commands.Action(table.entries[i].command);
    QList<QKeySequence> keys = action->shortcuts();
    keys.append(QKeySequence(QString::fromLatin1(table.entries[i].keys)));
    action->setShortcuts(keys);
    addAction(action);
  }
}

void CMainFrame::RegisterWindowCommands() {
  const auto haveWindows = [this] { return !m_children.isEmpty(); };
  m_commands.SetHandler(
      kIdWindowCascade, [this] { m_clientPainter->cascadeSubWindows(); }, haveWindows);
  m_commands.SetHandler(
      kIdWindowTileHorizontal, [this] { TileWindows(false); }, haveWindows);
  m_commands.SetHandler(
      kIdWindowTileVertical, [this] { TileWindows(true); }, haveWindows);
  // Help mode: the next click on a menu item or a button shows what its
  // command does; anywhere else in the window it opens the help (Esc leaves).
  m_commands.SetHandler(kIdContextHelp, [] { QWhatsThis::enterWhatsThisMode(); });
}

CMainFrame::MenuBarState CMainFrame::BuildMenuBar(const MenuBarResource& resource) {
  MenuBarState state;
  for (int i = 0; i < resource.count; ++i)
    state.popups.append(BuildPopup(*resource.popups[i], state, this));
  return state;
}

QMenu* CMainFrame::BuildPopup(const MenuPopup& popup, MenuBarState& state, QWidget* parent) {
  auto* menu = new QMenu(QString::fromUtf8(popup.text), parent);
  for (int i = 0; i < popup.count; ++i) {
    const MenuEntry& entry = popup.entries[i];
    if (entry.submenu) {
      menu->addMenu(BuildPopup(*entry.submenu, state, menu));
    } else if (entry.id == 0) {
      menu->addSeparator();
    } else if (entry.id == kRecentFilePlaceholder) {
      for (int k = 0; k < kRecentFileCount; ++k) {
        QAction* action = m_commands.Action(kIdFileMruFirst + k);
        if (action->text().isEmpty()) {
          action->setText(k == 0 ? QString::fromUtf8(entry.text) : QString());
          action->setVisible(k == 0);
        }
        menu->addAction(action);
      }
    } else {
      QAction* action = m_commands.Action(entry.id);
      state.texts.emplace_back(action, QString::fromUtf8(entry.text));
      menu->addAction(action);
    }
  }
  connect(menu, &QMenu::aboutToShow, &m_commands, &CCommandTable::UpdateActions);
  connect(menu, &QMenu::aboutToShow, this,
          [this, menu] { UpdateMenu(this, menu, IsMenuKitWindow(this)); });
  if (popup.listsWindows)
    connect(menu, &QMenu::aboutToShow, this, [this, menu] { FillWindowList(menu); });
  return menu;
}

void CMainFrame::ShowMenu(int resourceId) {
  if (resourceId == m_currentMenu) return;
  const MenuBarState& state = resourceId == kMainMenuId ? m_mainMenu : m_documentMenu;
  QMenuBar* bar = menuBar();
  bar->clear();
  for (QMenu* popup : state.popups) bar->addMenu(popup);
  for (const auto& [action, text] : state.texts) action->setText(text);
  m_currentMenu = resourceId;
  UpdateMenuBar(this);
}

void CMainFrame::UpdateMenuForChildren() {
  ShowMenu(m_children.isEmpty() ? kMainMenuId : kDocumentMenuId);
}

void CMainFrame::FillWindowList(QMenu* menu) {
  for (QAction* action : m_windowListActions) {
    menu->removeAction(action);
    action->deleteLater();
  }
  m_windowListActions.clear();
  if (m_children.isEmpty()) return;
  m_windowListActions.append(menu->addSeparator());
  CChildFrame* active = ActiveChild();
  for (int i = 0; i < m_children.size(); ++i) {
    CChildFrame* child = m_children[i];
    QAction* action = menu->addAction(NumberedMenuText(i, child->windowTitle()));
    action->setCheckable(true);
    action->setChecked(child == active);
    connect(action, &QAction::triggered, this,
            [this, child] { m_clientPainter->setActiveSubWindow(child); });
    m_windowListActions.append(action);
  }
}

CChildFrame* CMainFrame::ActiveChild() const {
  return qobject_cast<CChildFrame*>(m_clientPainter->currentSubWindow());
}

void CMainFrame::OnSubWindowActivated() {
  CChildFrame* active = ActiveChild();
  if (active && m_children.contains(active))
    m_commands.SetTarget(active->View());
  else if (m_children.isEmpty())
    m_commands.SetTarget(nullptr);
  UpdateFrameTitle();
}

void CMainFrame::UpdateFrameTitle() {
  const QString program = ResText(kIdsAppTitle);
  CChildFrame* active = ActiveChild();
  if (active && !m_children.contains(active)) active = nullptr;
  // While a report window is maximised the workspace takes the caption set
  // here as the frame's own and adds " - [title]" to it.
  setWindowTitle(active && !active->isMaximized()
                     ? program + QStringLiteral(" - ") + active->windowTitle()
                     : program);
}

CChildFrame* CMainFrame::FindDocument(const QString& path) const {
  for (CChildFrame* child : m_children)
    if (SameFile(ToLocalPath(child->Document()->PathName()), ToLocalPath(path))) return child;
  return nullptr;
}

CChildFrame* CMainFrame::OpenDocumentFile(const QString& path) {
  // A large report takes many seconds to read and lay out, all of it in
  // here: the window is painted first (over the dialog or the tool's window
  // just gone) and the wait cursor shows until the report is shown.
  PaintBeforeLongWork(this);
  const WaitCursor wait;
  if (CChildFrame* open = FindDocument(path)) {
    // A report that a new run has rewritten is shown as it is now; over
    // unsaved changes only when the user gives them up.
    CQuandorDoc* document = open->Document();
    if (document->FileChangedOnDisk()) {
      if (!document->IsModified() ||
          AskYesNo(this, tr("%1\nhas been rewritten since it was opened, and its window holds "
                            "changes that are not saved.\n\n"
                            "Yes: show the file as it is now; the changes are lost.\n"
                            "No: keep the changed text; saving it replaces the file.")
                             .arg(document->PathName()))) {
        if (!document->OnOpenDocument(document->PathName())) return nullptr;
      } else {
        document->KeepTextOverFile();
      }
    }
    m_clientPainter->setActiveSubWindow(open);
    emit recentFileUsed(document->PathName());  // opened again: to the top of the list
    return open;
  }
  auto* document = new CQuandorDoc;
  document->SetDialogParent(this);
  if (!document->OnOpenDocument(path)) {
    delete document;
    return nullptr;
  }
  auto* child = new CChildFrame(document);
  child->View()->SetPrinter(&Printer());
  child->View()->SetPreviewPages(&m_previewPages);
  connect(document, &CQuandorDoc::pathNameChanged, this, &CMainFrame::recentFileUsed);
  connect(child, &CChildFrame::closing, this, &CMainFrame::OnChildClosing);
  connect(child->View(), &CQuandorView::commandStateChanged, &m_commands,
          &CCommandTable::UpdateActions);
  connect(child, &QMdiSubWindow::windowStateChanged, this, &CMainFrame::UpdateFrameTitle);
  connect(child, &QWidget::windowTitleChanged, this, &CMainFrame::UpdateFrameTitle);
  m_children.append(child);
  m_clientPainter->addSubWindow(child);
  child->showMaximized();
  m_clientPainter->setActiveSubWindow(child);
  UpdateMenuForChildren();
  m_commands.SetTarget(child->View());
  emit recentFileUsed(document->PathName());
  return child;
}

void CMainFrame::OnChildClosing(CChildFrame* child) {
  m_children.removeAll(child);
  if (m_commands.Target() == child->View()) {
    CChildFrame* next = m_children.isEmpty() ? nullptr : m_children.last();
    m_commands.SetTarget(next ? next->View() : nullptr);
  }
  UpdateMenuForChildren();
  UpdateFrameTitle();
}

void CMainFrame::TileWindows(bool sideBySide) {
  const QList<CChildFrame*> windows = m_children;
  if (windows.isEmpty()) return;
  const QRect area = m_clientPainter->viewport()->rect();
  const int count = static_cast<int>(windows.size());
  for (int i = 0; i < count; ++i) {
    QRect tile = area;
    if (sideBySide) {
      tile.setLeft(area.left() + area.width() * i / count);
      tile.setRight(area.left() + area.width() * (i + 1) / count - 1);
    } else {
      tile.setTop(area.top() + area.height() * i / count);
      tile.setBottom(area.top() + area.height() * (i + 1) / count - 1);
    }
    windows[i]->showNormal();
    windows[i]->setGeometry(tile);
  }
}

QPrinter& CMainFrame::Printer() {
  if (!m_printer) {
    m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    // Half an inch on every side from the start, so Print Setup shows the
    // margins the print will use.
    const qreal margin = CQuandorView::kPrintMarginMillimetres;
    m_printer->setPageMargins(QMarginsF(margin, margin, margin, margin), QPageLayout::Millimeter);
  }
  return *m_printer;
}

bool CMainFrame::event(QEvent* event) {
  // In help mode a click that no part of the window explains opens the help.
  if (event->type() == QEvent::QueryWhatsThis) {
    event->accept();
    return true;
  }
  if (event->type() == QEvent::WhatsThis) {
    // The click ends help mode; the help opens once the click is handled.
    QWhatsThis::leaveWhatsThisMode();
    QTimer::singleShot(0, this, [this] { m_commands.Execute(kIdHelp); });
    event->accept();
    return true;
  }
  return QMainWindow::event(event);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
  const QList<CChildFrame*> children = m_children;
  for (CChildFrame* child : children) {
    if (!child->close()) {
      event->ignore();
      return;
    }
  }
  QMainWindow::closeEvent(event);
}

}  // namespace kelvarin
