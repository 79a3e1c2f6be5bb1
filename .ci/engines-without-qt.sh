#!/usr/bin/env bash
# Configures a build folder of its own (build-noqt) with KELVARIN_WITH_QT=OFF,
# which does not look for Qt, builds the standard C++ code (common/, the tool
# engines, the front-end's job settings and wizard rules), its GoogleTest
# tests and the benchmark, and runs those tests. An engine that includes Qt
# does not compile here.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build_dir=${NOQT_BUILD_DIR:-$root/build-noqt}
cmake -S "$root" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DKELVARIN_WERROR=ON \
  -DKELVARIN_WITH_QT=OFF
cmake --build "$build_dir" -j "$(nproc)"
cd "$build_dir"
ctest --output-on-failure -j "$(nproc)"
