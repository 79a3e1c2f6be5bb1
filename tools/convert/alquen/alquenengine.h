// The engine of Alquen: ICD-9 to ICD-O-2.
#pragma once

#include "tools/convert/alquen/alquenconverter.h"
#include "tools/convert/common/conversionprogram.h"
#include "tools/convert/common/standardrecordstep.h"

namespace kelvarin {

class AlquenEngine : public StandardConversionEngine<alquen::AlquenConverter> {
 public:
  AlquenEngine() : StandardConversionEngine(Program(), alquen::AlquenStepRules) {}
  static const ConversionProgram& Program() { return *FindConversionProgram("Alquen"); }
};

}  // namespace kelvarin
