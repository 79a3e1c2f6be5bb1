// The progress dialog and application object of the conversion programs: the
// skeleton's, laid out as the program's descriptor says.
#pragma once

#include "tools/convert/common/conversionengine.h"
#include "tools/skeleton/dialogdescriptor.h"
#include "tools/skeleton/tooldialog.h"

namespace kelvarin {

// Caption, file lines, counters and timer of a conversion program's dialog
// (program is one of ConversionPrograms). The file lines show the bare paths.
const DialogDescriptor& ConversionDialog(const ConversionProgram& program);

// The progress dialog of a conversion program, laid out for its engine's program.
class CConversionDlg : public CToolDlg {
  Q_OBJECT
 public:
  explicit CConversionDlg(ConversionEngine& engine, QWidget* parent = nullptr)
      : CToolDlg(engine, ConversionDialog(engine.program()), parent) {}
};

// The application object of a conversion program, on the program's engine:
// a ConversionEngine with a static Program() that names its descriptor.
template <class Engine>
class CConversionApp : public CToolApp {
 public:
  CConversionApp() : CToolApp(m_engine, ConversionDialog(Engine::Program())) {}

  Engine& engine() { return m_engine; }

 private:
  Engine m_engine;
};

}  // namespace kelvarin
