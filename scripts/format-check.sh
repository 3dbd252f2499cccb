#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a C++ file differs from what clang-format makes of it with the
# project's .clang-format. Fix with: clang-format -i <file>
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
formatter=$(command -v clang-format-14 || command -v clang-format)
mapfile -t files < <(git ls-files '*.cpp' '*.h')
"$formatter" --dry-run --Werror "${files[@]}"
echo "clang-format: clean (${#files[@]} files)"
