#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds everything and runs every check once: the
# whole test suite in a debug build under AddressSanitizer and
# UndefinedBehaviorSanitizer (clang-tidy beside it), the optimised build, the format check,
# clang-tidy, the Windows compile check and a fixed fuzz run of the
# widget-free core. Warnings are errors in every build.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
jobs=$(nproc)
# A check left running in the background ends with the script.
trap 'kill $(jobs -p) 2>/dev/null || true' EXIT
# Each phase says when it started, so that a slow one is seen.
phase() {
    echo "== $* (at ${SECONDS} s)"
}

"$root/scripts/setup-debian.sh"

# The builds compile their libraries in batches; clang-tidy and the Windows
# check take every file alone, with the flags of the sanitizer build, from a
# configuration of its own that is never built.
cmake -S . -B build/files -G Ninja -DCMAKE_BUILD_TYPE=Debug -DRV_SANITIZE=ON -DRV_WERROR=ON -DRV_PRECOMPILE=ON >/dev/null

# One debug build runs the suite: the sanitizers check on top of what a plain
# debug build checks (assertions on, the same warnings), so it is not built twice.
phase "Build and test with AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build/sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DRV_SANITIZE=ON -DRV_WERROR=ON -DRV_PRECOMPILE=ON -DRV_UNITY=ON >/dev/null
cmake --build build/sanitize -j"$jobs"
# clang-tidy runs beside the tests at the lowest priority: the transfer tests
# spend most of their time waiting out the unit's pauses, one at a time, and
# leave the processors idle. At nice 19 it yields at once to a test that wakes.
phase "clang-tidy starts beside the tests"
nice -n 19 scripts/tidy.sh build/files >build/tidy.out 2>&1 &
tidy=$!
ctest --test-dir build/sanitize --output-on-failure -j"$jobs"

phase "Release build, as ./scripts/run.sh and the package build it"
# The optimiser warns where a debug build does not.
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DRV_WERROR=ON -DRV_PRECOMPILE=ON -DRV_UNITY=ON \
    -DRV_BUILD_TESTS=OFF -DRV_BUILD_BENCH=OFF >/dev/null
cmake --build build/release -j"$jobs" --target rotavionix-control rotavionix-cli

# -- The Debian package as a distribution would check it (scripts/package-check.sh).
phase "Debian package: lintian, AppStream, desktop entry, manual pages, install and removal"
scripts/package-check.sh build/release
# -- End of the package check.

phase "clang-format"
scripts/format-check.sh

phase "clang-tidy, waiting for it to finish"
status=0
wait "$tidy" || status=$?
cat build/tidy.out
[ "$status" -eq 0 ] || exit "$status"

# The fuzz run itself takes one processor; the Windows check has the other.
phase "Fuzzing the widget-free core, beside the Windows compile check"
nice -n 19 scripts/windows-check.sh build/files >build/windows-check.out 2>&1 &
windows=$!
scripts/fuzz.sh "${RV_FUZZ_RUNS:-10000}"
status=0
wait "$windows" || status=$?
cat build/windows-check.out
[ "$status" -eq 0 ] || exit "$status"
echo "== All checks passed in ${SECONDS} s"
