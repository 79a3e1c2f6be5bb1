#include "frontend/wizards/chkwizfinish.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "common/layoutfile.h"
#include "frontend/wizards/checksummary.h"
#include "frontend/wizards/chkwizard.h"
#include "frontend/wizards/layoutvariants.h"
#include "frontend/wizards/wizardsheet.h"

namespace kelvarin {

CCHKwizFinish::CCHKwizFinish(QWidget* parent)
    : CWizPage({CCHKwizard::kFinishPage, "Orvo/Semu check program (4/4)", "", 25}, parent) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(10, 70, 10, 10);
  layout->addWidget(
      new QLabel(QStringLiteral("The Orvo/Semu check program will perform the following checks:")));
  m_summary = new QPlainTextEdit;
  m_summary->setObjectName(QStringLiteral("summary"));
  m_summary->setReadOnly(true);
  m_summary->setTextInteractionFlags(Qt::TextSelectableByMouse);
  m_summary->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  layout->addWidget(m_summary);
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
  // A file that cannot be written is skipped: the check runs without it.
  const JobSettings& job = settings();
  WriteLayoutFile(PlaceLayoutFile(LayoutFile::kCheck, job.inputFile, job.outputFile),
                  LayoutFile::kCheck, job);
  return true;
}

}  // namespace kelvarin
