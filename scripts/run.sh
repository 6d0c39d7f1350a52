#!/usr/bin/env bash
# Builds an optimised build and starts the tool; arguments are passed through.
#   scripts/run.sh --simulate info
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
build="$root/build/release"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DORVANE_TESTS=OFF -DORVANE_BENCH=OFF >/dev/null
cmake --build "$build" -j "$(nproc 2>/dev/null || echo 2)" --target orvanectl >/dev/null
exec "$build/src/cli/orvanectl" "$@"
