#!/usr/bin/env bash
# Runs clang-tidy with the project's check list over the program's sources.
# Usage: scripts/tidy.sh [build-dir with compile_commands.json]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-$root/build/test}
cd "$root"
if [ ! -f "$build/compile_commands.json" ]; then
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
    cmake --build "$build" -j"$(nproc)"
fi
runner=$(command -v run-clang-tidy-14 || command -v run-clang-tidy || true)
mapfile -t files < <(git ls-files 'src/*.cpp' 'app/*.cpp')
if [ -n "$runner" ]; then
    "$runner" -quiet -p "$build" -j "$(nproc)" "${files[@]/#/$root/}" >"$build/clang-tidy.log" 2>&1 || {
        grep -E 'warning:|error:' "$build/clang-tidy.log" | sort -u | head -50
        echo "clang-tidy found problems (full log: $build/clang-tidy.log)" >&2
        exit 1
    }
else
    for file in "${files[@]}"; do
        clang-tidy --quiet -p "$build" "$file"
    done
fi
echo "clang-tidy: clean (${#files[@]} files)"
