#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Corvale
# Fails when the Progress window's module crosses its boundary: when it exports anything but
# Qt's plugin entry points, or holds a copy of a function or object of our own libraries (a
# second PracticeHistory with its own connection counter, say). Inline functions of their
# headers may be compiled into it; anything else of ours must not be.
# Usage: tools/check-module-boundary.sh <module> <static library of ours>...
set -euo pipefail
module=$1
shift
found=0

exported=$(nm -D --defined-only "$module" | awk '{ print $3 }' | sort)
expected=$(printf '%s\n' qt_plugin_instance qt_plugin_query_metadata_v2)
if [ "$exported" != "$expected" ]; then
    echo "$module exports more or other than Qt's plugin entry points:"
    echo "$exported"
    found=1
fi

# The module's own symbols, local ones too: a copy of ours would be hidden, not gone. Without
# them (a stripped module) there is nothing to check, which must not pass for a clean module.
own=$(nm "$module" | awk 'NF == 3 { print $3 }' | sort -u)
if ! grep -q ProgressWindow <<< "$own"; then
    echo "$module has no symbol table to look into (stripped?)"
    exit 1
fi
# Every function and object our libraries define for others to link: strong text, data and
# read-only symbols. Weak ones are inline functions and templates, which may be compiled in.
ours=$(nm --defined-only --extern-only "$@" 2> /dev/null | awk 'NF == 3 && $2 ~ /^[TDRB]$/ { print $3 }' | sort -u)
copies=$(comm -12 <(echo "$own") <(echo "$ours"))
if [ -n "$copies" ]; then
    echo "$module holds copies of symbols of our libraries:"
    c++filt <<< "$copies" | head -n 50
    found=1
fi
# By name too, the ones seen when the module linked its own copy of the practice layer.
demangled=$(nm -C "$module")
for name in 'blinket::PracticeHistory::' 'blinket::scoreCopy('; do
    if grep -qF "$name" <<< "$demangled"; then
        echo "$module holds $name"
        found=1
    fi
done

[ $found = 0 ] && echo "$module exports its two entry points and holds nothing of our libraries"
exit $found
