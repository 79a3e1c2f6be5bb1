#include "frontend/shell/shellmessage.h"

#include <QApplication>
#include <QMessageBox>

#include "frontend/res/strings.h"

namespace kelvarin {

QString ResText(int id) {
  const char* text = LoadResString(id);
  return text ? QString::fromUtf8(text) : QString();
}

YesNoCancel AskYesNoCancel(QWidget* parent, const QString& text) {
  switch (QMessageBox::question(parent, QApplication::applicationName(), text,
                                QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
    case QMessageBox::Yes:
      return YesNoCancel::Yes;
    case QMessageBox::No:
      return YesNoCancel::No;
    default:
      return YesNoCancel::Cancel;
  }
}

}  // namespace kelvarin
