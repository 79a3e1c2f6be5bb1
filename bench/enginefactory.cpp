#include "bench/enginefactory.h"

#include "bench/readerengine.h"
#include "tools/check/tesmarengine.h"
#include "tools/convert/alquen/alquenengine.h"
#include "tools/convert/bernit/bernitengine.h"
#include "tools/convert/caslov/caslovengine.h"
#include "tools/convert/dorwim/dorwimengine.h"
#include "tools/convert/elbrac/elbracengine.h"
#include "tools/convert/fenzel/fenzelengine.h"
#include "tools/convert/gorvat/gorvatengine.h"
#include "tools/convert/jantrik/jantrikengine.h"
#include "tools/multiple/multipleengine.h"

namespace kelvarin {

const std::vector<BenchTool>& BenchTools() {
  static const std::vector<BenchTool> tools = {
      {"Skeleton", [] { return std::make_unique<ReaderEngine>(); }},
      {"Tesmar", [] { return std::make_unique<TesmarEngine>(); }},
      {"TesmarMix", [] { return std::make_unique<TesmarEngine>(); }},
      {"Multiple", [] { return std::make_unique<MultipleEngine>(); }},
      {"Gorvat", [] { return std::make_unique<GorvatEngine>(); }},
      {"Jantrik", [] { return std::make_unique<JantrikEngine>(); }},
      {"Alquen", [] { return std::make_unique<AlquenEngine>(); }},
      {"Bernit", [] { return std::make_unique<BernitEngine>(); }},
      {"Caslov", [] { return std::make_unique<CaslovEngine>(); }},
      {"Dorwim", [] { return std::make_unique<DorwimEngine>(); }},
      {"Elbrac", [] { return std::make_unique<ElbracEngine>(); }},
      {"Fenzel", [] { return std::make_unique<FenzelEngine>(); }},
  };
  return tools;
}

}  // namespace kelvarin
