// Gorvat's engine: the conversion frame on Gorvat's record step.
#pragma once

#include "tools/convert/common/conversionengine.h"
#include "tools/convert/gorvat/gorvatrecordstep.h"

namespace kelvarin {

using GorvatEngine = ConversionEngineOf<GorvatRecordStep>;

}  // namespace kelvarin
