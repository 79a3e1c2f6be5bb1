// A report window: one document and its view in an MDI child that opens
// maximised and carries the document's title.
#pragma once

#include <QMdiSubWindow>

namespace kelvarin {

class CQuandorDoc;
class CQuandorView;

class CChildFrame : public QMdiSubWindow {
  Q_OBJECT

 public:
  // Takes ownership of `document`.
  explicit CChildFrame(CQuandorDoc* document, QWidget* parent = nullptr);
  ~CChildFrame() override;

  CQuandorDoc* Document() const { return m_document; }
  CQuandorView* View() const { return m_view; }

 signals:
  // The window has agreed to close (its document is saved or given up).
  void closing(CChildFrame* frame);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  // Readies the window's own menu before it shows.
  void PrepareSystemMenu();

  CQuandorDoc* m_document;
  CQuandorView* m_view;
};

}  // namespace kelvarin
