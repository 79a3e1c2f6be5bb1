// Page 2 of the file transfer wizard: the columns of the delimited file in a
// list with tick boxes (the usual registry variables ticked from their
// names), a preview of the first records, and the transfer itself, which
// Finish starts and the page's timer runs in small steps.
#pragma once

#include <QTimer>
#include <vector>

#include "frontend/wizards/wizpage.h"
#include "tools/transfer/transferengine.h"

class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QTreeWidget;
class QTreeWidgetItem;

namespace kelvarin {

class CTRANSwiz2 : public CWizPage {
  Q_OBJECT

 public:
  // m_transferState: before Finish, while the timer writes, and once the
  // file is done or the transfer failed or was cancelled.
  enum TransferPageState { kNotStarted = 0, kRunning = 1, kFinished = 2 };

  explicit CTRANSwiz2(QWidget* parent = nullptr);

  // Fills the column list, the ticks and the preview from the input file;
  // false, after an information message, when the file cannot be read or
  // has no delimiter.
  bool LoadTransferPreview();
  void OnSetActive() override;
  // Finish: the first press starts the transfer, a press while it runs does
  // nothing, and the press after it ends closes the wizard.
  bool validatePage() override;
  int nextId() const override { return -1; }
  // A tick of the page's timer: the next batch of records.
  void OnTimer();
  // The wizard is cancelled: a running transfer stops, keeping what it wrote.
  void OnQueryCancel();

  // The 0-based columns ticked in the list, in column order.
  std::vector<int> TickedColumns() const;

  int transferState() const { return m_transferState; }
  const TransferEngine& transfer() const { return m_transfer; }
  QTreeWidget* columnTree() const { return m_tree; }
  QTreeWidget* previewList() const { return m_preview; }
  QLineEdit* captionEdit() const { return m_caption; }
  QProgressBar* progressBar() const { return m_progress; }
  QPlainTextEdit* resultEdit() const { return m_result; }

 protected:
  // The space bar ticks the current column, as a click does.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  static void ToggleTick(QTreeWidgetItem* item);
  void StartTransfer();

  TransferEngine m_transfer;
  QTimer m_timer;
  int m_transferState = kNotStarted;
  QTreeWidget* m_tree;
  QTreeWidget* m_preview;
  QLineEdit* m_caption;
  QProgressBar* m_progress;
  QPlainTextEdit* m_result;
};

}  // namespace kelvarin
