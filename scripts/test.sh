#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every check:
# the test suite, the same suite under AddressSanitizer and
# UndefinedBehaviorSanitizer, the optimised build, the format check, clang-tidy, and the
# fuzz target of the widget-free core.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
jobs=$(nproc)

"$root/scripts/setup-debian.sh"

echo "== Build and test"
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build/test -j"$jobs"
QT_QPA_PLATFORM=offscreen ctest --test-dir build/test --output-on-failure -j"$jobs"

echo "== Build and test with AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build/sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DRV_SANITIZE=ON -DRV_BUILD_BENCH=OFF >/dev/null
cmake --build build/sanitize -j"$jobs"
QT_QPA_PLATFORM=offscreen ctest --test-dir build/sanitize --output-on-failure -j"$jobs"

echo "== Release build, as ./scripts/run.sh and the package build it"
# The optimiser warns where a debug build does not, and warnings are errors.
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DRV_BUILD_TESTS=OFF -DRV_BUILD_BENCH=OFF >/dev/null
cmake --build build/release -j"$jobs" --target rotavionix-control rotavionix-cli

# -- The Debian package as a distribution would check it (scripts/package-check.sh).
echo "== Debian package: lintian, AppStream, desktop entry, manual pages, install and removal"
scripts/package-check.sh build/release
# -- End of the package check.

echo "== clang-format"
scripts/format-check.sh

if [ -x scripts/tidy.sh ]; then
    echo "== clang-tidy"
    scripts/tidy.sh build/test
fi

if [ -x scripts/fuzz.sh ]; then
    echo "== Fuzzing the widget-free core"
    scripts/fuzz.sh "${RV_FUZZ_SECONDS:-60}"
fi

echo "== Final test run"
QT_QPA_PLATFORM=offscreen ctest --test-dir build/test -j"$jobs"
