#!/usr/bin/env bash
# Pictures of the four pages in German, English and French (offscreen), and
# the README's picture of the main window.
# Usage: scripts/screenshots.sh [output-dir]   (default: build/screenshots)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
out=${1:-$root/build/screenshots}
cd "$root"
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build/test --target test_main_window test_curve_editor_widgets
mkdir -p "$out"
QT_QPA_PLATFORM=offscreen RV_SCREENSHOT_DIR="$out" build/test/tests/test_main_window screenshots >/dev/null
QT_QPA_PLATFORM=offscreen RV_SCREENSHOT_DIR="$out" build/test/tests/test_curve_editor_widgets >/dev/null
cp "$out/page1-en.png" docs/screenshot-main.png
echo "Pictures in $out; docs/screenshot-main.png updated."
