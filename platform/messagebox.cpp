#include "platform/messagebox.h"

#include <QApplication>
#include <QMessageBox>

namespace kelvarin {

namespace {
MessageHandler& Handler() {
  static MessageHandler handler;
  return handler;
}
}  // namespace

void SetMessageHandler(MessageHandler handler) { Handler() = std::move(handler); }

bool ShowMessage(QWidget* parent, MessageKind kind, const QString& text) {
  if (Handler()) return Handler()(kind, text);
  QString shown = text;
  shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  const QString title = QApplication::applicationName();
  switch (kind) {
    case MessageKind::kStop:
      QMessageBox::critical(parent, title, shown);
      return false;
    case MessageKind::kInformation:
      QMessageBox::information(parent, title, shown);
      return false;
    case MessageKind::kQuestion: {
      // A question carries no icon: Yes and No are all it shows.
      QMessageBox box(QMessageBox::NoIcon, title, shown, QMessageBox::Yes | QMessageBox::No,
                      parent);
      return box.exec() == QMessageBox::Yes;
    }
  }
  return false;
}

void Beep() { QApplication::beep(); }

QString ProgramFolder() { return QCoreApplication::applicationDirPath(); }

}  // namespace kelvarin
