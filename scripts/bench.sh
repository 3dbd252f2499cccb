#!/usr/bin/env bash
# Builds the benchmarks optimised and prints their figures. Start-up is
# measured twice: on an X server (Xvfb), the way the program starts on a Linux
# desktop, and on Qt's offscreen platform, which has next to no cost of its own.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
"$root/scripts/setup-debian.sh"
cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DRV_BUILD_TESTS=OFF >/dev/null
cmake --build build/bench --target bench_startup bench_load bench_curve_drag bench_transfer
quiet() { grep -v -e 'XDG_RUNTIME_DIR' -e 'propagateSizeHints'; }

echo "== bench_startup"
xvfb-run -a -s "-screen 0 1280x1024x24" env QT_QPA_PLATFORM=xcb build/bench/bench/bench_startup 21 2>&1 | quiet
QT_QPA_PLATFORM=offscreen build/bench/bench/bench_startup 21 2>&1 | quiet

export QT_QPA_PLATFORM=offscreen
for bench in bench_load bench_curve_drag bench_transfer; do
    echo "== $bench"
    "build/bench/bench/$bench" 2>&1 | quiet
done
