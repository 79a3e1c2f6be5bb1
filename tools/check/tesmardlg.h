// The check program's progress dialog and application object.
#pragma once

#include "tools/check/tesmarengine.h"
#include "tools/skeleton/tooldialog.h"

namespace kelvarin {

// Caption, controls and timer of the check program's progress dialog.
const DialogDescriptor& TesmarDialog();

class CTesmarDlg : public CToolDlg {
  Q_OBJECT
 public:
  explicit CTesmarDlg(TesmarEngine& engine, QWidget* parent = nullptr)
      : CToolDlg(engine, TesmarDialog(), parent) {}
};

class CTesmarApp : public CToolApp {
 public:
  CTesmarApp() : CToolApp(m_engine, TesmarDialog()) {}

 private:
  TesmarEngine m_engine;
};

}  // namespace kelvarin
