#!/usr/bin/env bash
# Installs what is missing, checks the formatting, builds, and runs every test.
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
source "$root/.ci/deps.sh"
"$root/.ci/check-format.sh"
cd "$build_dir"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)"
"$root/.ci/engines-without-qt.sh"
"$root/.ci/sanitize.sh"
