#!/usr/bin/env bash
# Builds the libFuzzer targets with clang into build-fuzz/ and runs each in
# turn for a bounded time, from its seed corpus (files of the tests' own)
# and the corpus kept from earlier runs. A finding fails the script and
# leaves its input as crash-* in build-fuzz/findings/.
#   .ci/fuzz.sh [seconds per target, default 60] [target ...]
# FUZZ_OPTIONS adds libFuzzer options to every run (e.g. -runs=10000000).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
shift || true
build_dir=${FUZZ_BUILD_DIR:-$root/build-fuzz}
jobs=${FUZZ_JOBS:-$(nproc)}

CC=clang CXX=clang++ cmake -S "$root" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DKELVARIN_FUZZ=ON >/dev/null
cmake --build "$build_dir" -j "$jobs" --target kelvarin_fuzzers

mkdir -p "$build_dir/findings"
export ASAN_OPTIONS="detect_leaks=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
while IFS='|' read -r target options seeds; do
  [ -n "$target" ] || continue
  if [ $# -gt 0 ] && [[ " $* " != *" $target "* ]]; then continue; fi
  corpus="$build_dir/corpus/$target"
  mkdir -p "$corpus"
  log="$build_dir/findings/$target.log"
  started=$SECONDS
  # shellcheck disable=SC2086 # options and seed folders are separate arguments
  if ! "$build_dir/tests/fuzz/$target" -max_total_time="$seconds" -print_final_stats=1 \
    $options ${FUZZ_OPTIONS:-} -artifact_prefix="$build_dir/findings/$target-" "$corpus" $seeds \
    >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target: a finding; its input is in $build_dir/findings"
    exit 1
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  echo "$target: $runs executions in $((SECONDS - started))s, no finding"
done <"$build_dir/tests/fuzz/fuzz-targets.txt"
