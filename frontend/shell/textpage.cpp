#include "frontend/shell/textpage.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kelvarin {

QButtonGroup* CTextPage::AddRadioGroup(const int (&ids)[3], const char* const (&texts)[3]) {
  auto* layout = new QVBoxLayout(this);
  auto* group = new QButtonGroup(this);
  for (int i = 0; i < 3; ++i) {
    auto* button = new QRadioButton(tr(texts[i]), this);
    button->setObjectName(ControlName(ids[i]));
    group->addButton(button, i);
    layout->addWidget(button);
  }
  layout->addStretch();
  return group;
}

void CTextPage::SetRadioIndex(QButtonGroup* group, int index) {
  if (QAbstractButton* button = group->button(index)) {
    button->setChecked(true);
    return;
  }
  // An exclusive group cannot uncheck its last checked button.
  group->setExclusive(false);
  for (QAbstractButton* button : group->buttons()) button->setChecked(false);
  group->setExclusive(true);
}

int CTextPage::RadioIndex(const QButtonGroup* group) { return group->checkedId(); }

}  // namespace kelvarin
