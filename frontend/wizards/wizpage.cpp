#include "frontend/wizards/wizpage.h"

#include <QPainter>

#include "frontend/wizards/formatfields.h"
#include "frontend/wizards/wizardsheet.h"
#include "platform/dialogunits.h"
#include "platform/messagebox.h"

namespace kelvarin {

CWizPage::CWizPage(const PageDescriptor& descriptor, QWidget* parent)
    : QWizardPage(parent), m_descriptor(descriptor) {
  setMinimumSize(DialogRect(this, 0, 0, 400, 250).size());
}

CWizardSheet* CWizPage::sheet() const { return qobject_cast<CWizardSheet*>(wizard()); }

JobSettings& CWizPage::settings() const { return sheet()->settings(); }

void CWizPage::OnSetActive() { sheet()->setWindowTitle(QString::fromLatin1(m_descriptor.title)); }

void CWizPage::Refuse(const QString& text) { ShowStopMessage(this, text); }

bool CWizPage::TakeDateFormat(const QListWidget* list, const QString& message, int32_t* format) {
  const int selected = SelectedDateFormat(list);
  if (selected < 0) {
    Refuse(message);
    return false;
  }
  *format = selected;
  return true;
}

QStringList CWizPage::PathLines() const {
  const bool prefixes = m_descriptor.pathPrefixes;
  return {
      (prefixes ? QStringLiteral("Input: ") : QString()) + FromLocalPath(settings().inputFile),
      (prefixes ? QStringLiteral("Output: ") : QString()) + FromLocalPath(settings().outputFile)};
}

void CWizPage::paintEvent(QPaintEvent* event) {
  QWizardPage::paintEvent(event);
  if (sheet() == nullptr) return;
  QPainter painter(this);
  // The banner, embossed: highlight first, shadow one pixel right and down.
  const QString banner = sheet()->banner();
  const int bannerHeight = painter.fontMetrics().height();
  const int top = m_descriptor.bannerY;
  painter.setPen(palette().color(QPalette::Light));
  painter.drawText(QRect(0, top, width(), bannerHeight), Qt::AlignHCenter | Qt::AlignTop, banner);
  painter.setPen(palette().color(QPalette::Dark));
  painter.drawText(QRect(1, top + 1, width(), bannerHeight), Qt::AlignHCenter | Qt::AlignTop,
                   banner);
  if (m_descriptor.pathLinesY < 0) return;
  const int y = m_descriptor.pathLinesY;
  const QStringList lines = PathLines();
  painter.setPen(Qt::white);
  painter.drawText(QRect(5, y, width() - 5, bannerHeight), Qt::AlignLeft | Qt::AlignTop, lines[0]);
  painter.setPen(QColor(0, 128, 255));
  painter.drawText(QRect(6, y + 20, width() - 6, bannerHeight), Qt::AlignLeft | Qt::AlignTop,
                   lines[1]);
}

}  // namespace kelvarin
