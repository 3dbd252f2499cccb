#!/usr/bin/env bash
# Builds the benchmarks optimised and prints their figures.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
"$root/scripts/setup-debian.sh"
cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DRV_BUILD_TESTS=OFF >/dev/null
cmake --build build/bench --target bench_startup bench_load bench_curve_drag bench_transfer
export QT_QPA_PLATFORM=offscreen
for bench in bench_startup bench_load bench_curve_drag bench_transfer; do
    echo "== $bench"
    "build/bench/bench/$bench" 2>&1 | grep -v -e 'XDG_RUNTIME_DIR' -e 'propagateSizeHints'
done
