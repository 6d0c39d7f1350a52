#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer, runs every
# test, then builds the fuzz targets with clang and runs each one briefly.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

"$root/scripts/setup.sh"

jobs=$(nproc 2>/dev/null || echo 2)
build="$root/build/sanitize"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DORVANE_SANITIZE=ON
cmake --build "$build" -j "$jobs"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure -j "$jobs"

# Short fuzz runs of every parser of outside bytes.
if command -v clang++ >/dev/null 2>&1; then
  fuzzbuild="$root/build/fuzz"
  cmake -S "$root" -B "$fuzzbuild" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ -DORVANE_FUZZ=ON -DORVANE_SANITIZE=ON \
    -DORVANE_TESTS=OFF -DORVANE_BENCH=OFF -DORVANE_UI=OFF \
    -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link"
  cmake --build "$fuzzbuild" -j "$jobs"
  for target in "$fuzzbuild"/fuzz/fuzz_*; do
    [ -x "$target" ] || continue
    name=$(basename "$target")
    corpus="$root/fuzz/corpus/${name#fuzz_}"
    args=(-max_total_time=15 -print_final_stats=0)
    work=$(mktemp -d)
    if [ -d "$corpus" ]; then
      cp -r "$corpus"/. "$work"/
    fi
    echo "fuzz: $name" >&2
    "$target" "${args[@]}" "$work" >/dev/null 2>"$work.log" || { cat "$work.log" >&2; exit 1; }
    rm -rf "$work" "$work.log"
  done
else
  echo "fuzz: clang++ not found, fuzz runs skipped" >&2
  exit 1
fi
echo "all tests and fuzz runs passed"
