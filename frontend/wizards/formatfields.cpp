#include "frontend/wizards/formatfields.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include <cstring>
#include <string>

#include "common/dateformats.h"
#include "common/layoutfile.h"

namespace kelvarin {

int CodeEditWidth(const QWidget* page) {
  return page->fontMetrics().horizontalAdvance(QLatin1Char('M')) * 3;
}

QLineEdit* CodeEdit(const QString& name, int width, Qt::Alignment alignment) {
  auto* edit = new QLineEdit;
  edit->setObjectName(name);
  edit->setFixedWidth(width);
  edit->setAlignment(alignment);
  edit->setMaxLength(1);
  return edit;
}

QGroupBox* SexCodesGroup(int codeWidth, QLineEdit** male, QLineEdit** female) {
  auto* group = new QGroupBox(QStringLiteral("Sex codes"));
  auto* row = new QHBoxLayout(group);
  *male = CodeEdit(QStringLiteral("male"), codeWidth, Qt::AlignCenter);
  *female = CodeEdit(QStringLiteral("female"), codeWidth, Qt::AlignCenter);
  row->addWidget(*male);
  row->addWidget(new QLabel(QStringLiteral("Male")));
  row->addWidget(*female);
  row->addWidget(new QLabel(QStringLiteral("Female")));
  row->addStretch();
  return group;
}

QListWidget* DateFormatList(const QString& name) {
  auto* list = new QListWidget;
  list->setObjectName(name);
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  return list;
}

QString CodeText(char code) { return QString(QChar(static_cast<unsigned char>(code))); }

void FillDateFormatList(QListWidget* list, int width, int storedIndex) {
  list->clear();
  for (int position = 0; position < kDateFormatCount; ++position)
    if (static_cast<int>(std::strlen(DateFormatNames[position])) == width)
      list->addItem(QString::fromLatin1(DateFormatNames[position]));
  const int row = storedIndex < 0 ? 0 : storedIndex;
  if (row < list->count())
    list->setCurrentRow(row);
  else
    list->setCurrentRow(-1);
}

int SelectedDateFormat(const QListWidget* list) {
  const QList<QListWidgetItem*> selected = list->selectedItems();
  return selected.isEmpty() ? -1 : list->row(selected.constFirst());
}

bool ReadCodeText(const QString& text, std::string* bytes) {
  bytes->clear();
  for (QChar c : text) {
    if (c.unicode() > 0xFF || !IsCodeCharacter(static_cast<char>(c.unicode()))) return false;
    bytes->push_back(static_cast<char>(c.unicode()));
  }
  return true;
}

bool ReadCodeCharacter(const QString& text, char* code) {
  std::string bytes;
  if (text.size() != 1 || !ReadCodeText(text, &bytes)) return false;
  *code = bytes[0];
  return true;
}

QString ReadSexCodes(const QLineEdit* male, const QLineEdit* female, char* maleCode,
                     char* femaleCode, const SexCodeRefusals& refusals) {
  const QString maleText = male->text().left(1);
  const QString femaleText = female->text().left(1);
  if (maleText == femaleText) return QString::fromLatin1(refusals.same);
  char m = 0;
  char f = 0;
  const auto undefined = [&refusals](const QString& text) {
    return refusals.blankIsUndefined ? text.trimmed().isEmpty() : text.isEmpty();
  };
  if (undefined(maleText) || undefined(femaleText)) return QString::fromLatin1(refusals.undefined);
  if (!ReadCodeCharacter(maleText, &m) || !ReadCodeCharacter(femaleText, &f))
    return QStringLiteral("Sex codes must be printable characters!");
  *maleCode = m;
  *femaleCode = f;
  return {};
}

}  // namespace kelvarin
