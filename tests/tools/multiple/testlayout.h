// The record layout the rule tests share.
#pragma once

#include "tools/multiple/multiplelayout.h"

namespace kelvarin {

// key 1-4, sequence 5-6, sex 7, topography 8-11, morphology 12-15,
// behaviour 16, incidence date 17-24 (YYYYMMDD, stored index 0).
inline MultipleLayout TestLayout() {
  MultipleLayout layout;
  layout.regNoStart = 1;
  layout.regNoEnd = 4;
  layout.seqNoStart = 5;
  layout.seqNoEnd = 6;
  layout.sexStart = 7;
  layout.topographyStart = 8;
  layout.histologyStart = 12;
  layout.behaviourStart = 16;
  layout.incidenceDateStart = 17;
  layout.incidenceDateEnd = 24;
  layout.incidenceDateFormat = 0;
  return layout;
}

}  // namespace kelvarin
