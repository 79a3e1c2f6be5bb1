// Answers the modal dialogs that a test provokes, from inside their own
// event loop, and closes any dialog left open so that a failing test ends.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <memory>

namespace kelvarin::test {

// Calls `action` once with the first modal widget of type T that becomes
// active after this call.
template <typename T>
void OnNextModal(std::function<void(T*)> action) {
  auto* timer = new QTimer(qApp);
  timer->setInterval(5);
  QObject::connect(timer, &QTimer::timeout, [timer, action] {
    T* modal = qobject_cast<T*>(QApplication::activeModalWidget());
    if (!modal) return;
    timer->stop();
    timer->deleteLater();
    action(modal);
  });
  timer->start();
}

// What a message box said, once it has been answered.
struct MessageSeen {
  bool shown = false;
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
};

// Answers the next message box with `button` and records it in `seen`.
inline void AnswerNextMessage(MessageSeen* seen,
                              QMessageBox::StandardButton button = QMessageBox::Ok) {
  OnNextModal<QMessageBox>([seen, button](QMessageBox* box) {
    seen->shown = true;
    seen->text = box->text();
    seen->icon = box->icon();
    if (QAbstractButton* choice = box->button(button))
      choice->click();
    else
      box->done(button);
  });
}

// While one lives, the watchdog leaves modal widgets open: the dialog of a
// long print stays up for seconds by design.
class WatchdogPause {
 public:
  WatchdogPause() { ++Count(); }
  WatchdogPause(const WatchdogPause&) = delete;
  WatchdogPause& operator=(const WatchdogPause&) = delete;
  ~WatchdogPause() { --Count(); }
  static int& Count() {
    static int count = 0;
    return count;
  }
};

// Closes a modal widget that stays open longer than a few seconds: a test
// that did not expect it fails on its checks instead of hanging.
inline void StartModalWatchdog() {
  // The clock and the last modal widget live as long as the connection, which
  // goes with the timer when the application ends.
  auto* timer = new QTimer(qApp);
  auto since = std::make_shared<QElapsedTimer>();
  auto last = std::make_shared<QPointer<QWidget>>();
  timer->setInterval(100);
  QObject::connect(timer, &QTimer::timeout, [since, last] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal != last->data() || WatchdogPause::Count() > 0) {
      *last = modal;
      since->restart();
      return;
    }
    if (modal && since->elapsed() > 3000) {
      qWarning("closing a modal window no test answered: %s", qPrintable(modal->windowTitle()));
      if (auto* box = qobject_cast<QMessageBox*>(modal))
        box->done(QMessageBox::Cancel);
      else
        modal->close();
    }
  });
  timer->start();
}

}  // namespace kelvarin::test
