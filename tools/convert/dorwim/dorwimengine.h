// The engine of Dorwim: ICD-10 with ICD-O-2 morphology to ICD-O-2.
#pragma once

#include "tools/convert/common/conversionprogram.h"
#include "tools/convert/common/standardrecordstep.h"
#include "tools/convert/dorwim/dorwimconverter.h"

namespace kelvarin {

class DorwimEngine : public StandardConversionEngine<dorwim::DorwimConverter> {
 public:
  DorwimEngine() : StandardConversionEngine(Program(), dorwim::DorwimStepRules) {}
  static const ConversionProgram& Program() { return *FindConversionProgram("Dorwim"); }
};

}  // namespace kelvarin
