// Jantrik's engine: the conversion frame on Jantrik's record step.
#pragma once

#include "tools/convert/common/conversionengine.h"
#include "tools/convert/jantrik/jantrikrecordstep.h"

namespace kelvarin {

using JantrikEngine = ConversionEngineOf<JantrikRecordStep>;

}  // namespace kelvarin
