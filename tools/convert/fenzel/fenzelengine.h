// The engine of Fenzel: ICD-O-1 (field trial edition, 1988) to ICD-O-2, on the shared ICD-O-1 core.
#pragma once

#include "tools/convert/common/conversionprogram.h"
#include "tools/convert/common/standardrecordstep.h"
#include "tools/convert/older/icdo1codeconverter.h"

namespace kelvarin {

class FenzelEngine : public StandardConversionEngine<IcdO1VariantConverter<kFenzelCore>> {
 public:
  FenzelEngine() : StandardConversionEngine(Program(), IcdO1StepRules) {}
  static const ConversionProgram& Program() { return *FindConversionProgram("Fenzel"); }
};

}  // namespace kelvarin
