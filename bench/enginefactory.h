// The tool engines engine-bench can run, by program name.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "tools/skeleton/toolengine.h"

namespace kelvarin {

struct BenchTool {
  const char* name;
  std::function<std::unique_ptr<ToolEngine>()> make;
};

const std::vector<BenchTool>& BenchTools();

}  // namespace kelvarin
