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
# Linux-only options (position-independent code, sanitizers). Parsing Qt's
# headers is most of the work, so each library's precompiled header set is
# built once more, by MinGW, and used in place of the build's (which is GCC's
# for Linux); that each file includes what it uses is clang-tidy's to show,
# which compiles every file alone.
python3 - "$build/compile_commands.json" "$compiler" "$build/windows-pch" "${files[@]/#/$root/}" >"$build/windows-check.commands" <<'PY'
import json, os, shlex, sys
database, compiler, pch_dir, wanted = sys.argv[1], sys.argv[2], sys.argv[3], sys.argv[4:]
commands = {entry["file"]: entry for entry in json.load(open(database))}
os.makedirs(pch_dir, exist_ok=True)
headers = {}  # the build's header set -> (MinGW's copy, the command that precompiles it)
lines = []
for path in wanted:
    entry = commands.get(path)
    if entry is None:
        sys.exit(f"{path} is not in {database}")
    arguments = entry["arguments"] if "arguments" in entry else shlex.split(entry["command"])
    kept, skip, header = [compiler], False, None
    for position, argument in enumerate(arguments[1:], start=1):
        following = arguments[position + 1] if position + 1 < len(arguments) else ""
        if skip:
            skip = False
        elif argument == "-include" and "cmake_pch" in following:
            header = following
            skip = True
        elif argument in ("-o", "-MF", "-MT", "-MQ"):
            skip = True
        elif argument in ("-c", "-MD", "-MMD", "-fPIC", "-Winvalid-pch", path) or \
                argument.startswith(("-fsanitize", "-fno-sanitize")):
            pass
        else:
            kept.append(argument.replace("/mkspecs/linux-g++", "/mkspecs/win32-g++"))
    if header:
        if header not in headers:
            copy = os.path.join(pch_dir, os.path.basename(os.path.dirname(header)) + ".hxx")
            # Without the pragma that only means something in an included file.
            with open(header) as source, open(copy, "w") as target:
                target.writelines(line for line in source if "system_header" not in line)
            headers[header] = (copy, shlex.join(kept + ["-x", "c++-header", copy, "-o", copy + ".gch"]))
        kept += ["-include", headers[header][0], "-Winvalid-pch"]
    lines.append(shlex.join(kept[:1] + ["-fsyntax-only"] + kept[1:] + [path]))
with open(os.path.join(pch_dir, "commands"), "w") as pch_commands:
    pch_commands.write("".join(command + "\n" for _, command in headers.values()))
print("\n".join(lines))
PY
# The libraries' header sets, side by side.
if ! xargs -P 2 -d '\n' -n 1 sh -c 'eval "$1"' _ <"$build/windows-pch/commands"; then
    echo "Windows compile check: the precompiled headers do not compile" >&2
    exit 1
fi
: >"$log"
# Two at a time; each failure's messages are kept in the log.
if ! xargs -P 2 -d '\n' -n 1 sh -c 'eval "$1" 2>>"$0" || { echo "FAILED: $1" >>"$0"; exit 1; }' \
    "$log" <"$build/windows-check.commands"; then
    grep -E 'error|FAILED' "$log" | head -40 >&2
    echo "Windows compile check failed (full log: $log)" >&2
    exit 1
fi
echo "Windows compile check: clean (${#files[@]} files)"
