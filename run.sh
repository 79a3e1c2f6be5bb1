#!/usr/bin/env bash
# Installs what is missing, builds, and starts Kelvarin from the build's
# install tree: build/dist holds the front-end, the tool programs in pgm/ and
# the sample data file sample.dat. The front-end takes the folder it starts
# in as its home folder, so it is started from there.
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
source "$root/.ci/deps.sh"
cd "$build_dir/dist"
exec ./Kelvarin
