#include "enginefactory.h"

#include "bench/readerengine.h"
#include "tools/check/tesmarengine.h"
#include "tools/multiple/multipleengine.h"
#include "tools/convert/gorvat/gorvatengine.h"
#include "tools/convert/jantrik/jantrikengine.h"

namespace kelvarin {

const std::vector<BenchTool>& BenchTools() {
  static const std::vector<BenchTool> tools = {
      {"Skeleton", [] { return std::make_unique<ReaderEngine>(); }},
      {"Tesmar", [] { return std::make_unique<TesmarEngine>(); }},
      {"TesmarMix", [] { return std::make_unique<TesmarEngine>(); }},
      {"Multiple", [] { return std::make_unique<MultipleEngine>(); }},
      {"Gorvat", [] { return std::make_unique<GorvatEngine>(); }},
      {"Jantrik", [] { return std::make_unique<JantrikEngine>(); }},
  };
  return tools;
}

}  // namespace kelvarin
