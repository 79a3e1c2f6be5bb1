// The dialog shown while a report's pages go out to the printer or into the
// print preview: the document's name, the page being printed and Cancel.
#pragma once

#include <QDialog>
#include <QElapsedTimer>

class QLabel;

namespace kelvarin {

// CPrintingDlg: modal over the whole program from its construction to its
// end; the print loop asks it before each page whether to go on.
class CPrintingDlg : public QDialog {
  Q_OBJECT

 public:
  CPrintingDlg(const QString& document, QWidget* parent);

  // Before each page: shows the page when it is printed, lets the program
  // paint and take a click on Cancel; false once Cancel has been pressed.
  bool GoOn(int page, bool printed);
  bool Cancelled() const { return m_cancelled; }

 protected:
  // Cancel, Esc and the close box: the print stops at the next page, and
  // the print loop closes the dialog.
  void reject() override;

 private:
  QLabel* m_page;
  QElapsedTimer m_clock;
  qint64 m_lastLook = -1;  // when the dialog last showed the page and took events
  bool m_cancelled = false;
};

}  // namespace kelvarin
