#!/usr/bin/env bash
# Builds an optimised build and starts the tool; arguments are passed through.
#   scripts/run.sh --simulate          the window, on the simulated mouse
#   scripts/run.sh --simulate info     orvanectl, when a command word is given
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
build="$root/build/release"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DORVANE_TESTS=OFF -DORVANE_BENCH=OFF >/dev/null
cmake --build "$build" -j "$(nproc 2>/dev/null || echo 2)" --target orvanectl orvane-config >/dev/null

for arg in "$@"; do
  case "$arg" in
    list|info|read|write|preset|show) exec "$build/src/cli/orvanectl" "$@" ;;
  esac
done
exec "$build/src/orvane-config" "$@"
