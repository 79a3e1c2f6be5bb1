#include "bench/transferbench.h"

#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tools/transfer/transferengine.h"

namespace kelvarin {

namespace {

bool ReadParameters(const char* path, std::string* input, std::string* output, bool* names,
                    std::vector<int>* columns) {
  std::ifstream file(path, std::ios::binary);
  std::string lines[3];
  for (std::string& line : lines) {
    if (!std::getline(file, line)) return false;
    if (!line.empty() && line.back() == '\r') line.pop_back();
  }
  *input = lines[0];
  *output = lines[1];
  std::istringstream row(lines[2]);
  int flag = -1;
  if (!(row >> flag) || (flag != 0 && flag != 1)) return false;
  *names = flag == 1;
  int column = 0;
  while (row >> column) {
    if (column < 1 || column > kMaxFields) return false;
    columns->push_back(column - 1);
  }
  return row.eof() && !columns->empty();
}

}  // namespace

int RunTransferBench(const char* parameterFile) {
  std::string input, output;
  bool names = false;
  std::vector<int> columns;
  if (!ReadParameters(parameterFile, &input, &output, &names, &columns)) {
    std::fprintf(stderr,
                 "engine-bench: %s: expected the input path, the output path and a line with "
                 "the flag 0 or 1 and column numbers from 1 to %d\n",
                 parameterFile, kMaxFields);
    return 2;
  }
  const auto begin = std::chrono::steady_clock::now();
  TransferEngine engine;
  if (!engine.Start(input, output, names, columns)) {
    std::fprintf(stderr, "%s\n", engine.message().c_str());
    return 1;
  }
  while (engine.running()) engine.Step(kTransferBatch);
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
  // The file ends inside quotes, or was cut short or rewritten while it was
  // read: the result text says so after the counts.
  const bool toldLast = engine.unclosedQuoteLine() > 0 || engine.inputChanged();
  if (engine.state() != TransferState::kDone && !toldLast)
    std::fprintf(stderr, "%s\n", engine.ResultText().c_str());
  const long long records = engine.recordsWritten();
  std::printf("records=%lld cut=%lld surplus=%lld joined=%lld seconds=%.3f records_per_s=%.0f\n",
              records, engine.valuesCut(), engine.fieldsDropped(), engine.lineEndsJoined(), seconds,
              seconds > 0 ? records / seconds : 0.0);
  if (toldLast) std::printf("%s\n", engine.ResultText().c_str());
  return engine.state() == TransferState::kDone ? 0 : 1;
}

}  // namespace kelvarin
