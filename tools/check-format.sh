#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Corvale
# Fails when clang-format, with the repository's .clang-format, would change a tracked C++
# file, and names the files. Usage: tools/check-format.sh
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
if ! git rev-parse --is-inside-work-tree > /dev/null 2>&1; then
    echo "not a git work tree: the files to check are the tracked ones"
    exit 77
fi
mapfile -t files < <(git ls-files -- '*.cpp' '*.h')
unformatted=$(clang-format --dry-run "${files[@]}" 2>&1 | grep -oE '^[^:]+\.(cpp|h)' | sort -u || true)
if [ -n "$unformatted" ]; then
    echo "clang-format would change these files (run clang-format -i on them):"
    echo "$unformatted"
    exit 1
fi
echo "${#files[@]} files are formatted"
