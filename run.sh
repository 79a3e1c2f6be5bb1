#!/usr/bin/env bash
# Installs what is missing, builds, and starts the suite from the build's
# install tree (build/dist, tools in build/dist/pgm, a sample data file).
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
source "$root/.ci/deps.sh"
dist=$build_dir/dist
cd "$dist"
if [ -x "$dist/Kelvarin" ]; then
  exec "$dist/Kelvarin"
fi
# Until the front-end is there: check the sample file with Tesmar.
size=$(stat -c %s "$dist/sample.dat")
{
  echo "$dist/sample.dat"
  echo "$dist/sample.out"
  echo "1 10 13 13 14 17 18 21 22 22 23 23 24 24 25 27 28 35 0 36 43 0 5 6 7 7 1 2 80 $size 0 999"
} > "$dist/pgm/parameter.dat"
exec "$dist/pgm/Tesmar"
