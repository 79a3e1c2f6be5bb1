#include "frontend/wizards/wizardsheet.h"

#include <QAbstractButton>
#include <QShowEvent>

#include "frontend/wizards/wizpage.h"

namespace kelvarin {

CWizardSheet::CWizardSheet(const JobSettings& application, const QString& caption,
                           const QString& banner, int pageIcon, QWidget* parent)
    : QWizard(parent), m_settings(application), m_banner(banner), m_pageIcon(pageIcon) {
  setWindowTitle(caption);
  setWizardStyle(QWizard::ClassicStyle);
  setOptions(QWizard::NoBackButtonOnStartPage | QWizard::HaveHelpButton);
  connect(this, &QWizard::currentIdChanged, this, &CWizardSheet::Activate);
  connect(this, &QWizard::helpRequested, this, &CWizardSheet::RequestHelp);
  // Back asks the page where it leads instead of taking the history's way.
  QAbstractButton* back = button(QWizard::BackButton);
  disconnect(back, SIGNAL(clicked()), this, SLOT(back()));
  connect(back, &QAbstractButton::clicked, this, &CWizardSheet::GoBack);
}

void CWizardSheet::showEvent(QShowEvent* event) {
  if (!m_sized && !event->spontaneous()) {
    m_sized = true;
    // Every page takes the size of the largest; the sheet's own size hint is
    // up to date only now that it is about to appear, and the base centres
    // the sheet over its parent at the size set here.
    QSize largest;
    for (int id : pageIds()) {
      const QWizardPage* each = page(id);
      largest = largest.expandedTo(each->minimumSize()).expandedTo(each->minimumSizeHint());
    }
    for (int id : pageIds()) page(id)->setMinimumSize(largest);
    resize(size().expandedTo(sizeHint()));
  }
  QWizard::showEvent(event);
}

void CWizardSheet::Activate(int id) {
  if (auto* wizPage = qobject_cast<CWizPage*>(page(id))) wizPage->OnSetActive();
}

void CWizardSheet::GoBack() {
  auto* current = qobject_cast<CWizPage*>(currentPage());
  const int target = current != nullptr ? current->BackId() : -1;
  if (target == -1 || !visitedIds().contains(target) || target == currentId()) {
    back();
    return;
  }
  while (currentId() != target) back();
}

void CWizardSheet::RequestHelp() {
  if (auto* current = qobject_cast<CWizPage*>(currentPage()))
    emit helpTopicRequested(current->helpTopic());
}

}  // namespace kelvarin
