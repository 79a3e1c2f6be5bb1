// The multiple primaries program's progress dialog and application object.
#pragma once

#include "tools/multiple/multipleengine.h"
#include "tools/skeleton/tooldialog.h"

namespace kelvarin {

// Caption, controls and timer of the multiple primaries program's dialog.
const DialogDescriptor& MultipleDialog();

class CMultipleDlg : public CToolDlg {
  Q_OBJECT
 public:
  explicit CMultipleDlg(MultipleEngine& engine, QWidget* parent = nullptr)
      : CToolDlg(engine, MultipleDialog(), parent) {}
};

class CMultipleApp : public CToolApp {
 public:
  CMultipleApp() : CToolApp(m_engine, MultipleDialog()) {}

 private:
  MultipleEngine m_engine;
};

}  // namespace kelvarin
