// The progress dialog and application object of the conversion programs: the
// skeleton's, laid out as the program's descriptor says.
#pragma once

#include "tools/convert/common/conversionengine.h"
#include "tools/skeleton/dialogdescriptor.h"
#include "tools/skeleton/tooldialog.h"

namespace kelvarin {

// Caption, file lines, counters and timer of a conversion program's dialog.
// The file lines show the bare paths.
DialogDescriptor ConversionDialog(const ConversionProgram& program);

// The application object of a conversion program: its engine on the
// program's record step, and its dialog.
class CConversionApp : public CToolApp {
 public:
  CConversionApp(const ConversionProgram& program, ConversionRecordStep& step)
      : CToolApp(m_engine, m_descriptor),
        m_engine(program, step),
        m_descriptor(ConversionDialog(program)) {}

  ConversionEngine& engine() { return m_engine; }

 private:
  ConversionEngine m_engine;
  DialogDescriptor m_descriptor;
};

}  // namespace kelvarin
