// The engine of Caslov: ICD-10 to ICD-O-2.
#pragma once

#include "tools/convert/caslov/caslovconverter.h"
#include "tools/convert/common/conversionprogram.h"
#include "tools/convert/common/standardrecordstep.h"

namespace kelvarin {

class CaslovEngine : public StandardConversionEngine<caslov::CaslovConverter> {
 public:
  CaslovEngine() : StandardConversionEngine(Program(), caslov::CaslovStepRules) {}
  static const ConversionProgram& Program() { return *FindConversionProgram("Caslov"); }
};

}  // namespace kelvarin
