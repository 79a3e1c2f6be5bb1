#!/usr/bin/env bash
# Generates a data file of RECORDS records (default 1,000,000) for each tool
# named (default: Skeleton), runs engine-bench on it, times `wc -l` on the
# same file in the same run and prints the ratio. TOOL is a tool program's
# name, Skeleton (the record reader alone) or Transfer (the file transfer: a
# comma-separated file with a header, every column written).
# Usage: bench/run-bench.sh [--records N] [TOOL ...]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$here/build}
records=1000000
if [ "${1:-}" = "--records" ]; then records=$2; shift 2; fi
tools=("$@")
[ ${#tools[@]} -gt 0 ] || tools=(Skeleton)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for tool in "${tools[@]}"; do
  data=$work/$tool.dat
  rowformat=$("$build/bench/bench-datagen" "$tool" "$records" "$data")
  size=$(stat -c %s "$data")
  {
    echo "$data"
    echo "$work/$tool.out"
    # shellcheck disable=SC2059
    printf "$rowformat" "$size"
  } > "$work/parameter.dat"

  wc_start=$(date +%s.%N)
  wc -l < "$data" > /dev/null
  wc_end=$(date +%s.%N)
  wc_seconds=$(awk -v a="$wc_start" -v b="$wc_end" 'BEGIN { printf "%.3f", b - a }')

  result=$("$build/bench/engine-bench" "$tool" "$work/parameter.dat")
  seconds=$(echo "$result" | sed -n 's/.*seconds=\([0-9.]*\).*/\1/p')
  ratio=$(awk -v a="$seconds" -v b="$wc_seconds" 'BEGIN { printf "%.1f", (b > 0 ? a / b : 0) }')
  echo "$tool: $result wc_seconds=$wc_seconds ratio_to_wc=$ratio"
  rm -f "$work"/"$tool".*
done
