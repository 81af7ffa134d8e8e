#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Corvale
# Gives every tracked source, test, script and CMake file the two licence lines at its top
# (after the #! line of a script), in the file's own comment syntax, and leaves files that
# have them as they are, so it can be run again after any merge. With --check it changes
# nothing, names the files that lack a line, and fails if there are any.
# Usage: tools/add-licence-headers.sh [--check]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
identifier='SPDX-License-Identifier: GPL-3.0-or-later'
copyright='SPDX-FileCopyrightText: 2026 Corvale'
# How far down the lines may be and still count as the file's top.
top=5

if ! git -C "$root" rev-parse --is-inside-work-tree > /dev/null 2>&1; then
    echo "$root is not a git work tree: the files to check are the tracked ones"
    exit 77
fi

# The files that carry the lines: C++ sources and headers, shell scripts, CMake files, the
# CI script and the tools.
licensed_files() {
    git -C "$root" ls-files -- '*.cpp' '*.h' '*.sh' CMakeLists.txt '*/CMakeLists.txt' \
        '*.cmake' .ci/run 'tools/*'
}

# has file text: whether the file's top holds the text.
has() {
    head -n "$top" "$1" | grep -qF "$2"
}

# add_lines file: puts the lines the file lacks where they belong.
add_lines() {
    local file=$1 comment='#'
    case $file in
    *.cpp | *.h) comment='//' ;;
    esac
    local lines=()
    has "$file" "$identifier" || lines+=("$comment $identifier")
    has "$file" "$copyright" || lines+=("$comment $copyright")
    [ ${#lines[@]} -gt 0 ] || return 0
    local after=0 # the line they go after: none, or the #! line
    [[ $(head -n 1 "$file") == '#!'* ]] && after=1
    if [ ${#lines[@]} -eq 1 ]; then
        # One line is there already: the identifier goes above it, the copyright below.
        local present=$copyright
        has "$file" "$identifier" && present=$identifier
        after=$(head -n "$top" "$file" | grep -nF "$present" | head -n 1 | cut -d : -f 1)
        [ "$present" = "$identifier" ] || after=$((after - 1))
    elif [ "$comment" = // ]; then
        lines+=("") # apart from the includes and the file's own comments
    fi
    {
        head -n "$after" "$file"
        printf '%s\n' "${lines[@]}"
        tail -n +"$((after + 1))" "$file"
    } > "$file.licence"
    # Written aside, then moved over the file keeping its mode (scripts stay executable).
    chmod --reference="$file" "$file.licence"
    mv "$file.licence" "$file"
    echo "$file"
}

cd "$root"
if [ "${1:-}" = --check ]; then
    # One awk for all the files: a process or two for each would take seconds.
    mapfile -t files < <(licensed_files)
    mapfile -t missing < <(awk -v top="$top" -v identifier="$identifier" \
        -v copyright="$copyright" 'BEGIN {
            for (i = 1; i < ARGC; i++) {
                has_identifier = has_copyright = 0
                for (n = 0; n < top && (getline line < ARGV[i]) > 0; n++) {
                    if (index(line, identifier)) has_identifier = 1
                    if (index(line, copyright)) has_copyright = 1
                }
                close(ARGV[i])
                if (!has_identifier || !has_copyright) print ARGV[i]
            }
        }' "${files[@]}")
    if [ ${#missing[@]} -gt 0 ]; then
        echo "without \"$identifier\" and \"$copyright\" in their first $top lines:"
        printf '  %s\n' "${missing[@]}"
        echo "tools/add-licence-headers.sh adds them"
        exit 1
    fi
    echo "all ${#files[@]} source, test, script and CMake files carry the licence lines"
else
    while IFS= read -r file; do
        add_lines "$file"
    done < <(licensed_files)
fi
