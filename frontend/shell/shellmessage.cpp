#include "shell/shellmessage.h"

#include <QMessageBox>

#include "res/strings.h"

namespace kelvarin {

QString ResText(int id) {
  const char* text = LoadResString(id);
  return text ? QString::fromUtf8(text) : QString();
}

void ShowMessage(QWidget* parent, const QString& text, MessageIcon icon) {
  QMessageBox::Icon boxIcon = QMessageBox::Critical;
  if (icon == MessageIcon::Information) boxIcon = QMessageBox::Information;
  if (icon == MessageIcon::Warning) boxIcon = QMessageBox::Warning;
  QMessageBox box(boxIcon, ResText(kIdsAppTitle), text, QMessageBox::Ok, parent);
  box.exec();
}

bool AskYesNo(QWidget* parent, const QString& text) {
  QMessageBox box(QMessageBox::Question, ResText(kIdsAppTitle), text,
                  QMessageBox::Yes | QMessageBox::No, parent);
  return box.exec() == QMessageBox::Yes;
}

YesNoCancel AskYesNoCancel(QWidget* parent, const QString& text) {
  QMessageBox box(QMessageBox::Warning, ResText(kIdsAppTitle), text,
                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
  switch (box.exec()) {
    case QMessageBox::Yes:
      return YesNoCancel::Yes;
    case QMessageBox::No:
      return YesNoCancel::No;
    default:
      return YesNoCancel::Cancel;
  }
}

}  // namespace kelvarin
