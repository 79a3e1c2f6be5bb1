#include "frontend/shell/cprintingdlg.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/dialogunits.h"

namespace kelvarin {

namespace {
// How often the dialog shows the page and the program paints and takes a
// click: a page takes about a millisecond, and doing it for every page made
// a long print a sixth slower.
constexpr qint64 kLookMilliseconds = 20;
}  // namespace

CPrintingDlg::CPrintingDlg(const QString& document, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QApplication::applicationName());
  // A caption and the close box, which cancels.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);
  setWindowModality(Qt::ApplicationModal);
  auto* layout = new QVBoxLayout(this);
  auto* name = new QLabel(document, this);
  name->setTextFormat(Qt::PlainText);
  name->setAlignment(Qt::AlignHCenter);
  layout->addWidget(name);
  m_page = new QLabel(this);
  // Room for any page number, so that the dialog keeps its size.
  m_page->setMinimumSize(m_page->fontMetrics().size(0, tr("Page %1").arg(999999)));
  m_page->setAlignment(Qt::AlignHCenter);
  layout->addWidget(m_page);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, Qt::Horizontal, this);
  buttons->setCenterButtons(true);
  connect(buttons, &QDialogButtonBox::rejected, this, &CPrintingDlg::reject);
  layout->addWidget(buttons);
  // Wide enough for the caption; sized before the window is made, which
  // takes the size as it is.
  setFixedSize(qMax(sizeHint().width(), DialogRect(this, 0, 0, 150, 0).width()),
               sizeHint().height());
  show();
  m_clock.start();
}

bool CPrintingDlg::GoOn(int page, bool printed) {
  const qint64 now = m_clock.elapsed();
  if (m_lastLook >= 0 && now - m_lastLook < kLookMilliseconds) return !m_cancelled;
  m_lastLook = now;
  if (printed) m_page->setText(tr("Page %1").arg(page));
  QCoreApplication::processEvents();
  return !m_cancelled;
}

void CPrintingDlg::reject() { m_cancelled = true; }

}  // namespace kelvarin
