#!/bin/sh
# Fuzzes the parameter-file reader for a bounded time (default 60 seconds).
# Configures build-fuzz with clang, builds the target, generates a small seed
# corpus and exits non-zero when the fuzzer finds a fault.
set -eu

seconds=${1:-60}
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-fuzz"

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ -DRV_BUILD_FUZZ=ON
cmake --build "$build" --target fuzz_record -j2

corpus="$build/fuzz-corpus"
mkdir -p "$corpus"
: >"$corpus/empty"
head -c 1570 /dev/zero >"$corpus/zero-record"
head -c 600 /dev/urandom >"$corpus/short-into-comment"
head -c 1570 /dev/urandom >"$corpus/random-record"
head -c 2100 /dev/urandom >"$corpus/longer-than-record"
{ head -c 570 /dev/zero; printf 'abc\344\366\374\337\200'; head -c 992 /dev/zero | tr '\0' ' '; } \
    >"$corpus/comment-record"

# libFuzzer writes the failing input next to the build and returns non-zero.
"$build/fuzz/fuzz_record" -max_total_time="$seconds" -max_len=2048 -timeout=10 \
    -artifact_prefix="$build/" "$corpus"
