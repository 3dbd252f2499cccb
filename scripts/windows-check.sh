#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Compiles every file of src/ and app/ for Windows, syntax only: Debian's
# MinGW-w64 compiler with the flags this build uses (compile_commands.json),
# against the same Qt headers, with Q_OS_WIN set by the compiler. Shows that
# the Windows-only code (per-user settings, COM port names) still compiles;
# it links nothing and runs nothing.
# Usage: scripts/windows-check.sh [build-dir with compile_commands.json]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-$root/build/test}
cd "$root"
compiler=x86_64-w64-mingw32-g++-posix
command -v "$compiler" >/dev/null || {
    echo "$compiler is missing (package g++-mingw-w64-x86-64-posix)" >&2
    exit 1
}
if [ ! -f "$build/compile_commands.json" ]; then
    echo "No $build/compile_commands.json: configure that build first." >&2
    exit 1
fi
log="$build/windows-check.log"
mapfile -t files < <(git ls-files 'src/*.cpp' 'app/*.cpp')
# One line a file: the compiler and its flags, without output, dependency and
# Linux-only options (position-independent code, sanitizers) and without the
# build's precompiled headers, so that each file shows it includes what it uses.
python3 - "$build/compile_commands.json" "$compiler" "${files[@]/#/$root/}" >"$build/windows-check.commands" <<'PY'
import json, shlex, sys
database, compiler, wanted = sys.argv[1], sys.argv[2], sys.argv[3:]
commands = {entry["file"]: entry for entry in json.load(open(database))}
for path in wanted:
    entry = commands.get(path)
    if entry is None:
        sys.exit(f"{path} is not in {database}")
    arguments = entry["arguments"] if "arguments" in entry else shlex.split(entry["command"])
    kept, skip = [compiler, "-fsyntax-only"], False
    for position, argument in enumerate(arguments[1:], start=1):
        following = arguments[position + 1] if position + 1 < len(arguments) else ""
        if skip:
            skip = False
        elif argument in ("-o", "-MF", "-MT", "-MQ") or (
                argument == "-include" and "cmake_pch" in following):
            skip = True
        elif argument in ("-c", "-MD", "-MMD", "-fPIC", "-Winvalid-pch", path) or \
                argument.startswith(("-fsanitize", "-fno-sanitize")):
            pass
        else:
            kept.append(argument.replace("/mkspecs/linux-g++", "/mkspecs/win32-g++"))
    kept.append(path)
    print(shlex.join(kept))
PY
: >"$log"
# Two at a time; each failure's messages are kept in the log.
if ! xargs -P 2 -d '\n' -n 1 sh -c 'eval "$1" 2>>"$0" || { echo "FAILED: $1" >>"$0"; exit 1; }' \
    "$log" <"$build/windows-check.commands"; then
    grep -E 'error|FAILED' "$log" | head -40 >&2
    echo "Windows compile check failed (full log: $log)" >&2
    exit 1
fi
echo "Windows compile check: clean (${#files[@]} files)"
