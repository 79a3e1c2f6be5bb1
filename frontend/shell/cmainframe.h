// The main window: menu bar, tool bar and status bar over the MDI
// workspace in which the report windows open.
#pragma once

#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <memory>
#include <utility>
#include <vector>

class QLabel;
class QMenu;
class QPrinter;

namespace kelvarin {

struct MenuBarResource;
struct MenuPopup;
class CChildFrame;
class CCommandTable;
class CStatusBarXP;
class CToolBarXP;
class MDIClientPainter;

class CMainFrame : public QMainWindow {
  Q_OBJECT

 public:
  explicit CMainFrame(CCommandTable& commands, QWidget* parent = nullptr);
  ~CMainFrame() override;

  // Opens a report in a maximised window, or brings its window forward when
  // it is open already, reading the file again when it has been rewritten
  // (over unsaved changes only when the user agrees). nullptr (after a
  // message) when the file cannot be read. Every report the program opens
  // comes through here: it is read and laid out under the wait cursor.
  CChildFrame* OpenDocumentFile(const QString& path);
  // The window that shows this file, if any.
  CChildFrame* FindDocument(const QString& path) const;
  const QList<CChildFrame*>& Children() const { return m_children; }
  CChildFrame* ActiveChild() const;

  // 128 while no report window is open, 129 while one is.
  int CurrentMenuId() const { return m_currentMenu; }
  MDIClientPainter* Workspace() const { return m_clientPainter; }
  CToolBarXP* ToolBar() const { return m_wndToolBar; }
  CStatusBarXP* StatusBar() const { return m_wndStatusBar; }
  // The indicator pane of this id (CAP, NUM, SCRL).
  QLabel* Indicator(int id) const;
  // Shows the lock-key panes for these locks on (LockKey bits).
  void ShowLockKeys(unsigned locks);

  // The printer shared by every window and by Print Setup.
  QPrinter& Printer();
  // Pages the print preview of every window shows side by side (0: not
  // chosen, one page).
  int PreviewPages() const { return m_previewPages; }
  void SetPreviewPages(int pages) { m_previewPages = pages; }

  // Lays the open windows out as tiles: side by side, or one above the other.
  void TileWindows(bool sideBySide);

 signals:
  // A report was opened or saved under this name (for the recent-file list).
  void recentFileUsed(const QString& path);

 protected:
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  struct MenuBarState {
    QList<QMenu*> popups;
    std::vector<std::pair<QAction*, QString>> texts;  // each command's text in this menu
  };

  void CreateToolBars();
  void CreateStatusBar();
  void CreateAccelerators();
  void RegisterWindowCommands();
  MenuBarState BuildMenuBar(const MenuBarResource& resource);
  QMenu* BuildPopup(const MenuPopup& popup, MenuBarState& state, QWidget* parent);
  void ShowMenu(int resourceId);
  void UpdateMenuForChildren();
  void FillWindowList(QMenu* menu);
  void OnSubWindowActivated();
  void OnChildClosing(CChildFrame* child);
  // The caption: the program's name, followed by the active report's title
  // while that window is not maximised (a maximised one adds its title in
  // brackets itself).
  void UpdateFrameTitle();

  CCommandTable& m_commands;
  MDIClientPainter* m_clientPainter;
  CStatusBarXP* m_wndStatusBar = nullptr;
  CToolBarXP* m_wndToolBar = nullptr;    // tool bar 128
  CToolBarXP* m_wndMenuIcons = nullptr;  // tool bar 127: images for the menus
  MenuBarState m_mainMenu;
  MenuBarState m_documentMenu;
  int m_currentMenu = 0;
  QList<CChildFrame*> m_children;
  QList<QAction*> m_windowListActions;
  std::unique_ptr<QPrinter> m_printer;
  int m_previewPages = 0;
};

}  // namespace kelvarin
