#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Fuzzes the widget-free core (parameter-file record, image checks, curve gap
# filling, transfer block texts, number reading, a file loaded, saved, loaded
# again and sent) for a fixed number of inputs from the committed seed corpus
# fuzz/corpus/ with a fixed random seed, so that a run, and a fault it finds,
# comes out the same on every machine.
# Usage: scripts/fuzz.sh [runs] [seed]   (defaults: 10,000 inputs, seed 25)
# Configures build-fuzz with clang (the core instrumented, no tests, no
# benchmarks), builds the target and exits non-zero when the fuzzer finds a
# fault; the failing input is written into build-fuzz/.
#
# The first byte of an input picks the part: 0 record, 1 image, 2 curve,
# 3 transfer blocks, 4 a typed number, 5 a file's round trip through the setup
# (what follows its 1,570 bytes is loaded first), 6 a setup text.
set -eu

runs=${1:-10000}
seed=${2:-25}
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-fuzz"

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DRV_WERROR=ON -DRV_UNITY=ON -DRV_PRECOMPILE=ON \
    -DCMAKE_CXX_COMPILER=clang++ -DRV_BUILD_FUZZ=ON -DRV_BUILD_TESTS=OFF -DRV_BUILD_BENCH=OFF \
    >/dev/null
cmake --build "$build" --target fuzz_core -j2

# What the run adds goes into a fresh folder of its own (the first one named),
# never into the committed seeds, and never carries over into the next run.
found="$build/fuzz-found"
rm -rf "$found"
mkdir -p "$found"
"$build/fuzz/fuzz_core" -seed="$seed" -runs="$runs" -max_len=2048 -timeout=10 \
    -artifact_prefix="$build/" "$found" "$root/fuzz/corpus"
