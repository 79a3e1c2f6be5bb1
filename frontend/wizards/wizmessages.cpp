#include "frontend/wizards/wizmessages.h"

#include <QMessageBox>

namespace kelvarin {

namespace {

int Show(QWidget* parent, QMessageBox::Icon icon, const QString& text, QMessageBox::StandardButtons buttons) {
  QMessageBox box(icon, QStringLiteral("Kelvarin"), text, buttons, parent);
  return box.exec();
}

}  // namespace

void ShowStopMessage(QWidget* parent, const QString& text) {
  Show(parent, QMessageBox::Critical, text, QMessageBox::Ok);
}

void ShowInformationMessage(QWidget* parent, const QString& text) {
  Show(parent, QMessageBox::Information, text, QMessageBox::Ok);
}

bool AskYesNo(QWidget* parent, const QString& text) {
  return Show(parent, QMessageBox::NoIcon, text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

}  // namespace kelvarin
