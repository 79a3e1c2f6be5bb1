#include "frontend/shell/cchildframe.h"

#include <QCloseEvent>

#include "frontend/shell/cquandordoc.h"
#include "frontend/shell/cquandorview.h"

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
