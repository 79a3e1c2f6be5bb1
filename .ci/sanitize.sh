#!/usr/bin/env bash
# The sanitizer stage: builds the whole tree with AddressSanitizer (leak
# detection on) and UndefinedBehaviorSanitizer into its own folder and runs
# every test there; any finding fails the test that provoked it. Then, when
# clang is present, each fuzz target runs for a few seconds (.ci/fuzz.sh).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build_dir=${SANITIZE_BUILD_DIR:-$root/build-asan}
jobs=${SANITIZE_JOBS:-$(nproc)}

sanitizers="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
cmake -S "$root" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_CXX_FLAGS="$sanitizers" -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g1" \
  -DCMAKE_EXE_LINKER_FLAGS="$sanitizers" -DCMAKE_SHARED_LINKER_FLAGS="$sanitizers" >/dev/null
cmake --build "$build_dir" -j "$jobs"

export ASAN_OPTIONS="detect_leaks=1:detect_stack_use_after_return=1:strict_init_order=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
(cd "$build_dir" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$jobs")

if command -v clang++ >/dev/null; then
  FUZZ_JOBS=$jobs "$root/.ci/fuzz.sh" "${FUZZ_SECONDS:-3}"
fi
