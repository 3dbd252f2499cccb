#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs clang-tidy with the project's check list over every file of src/ and
# app/, two at a time.
# Usage: scripts/tidy.sh [build-dir with compile_commands.json]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-$root/build/test}
cd "$root"
if [ ! -f "$build/compile_commands.json" ]; then
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
    cmake --build "$build" -j2
fi
# The build's precompiled headers are GCC's, which clang cannot read: clang-tidy
# gets the same commands without them (and so also sees a missing include).
database="$build/tidy"
mkdir -p "$database"
mapfile -t files < <(git ls-files 'src/*.cpp' 'app/*.cpp')
python3 - "$build/compile_commands.json" "${files[@]/#/$root/}" >"$database/compile_commands.json" <<'PY'
import json, shlex, sys
entries = json.load(open(sys.argv[1]))
# A file the database lacks would be passed over in silence (a unity build
# lists its batches, not its files): refuse instead.
missing = set(sys.argv[2:]) - {entry["file"] for entry in entries}
if missing:
    sys.exit("not in %s: %s" % (sys.argv[1], " ".join(sorted(missing))))
for entry in entries:
    arguments = entry.pop("arguments", None) or shlex.split(entry.pop("command"))
    kept, skip = [], False
    for position, argument in enumerate(arguments):
        if skip:
            skip = False
        elif argument == "-include" and "cmake_pch" in arguments[position + 1]:
            skip = True
        elif argument != "-Winvalid-pch":
            kept.append(argument)
    entry["arguments"] = kept
json.dump(entries, sys.stdout, indent=1)
PY
runner=$(command -v run-clang-tidy-14 || command -v run-clang-tidy)
if ! "$runner" -quiet -p "$database" -j 2 "${files[@]/#/$root/}" >"$database/clang-tidy.log" 2>&1; then
    grep -E 'warning:|error:' "$database/clang-tidy.log" | sort -u | head -50
    echo "clang-tidy found problems (full log: $database/clang-tidy.log)" >&2
    exit 1
fi
echo "clang-tidy: clean (${#files[@]} files)"
