#include "platform/messagebox.h"

#include <QApplication>
#include <QCursor>
#include <QList>
#include <QMessageBox>

namespace kelvarin {

namespace {
MessageHandler& Handler() {
  static MessageHandler handler;
  return handler;
}

// Takes off the cursors that long work set over the program (the wait
// cursor) while a message is up, and sets them again after it: a box that
// asks or tells something shows the normal cursor.
class NormalCursorWhileShown {
 public:
  NormalCursorWhileShown() {
    while (const QCursor* cursor = QGuiApplication::overrideCursor()) {
      m_lifted.prepend(*cursor);
      QGuiApplication::restoreOverrideCursor();
    }
  }
  ~NormalCursorWhileShown() {
    for (const QCursor& cursor : m_lifted) QGuiApplication::setOverrideCursor(cursor);
  }
  NormalCursorWhileShown(const NormalCursorWhileShown&) = delete;
  NormalCursorWhileShown& operator=(const NormalCursorWhileShown&) = delete;

 private:
  QList<QCursor> m_lifted;
};

}  // namespace

void SetMessageHandler(MessageHandler handler) { Handler() = std::move(handler); }

bool ShowMessage(QWidget* parent, MessageKind kind, const QString& text) {
  const NormalCursorWhileShown normalCursor;
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
