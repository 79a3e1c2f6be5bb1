// The engine of Elbrac: ICD-O-1 to ICD-O-2, on the shared ICD-O-1 core.
#pragma once

#include "tools/convert/common/conversionprogram.h"
#include "tools/convert/common/standardrecordstep.h"
#include "tools/convert/older/icdo1codeconverter.h"

namespace kelvarin {

class ElbracEngine : public StandardConversionEngine<IcdO1VariantConverter<kElbracCore>> {
 public:
  ElbracEngine() : StandardConversionEngine(Program(), IcdO1StepRules) {}
  static const ConversionProgram& Program() { return *FindConversionProgram("Elbrac"); }
};

}  // namespace kelvarin
