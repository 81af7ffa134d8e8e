#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Corvale
# Start-up time: from starting a program to its window being visible, for Blinket and for a
# bare Qt program with a window of the same size, alternating round by round in an X server
# of their own, so that both see the same load on the machine. One unmeasured run of each
# first warms the file cache. Prints each round, then the median and range of each, the ratio
# of the medians, and the median of the rounds' own ratios (which a slow drift in the machine's
# load, as other people's builds come and go, affects less).
# With a third argument, another Blinket program (an earlier build, say) is timed in the same
# rounds, and its median and ratio are printed too: two builds are best compared side by side.
# Usage: startup.sh [build directory] [rounds] [other blinket]     (defaults: build, 15)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-$here/../build}" && pwd)
rounds=${2:-15}
other=${3:+$(realpath "$3")}

if [ -z "${STARTUP_IN_SERVER:-}" ]; then
    STARTUP_IN_SERVER=1 exec "$here/../tests/smoke/xserver.sh" "$0" "$build" "$rounds" \
        ${other:+"$other"}
fi

probe=$build/bench/bench_windowvisible
bare=$build/bench/bench_barewindow
blinket=$build/src/blinket
# Blinket may write its settings file in the folder it starts in.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
# As on a desktop session; without it Qt warns on every start.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    export XDG_RUNTIME_DIR=$work/runtime
    mkdir -m 700 "$XDG_RUNTIME_DIR"
fi

"$probe" Morse "$bare" > /dev/null
"$probe" Morse "$blinket" > /dev/null
[ -z "$other" ] || "$probe" Morse "$other" > /dev/null

bares=()
blinkets=()
others=()
ratios=()
printf '%5s %10s %10s %8s\n' round bare/ms blinket/ms ratio
for round in $(seq "$rounds"); do
    # Which one goes first alternates too, so neither always follows the other.
    if ((round % 2)); then
        b=$("$probe" Morse "$bare")
        k=$("$probe" Morse "$blinket")
        [ -z "$other" ] || others+=("$("$probe" Morse "$other")")
    else
        [ -z "$other" ] || others+=("$("$probe" Morse "$other")")
        k=$("$probe" Morse "$blinket")
        b=$("$probe" Morse "$bare")
    fi
    ratio=$(awk -v k="$k" -v b="$b" 'BEGIN { printf "%.3f", k / b }')
    bares+=("$b")
    blinkets+=("$k")
    ratios+=("$ratio")
    printf '%5d %10s %10s %8s\n' "$round" "$b" "$k" "$ratio"
done

# summary name values...: prints "name median min max" from the values.
summary() {
    local name=$1
    shift
    printf '%s\n' "$@" | sort -g | awk -v name="$name" '
        { v[NR] = $1 }
        END {
            median = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
            print name, median, v[1], v[NR]
        }'
}
{
    summary bare "${bares[@]}"
    summary blinket "${blinkets[@]}"
    [ -z "$other" ] || summary other "${others[@]}"
    summary ratio "${ratios[@]}"
} | awk '
    $1 == "ratio" { ratio = sprintf("median %.2f, range %.2f to %.2f", $2, $3, $4); next }
    { median[$1] = $2; printf "%-8s median %7.1f ms  range %7.1f to %7.1f ms\n", $1, $2, $3, $4 }
    END {
        printf "blinket/bare %.2f (ratio of the medians)\n", median["blinket"] / median["bare"]
        if ("other" in median)
            printf "other/bare %.2f (ratio of the medians)\n", median["other"] / median["bare"]
        printf "blinket/bare round by round: %s\n", ratio
    }'
