#include "frontend/wizards/chkwizfinish.h"

#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>

#include "common/layoutfile.h"
#include "frontend/res/imageids.h"
#include "frontend/res/pictures.h"
#include "frontend/wizards/checksummary.h"
#include "frontend/wizards/chkwizard.h"
#include "frontend/wizards/layoutvariants.h"
#include "frontend/wizards/wizardsheet.h"
#include "platform/dialogunits.h"

namespace kelvarin {

namespace {

// A bitmap static: the picture drawn as large as the control lets it, at its
// top.
class BitmapStatic : public QWidget {
 public:
  explicit BitmapStatic(int id) : m_id(id) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter(this).drawPixmap(0, 0, BitmapPicture(m_id, size(), devicePixelRatioF()));
  }

 private:
  int m_id;
};

}  // namespace

CCHKwizFinish::CCHKwizFinish(QWidget* parent)
    : CWizPage({CCHKwizard::kFinishPage, "Orvo/Semu check program (4/4)", "", 25}, parent) {
  // The bitmap stands at the left, from 7 to 108 units across; the list of
  // checks from 115 units to the right edge, under its caption.
  auto* layout = new QGridLayout(this);
  const QRect left = DialogRect(this, 7, 0, 101, 0);
  layout->setContentsMargins(left.left(), 70, 10, 10);
  layout->setHorizontalSpacing(DialogRect(this, 0, 0, 115, 0).width() - left.right() - 1);
  auto* picture = new BitmapStatic(kIdBitmapCheckFinish);
  picture->setObjectName(QStringLiteral("picture"));
  picture->setFixedWidth(left.width());
  layout->addWidget(picture, 1, 0);
  layout->addWidget(
      new QLabel(QStringLiteral("The Orvo/Semu check program will perform the following checks:")),
      0, 1);
  m_summary = new QPlainTextEdit;
  m_summary->setObjectName(QStringLiteral("summary"));
  m_summary->setReadOnly(true);
  m_summary->setTextInteractionFlags(Qt::TextSelectableByMouse);
  m_summary->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  // Tab stops every 32 units, an edit control's own, so that the lines of
  // the summary fit the list's width.
  m_summary->setTabStopDistance(DialogRect(this, 0, 0, 32, 0).width());
  layout->addWidget(m_summary, 1, 1);
  layout->setColumnStretch(1, 1);
  setFinalPage(true);
}

void CCHKwizFinish::OnSetActive() {
  CWizPage::OnSetActive();
  QString text = QString::fromLatin1(BuildCheckSummary(settings()).c_str());
  m_summary->setPlainText(text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

int CCHKwizFinish::BackId() const {
  const std::vector<int32_t> pairs = LayoutPairs(LayoutFile::kCheck, settings());
  for (int variable : kCheckFormatVariables)
    if (pairs[2 * static_cast<size_t>(variable)] != -1) return CCHKwizard::kFormatPage;
  return CCHKwizard::kLayoutPage;
}

bool CCHKwizFinish::validatePage() {
  SaveLayoutFile(LayoutFile::kCheck, settings());
  return true;
}

}  // namespace kelvarin
