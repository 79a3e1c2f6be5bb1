#!/usr/bin/env bash
# Fails when a C++ source file of the repository is not formatted as
# .clang-format says, and names the files to run `clang-format -i` on.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
mapfile -t files < <(git ls-files -co --exclude-standard '*.cpp' '*.h' | grep -v '^build/' |
  while read -r file; do [ -f "$file" ] && echo "$file"; done)
report=$(printf '%s\0' "${files[@]}" |
  xargs -0 -n 40 -P "$(nproc)" clang-format --dry-run --Werror 2>&1 || true)
unformatted=$(grep -oE '^[^:]+\.(cpp|h):[0-9]+:[0-9]+: error' <<<"$report" | cut -d: -f1 | sort -u || true)
if [ -n "$unformatted" ]; then
  echo "Not formatted (run clang-format -i on them):"
  sed 's/^/  /' <<<"$unformatted"
  exit 1
fi
echo "Formatting: ${#files[@]} files checked."
