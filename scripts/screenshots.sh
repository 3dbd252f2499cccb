#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Pictures of the four pages and the Compare dialog in German, English and
# French (offscreen), and the README's pictures.
# Usage: scripts/screenshots.sh [output-dir]   (default: build/screenshots)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
out=${1:-$root/build/screenshots}
cd "$root"
# Any configured build will do: RV_BUILD=build/dev scripts/screenshots.sh
build=${RV_BUILD:-build/test}
[ -f "$build/CMakeCache.txt" ] || cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build "$build" --target window_tests
mkdir -p "$out"
QT_QPA_PLATFORM=offscreen RV_SCREENSHOT_DIR="$out" "$build"/tests/window_tests test_main_window screenshots >/dev/null
QT_QPA_PLATFORM=offscreen RV_SCREENSHOT_DIR="$out" "$build"/tests/window_tests test_curve_editor_widgets >/dev/null
QT_QPA_PLATFORM=offscreen RV_SCREENSHOT_DIR="$out" "$build"/tests/window_tests test_compare screenshots >/dev/null
cp "$out/page1-en.png" docs/screenshot-main.png
cp "$out"/compare-{de,en,fr}.png docs/
echo "Pictures in $out; docs/screenshot-main.png and docs/compare-*.png updated."
