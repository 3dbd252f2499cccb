#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds the program and starts it in the current
# directory (where it looks for Default.rvc and the help documents).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

"$root/scripts/setup-debian.sh"
cmake -S "$root" -B "$root/build/release" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DRV_BUILD_TESTS=OFF -DRV_BUILD_BENCH=OFF >/dev/null
cmake --build "$root/build/release" --target rotavionix-control

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "Rotavionix Control needs a graphical desktop, and this session has no display (neither DISPLAY nor WAYLAND_DISPLAY is set)." >&2
    exit 1
fi

# A first start should open a neutral setup rather than an error.
if [ ! -e Default.rvc ]; then
    cp "$root/data/Default.rvc" Default.rvc
    echo "Copied the neutral starting setup Default.rvc into $(pwd)."
fi

exec "$root/build/release/rotavionix-control"
