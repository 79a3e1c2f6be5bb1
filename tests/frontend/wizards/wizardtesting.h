// Helpers of the wizard tests: a recorder in place of the message boxes,
// data files, and clicks on a layout page's preview.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QListWidget>
#include <QMouseEvent>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QWizard>

#include <deque>
#include <string>

#include "frontend/wizards/wizardsheet.h"
#include "frontend/wizards/wizlayout.h"
#include "platform/messagebox.h"

namespace kelvarin::test {

// Takes the place of the message boxes while it lives: records every
// message as "stop: text", "information: text" or "question: text" and
// answers the questions from a queue (No when the queue is empty).
class MessageRecorder {
 public:
  MessageRecorder() {
    SetMessageHandler([this](MessageKind kind, const QString& text) {
      static const char* const kinds[] = {"stop: ", "information: ", "question: "};
      m_messages << QString::fromLatin1(kinds[static_cast<int>(kind)]) + text;
      if (kind != MessageKind::kQuestion || m_answers.empty()) return false;
      const bool yes = m_answers.front();
      m_answers.pop_front();
      return yes;
    });
  }
  ~MessageRecorder() { SetMessageHandler(nullptr); }

  void Answer(bool yes) { m_answers.push_back(yes); }
  // The messages so far, emptied.
  QStringList Take() {
    QStringList messages = m_messages;
    m_messages.clear();
    return messages;
  }

 private:
  QStringList m_messages;
  std::deque<bool> m_answers;
};

// Lines of `width` characters followed by `lineEnd`: a field of digits that
// tells the line and column, so a preview shows where each character is.
inline std::string Records(int count, int width, const std::string& lineEnd = "\r\n") {
  std::string text;
  for (int line = 0; line < count; ++line) {
    for (int column = 1; column <= width; ++column)
      text += static_cast<char>('0' + (line + column) % 10);
    text += lineEnd;
  }
  return text;
}

// Clicks the preview `dx` pixels right of a boundary, on the first text line.
inline void ClickPreview(CWizLayout* page, int boundary, int dx = 0) {
  QTest::mouseClick(page, Qt::LeftButton, Qt::NoModifier,
                    QPoint(page->boundaryX(boundary) + dx, page->previewTextTop() + 2));
}

// Presses the mouse at a point of the preview given to the fraction of a
// pixel, on the first text line.
inline void PressPreviewAt(CWizLayout* page, double x) {
  const QPointF local(x, page->previewTextTop() + 2);
  QMouseEvent press(QEvent::MouseButtonPress, local, page->mapToGlobal(local), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(page, &press);
}

// Selects a variable and clicks its first and last column.
inline void DefineVariable(CWizLayout* page, int variable, int first, int last) {
  page->variableList()->setCurrentRow(variable);
  ClickPreview(page, first - 1);
  ClickPreview(page, last);
}

// A control of a page by its object name.
template <typename T>
T* Child(QWidget* page, const char* name) {
  T* child = page->findChild<T*>(QString::fromLatin1(name));
  if (child == nullptr) qFatal("no child %s", name);
  return child;
}

// The controls of the current page that are not wholly on screen: outside
// the sheet or outside the frame that shows the page.
inline QStringList ClippedControls(QWizard& wizard) {
  QWizardPage* page = wizard.currentPage();
  const QWidget* frame = page->parentWidget();
  const QRect visible =
      QRect(frame->mapTo(&wizard, QPoint(0, 0)), frame->size()).intersected(wizard.rect());
  QStringList clipped;
  for (const QWidget* control : page->findChildren<QWidget*>()) {
    if (!control->isVisible()) continue;
    const QRect area(control->mapTo(&wizard, QPoint(0, 0)), control->size());
    if (!visible.contains(area))
      clipped << QStringLiteral("%1 %2").arg(
          QString::fromLatin1(control->metaObject()->className()), control->objectName());
  }
  return clipped;
}

// The first showing of a sheet: every control of its first page on screen,
// and the page at its full size.
inline void ExpectFirstPageWhole(QWizard& wizard) {
  QCOMPARE(ClippedControls(wizard), QStringList());
  const QWizardPage* page = wizard.currentPage();
  QVERIFY(page->parentWidget()->width() >= page->minimumWidth());
  QVERIFY(page->parentWidget()->height() >= page->minimumHeight());
  QVERIFY(wizard.width() >= page->minimumWidth());
  QVERIFY(wizard.height() >= page->minimumHeight());
}

inline void Press(QWizard& wizard, QWizard::WizardButton which) { wizard.button(which)->click(); }

// Presses Help on the pages a test walks through, keeping the sheet's title
// at each press and the help topic the page asked for.
class HelpWalk {
 public:
  explicit HelpWalk(CWizardSheet& sheet)
      : m_sheet(sheet),
        m_connection(QObject::connect(&sheet, &CWizardSheet::helpTopicRequested,
                                      [this](const QString& topic) { topics << topic; })) {}
  ~HelpWalk() { QObject::disconnect(m_connection); }

  void PressHelp() {
    titles << m_sheet.windowTitle();
    Press(m_sheet, QWizard::HelpButton);
  }

  QStringList titles;
  QStringList topics;

 private:
  CWizardSheet& m_sheet;
  QMetaObject::Connection m_connection;
};

}  // namespace kelvarin::test
