#!/usr/bin/env bash
# Installs what is missing and builds the program, the tests and the benchmarks.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${PENTARIX_BUILD_DIR:-$root/build}
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPENTARIX_WERROR=ON >/dev/null
cmake --build "$build" -j "$(nproc)"
