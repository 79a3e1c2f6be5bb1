// The "Text properties" sheet of a report window: face, style, colour and
// size of the one character format in which the window shows its text.
#pragma once

#include <QDialog>
#include <QTextCharFormat>

class QDialogButtonBox;
class QTabWidget;

namespace kelvarin {

class CPage1;
class CPage2;
class CPage3;
class CPage4;

class CFontSheet : public QDialog {
  Q_OBJECT

 public:
  explicit CFontSheet(QWidget* parent = nullptr);

  CPage1& Page1() { return *m_page1; }
  CPage2& Page2() { return *m_page2; }
  CPage3& Page3() { return *m_page3; }
  CPage4& Page4() { return *m_page4; }
  QTabWidget& Tabs() { return *m_tabs; }

  // Runs the sheet from its first page with the controls showing the members.
  int exec() override;

  // The character format of the pages' members.
  QTextCharFormat BuildCharFormat() const;

  // The Apply button: stores the page on show and notifies the pages.
  void Apply();

 signals:
  // The Font page's apply notice: the owning view re-formats its text
  // before the signal returns.
  void applyTextProperties();

 private:
  // Stores the page on show; false when it holds an entry that is not valid.
  bool StoreCurrentPage();
  void OnCurrentChanged(int index);
  void OnOk();

  CPage1* m_page1;
  CPage2* m_page2;
  CPage3* m_page3;
  CPage4* m_page4;
  QTabWidget* m_tabs;
  QDialogButtonBox* m_buttons;
  int m_currentPage = 0;
  bool m_switching = false;
};

}  // namespace kelvarin
