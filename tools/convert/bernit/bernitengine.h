// The engine of Bernit: ICD-9 with ICD-O-1 morphology to ICD-O-2.
#pragma once

#include "tools/convert/bernit/bernitconverter.h"
#include "tools/convert/common/conversionprogram.h"
#include "tools/convert/common/standardrecordstep.h"

namespace kelvarin {

class BernitEngine : public StandardConversionEngine<bernit::BernitConverter> {
 public:
  BernitEngine() : StandardConversionEngine(Program(), bernit::BernitStepRules) {}
  static const ConversionProgram& Program() { return *FindConversionProgram("Bernit"); }
};

}  // namespace kelvarin
