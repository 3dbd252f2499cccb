#!/bin/sh
# Fuzzes the widget-free core (parameter-file record, image checks, curve gap
# filling, transfer block texts, number reading, a file loaded, saved, loaded
# again and sent) for a bounded time (default 60 seconds).
# Configures build-fuzz with clang (the core instrumented, no tests, no
# benchmarks), builds the target, generates a small seed corpus and exits
# non-zero when the fuzzer finds a fault.
set -eu

seconds=${1:-60}
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-fuzz"

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ -DRV_BUILD_FUZZ=ON -DRV_BUILD_TESTS=OFF -DRV_BUILD_BENCH=OFF
cmake --build "$build" --target fuzz_core -j2

# The first byte of an input picks the part: 0 record, 1 image, 2 curve,
# 3 transfer blocks, 4 a typed number, 5 a file's round trip through the setup
# (what follows its 1,570 bytes is loaded first), 6 a setup text.
corpus="$build/fuzz-corpus"
mkdir -p "$corpus"
: >"$corpus/empty"
{ printf '\000'; head -c 1570 /dev/zero; } >"$corpus/zero-record"
{ printf '\000'; head -c 600 /dev/urandom; } >"$corpus/short-into-comment"
{ printf '\000'; head -c 1570 /dev/urandom; } >"$corpus/random-record"
{ printf '\000'; head -c 2100 /dev/urandom; } >"$corpus/longer-than-record"
{ printf '\000'; head -c 570 /dev/zero; printf 'abc\344\366\374\337\200\r\r\n\n'
  head -c 988 /dev/zero | tr '\0' ' '; } >"$corpus/comment-record"
{ printf '\001'; head -c 71 /dev/urandom; } >"$corpus/random-image"
{ printf '\002'; printf '\000\000\377\377\377\377\144\000\377\377\310\000'; } >"$corpus/curve-with-gaps"
{ printf '\003'; head -c 314 /dev/urandom; } >"$corpus/random-transfer"
printf '\00412,5' >"$corpus/number-german"
printf '\0041e300' >"$corpus/number-huge"
printf '\004 -0.5 ' >"$corpus/number-half"
{ printf '\005'; cat "$root/data/Default.rvc"; } >"$corpus/setup-default"
{ printf '\006'; head -c 2000 "$root/tests/data/text/Default.txt"; } >"$corpus/setup-text"
{ printf '\006'; cat "$root/data/Default.rvc"; } >"$corpus/text-of-record"
previous="$root/data/Default.rvc"
for file in "$root"/tests/data/regression/0[0-9].rvc; do
    name=$(basename "$file" .rvc)
    { printf '\005'; cat "$file"; } >"$corpus/setup-$name"
    # The same file met by another one's image and curves.
    { printf '\005'; cat "$file"; head -c 477 "$previous"; } >"$corpus/setup-$name-after"
    previous=$file
done

# libFuzzer writes the failing input next to the build and returns non-zero.
"$build/fuzz/fuzz_core" -max_total_time="$seconds" -max_len=2048 -timeout=10 \
    -artifact_prefix="$build/" "$corpus"
