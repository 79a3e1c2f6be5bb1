#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "platform/messagebox.h"

using namespace kelvarin;

class MessageBoxTest : public QObject {
  Q_OBJECT

 private slots:
  void iconsAndButtons();
};

void MessageBoxTest::iconsAndButtons() {
  struct Case {
    MessageKind kind;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
  };
  const Case cases[] = {
      {MessageKind::kStop, QMessageBox::Critical, QMessageBox::Ok},
      {MessageKind::kInformation, QMessageBox::Information, QMessageBox::Ok},
      {MessageKind::kQuestion, QMessageBox::NoIcon, QMessageBox::Yes | QMessageBox::No},
  };
  for (const Case& each : cases) {
    QMessageBox::Icon icon = QMessageBox::Question;
    QMessageBox::StandardButtons buttons;
    QString text;
    QTimer answer;
    answer.setInterval(5);
    QObject::connect(&answer, &QTimer::timeout, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box == nullptr) return;
      answer.stop();
      icon = box->icon();
      buttons = box->standardButtons();
      text = box->text();
      box->button(buttons & QMessageBox::Yes ? QMessageBox::Yes : QMessageBox::Ok)->click();
    });
    answer.start();
    const bool yes = ShowMessage(nullptr, each.kind, QStringLiteral("first\r\nsecond"));
    QCOMPARE(icon, each.icon);
    QCOMPARE(buttons, each.buttons);
    QCOMPARE(text, QStringLiteral("first\nsecond"));
    QCOMPARE(yes, each.kind == MessageKind::kQuestion);
  }
}

QTEST_MAIN(MessageBoxTest)
#include "test_messagebox.moc"
