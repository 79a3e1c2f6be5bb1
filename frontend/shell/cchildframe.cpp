#include "frontend/shell/cchildframe.h"

#include <QCloseEvent>
#include <QMenu>

#include "frontend/shell/cquandordoc.h"
#include "frontend/shell/cquandorview.h"
#include "frontend/shell/menukit.h"

namespace kelvarin {

CChildFrame::CChildFrame(CQuandorDoc* document, QWidget* parent)
    : QMdiSubWindow(parent), m_document(document), m_view(new CQuandorView(document)) {
  document->setParent(this);
  document->SetDialogParent(this);
  setAttribute(Qt::WA_DeleteOnClose);
  setWidget(m_view);
  setWindowTitle(document->Title());
  connect(document, &CQuandorDoc::pathNameChanged, this,
          [this] { setWindowTitle(m_document->Title()); });
  connect(m_view, &CQuandorView::closeRequested, this, &QMdiSubWindow::close);
  // The window's own menu: Close is its default item, as a double click on
  // the menu's icon closes the window. The menu kit draws it where it hangs
  // from the window's title bar; opened from the main window's menu bar (the
  // window maximised) it is left to the platform.
  SetMenuKitWindow(this, true);
  QMenu* menu = systemMenu();
  if (menu && !menu->actions().isEmpty()) menu->setDefaultAction(menu->actions().constLast());
  PrepareSystemMenu();
  if (menu) connect(menu, &QMenu::aboutToShow, this, &CChildFrame::PrepareSystemMenu);
}

void CChildFrame::PrepareSystemMenu() {
  QMenu* menu = systemMenu();
  if (!menu) return;
  if (isMaximized()) {
    ReleaseMenu(menu);
    SetMenuBarItemRect(QRect());
  } else {
    UpdateMenu(this, menu, IsMenuKitWindow(this));
  }
}

CChildFrame::~CChildFrame() {
  // The view works on the document's text, so it goes first.
  delete m_view;
}

void CChildFrame::closeEvent(QCloseEvent* event) {
  if (!m_document->SaveModified()) {
    event->ignore();
    return;
  }
  emit closing(this);
  QMdiSubWindow::closeEvent(event);
}

}  // namespace kelvarin
