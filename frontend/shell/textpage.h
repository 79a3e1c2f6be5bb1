// What the pages of the text-properties sheet share: moving their members
// into the controls and back.
#pragma once

#include <QString>
#include <QWidget>

class QAbstractButton;
class QButtonGroup;

namespace kelvarin {

class CTextPage : public QWidget {
  Q_OBJECT

 public:
  using QWidget::QWidget;

  // Shows the members in the controls.
  virtual void LoadData() = 0;
  // Stores the controls in the members; false (after a message) when an
  // entry is not valid, leaving the members as they were.
  virtual bool SaveData() = 0;

  // The object name given to the control with this dialog id.
  static QString ControlName(int id) { return QStringLiteral("idc%1").arg(id); }

 protected:
  // A group of three radio buttons with these ids and texts, laid out in a column.
  QButtonGroup* AddRadioGroup(const int (&ids)[3], const char* const (&texts)[3]);
  // Checks button `index` of the group, or none for an index outside it.
  static void SetRadioIndex(QButtonGroup* group, int index);
  // The index of the checked button, -1 when none is.
  static int RadioIndex(const QButtonGroup* group);
};

}  // namespace kelvarin
