#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the benchmarks optimised and prints their figures. Start-up is measured
# on the installed program: bench_startup starts an X server (Xvfb) of its own
# and times the program and a bare Qt window, each a fresh process, from launch
# to the server's first report that the window was painted.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
"$root/scripts/setup-debian.sh"
cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DRV_BUILD_TESTS=OFF >/dev/null
# Everything: the install below carries both executables, the icons and the manual pages.
cmake --build build/bench
quiet() { grep -v -e 'XDG_RUNTIME_DIR' -e 'propagateSizeHints'; }

echo "== bench_startup"
cmake --install build/bench --prefix build/bench/prefix >/dev/null
build/bench/bench/bench_startup 15 build/bench/prefix/bin/rotavionix-control

export QT_QPA_PLATFORM=offscreen
for bench in bench_load bench_curve_drag bench_transfer; do
    echo "== $bench"
    "build/bench/bench/$bench" 2>&1 | quiet
done
