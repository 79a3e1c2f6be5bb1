#include "frontend/wizards/wizpage.h"

#include <QFileInfo>
#include <QPainter>

#include "frontend/res/pictures.h"
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

LayoutFilePlace CWizPage::DefinitionFilePlace(LayoutFile file) const {
  const JobSettings& job = settings();
  return PlaceLayoutFile(file, job.inputFile, job.outputFile);
}

void CWizPage::SaveLayoutFile(LayoutFile file, const RecordSettings& values,
                              const OptionWords& words) {
  const LayoutFilePlace place = DefinitionFilePlace(file);
  const LayoutFileWrite written = WriteLayoutFile(place, file, values, words);
  if (written == LayoutFileWrite::kWritten) return;
  // Finish goes on all the same; the user learns that the columns were not
  // kept for the next run.
  const QString name = QFileInfo(FromLocalPath(place.path)).fileName();
  ShowInformationMessage(
      this, written == LayoutFileWrite::kNotALayoutFile
                ? QStringLiteral("%1 is not a column definition file: it was left as it is, and "
                                 "the columns were not saved.")
                      .arg(name)
                : QStringLiteral("%1 could not be written: the columns were not saved.").arg(name));
}

QStringList CWizPage::PathLines() const {
  const bool prefixes = m_descriptor.pathPrefixes;
  return {
      (prefixes ? QStringLiteral("Input: ") : QString()) + FromLocalPath(settings().inputFile),
      (prefixes ? QStringLiteral("Output: ") : QString()) + FromLocalPath(settings().outputFile)};
}

QRect CWizPage::sheetIconRect() const {
  if (!m_sheetIconShown || sheet() == nullptr || sheet()->pageIcon() == 0) return QRect();
  return QRect(width() - kPageIconMargin - kPageIconSize, kPageIconMargin, kPageIconSize,
               kPageIconSize);
}

QRect CWizPage::leftIconRect() const {
  if (m_leftIcon == 0) return QRect();
  return QRect(kPageIconMargin, kPageIconMargin, kPageIconSize, kPageIconSize);
}

void CWizPage::DrawIcon(QPainter& painter, int id, const QRect& rect) const {
  if (rect.isEmpty()) return;
  painter.drawPixmap(rect.topLeft(), IconPicture(id, rect.width(), devicePixelRatioF()));
}

void CWizPage::paintEvent(QPaintEvent* event) {
  QWizardPage::paintEvent(event);
  if (sheet() == nullptr) return;
  QPainter painter(this);
  const QRect sheetIcon = sheetIconRect();
  DrawIcon(painter, sheet()->pageIcon(), sheetIcon);
  DrawIcon(painter, m_leftIcon, leftIconRect());
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
  const QColor colours[] = {Qt::white, QColor(0, 128, 255)};
  for (int i = 0; i < 2; ++i) {
    // A path too long for the page is shortened in its middle, left of the
    // icon where it passes the icon.
    QRect line(5 + i, y + 20 * i, width() - 5 - i, bannerHeight);
    if (line.intersects(sheetIcon)) line.setRight(sheetIcon.left() - kPageIconMargin);
    const QString text = painter.fontMetrics().elidedText(lines[i], Qt::ElideMiddle, line.width());
    if (i == 0) {
      // White alone vanishes on a light page face: a shadow one pixel right
      // and down, as under the banner, keeps the input path readable.
      painter.setPen(palette().color(QPalette::Dark));
      painter.drawText(line.translated(1, 1), Qt::AlignLeft | Qt::AlignTop, text);
    }
    painter.setPen(colours[i]);
    painter.drawText(line, Qt::AlignLeft | Qt::AlignTop, text);
  }
}

}  // namespace kelvarin
