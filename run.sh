#!/usr/bin/env bash
# Installs what is missing, builds the build's install tree alone (no test,
# no benchmark) and starts Kelvarin from it: build/dist holds the front-end,
# the tool programs in pgm/, the help pages and the sample data files. The
# front-end takes the folder it starts in as its home folder, so it is
# started from there. ./test.sh builds the rest in the same build folder.
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
build_target=dist
source "$root/.ci/deps.sh"
cd "$build_dir/dist"
exec ./Kelvarin
