#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Corvale
# Key to light: from a press of the lamp key to the lamp painted lit, in Blinket's window while
# it keys and in a bare Qt window with a lamp shown while a key is held, in one X server of
# their own. The presses are made in rounds that alternate between the two, so that both see
# the same load on the machine; then a table of each one's median, 99th percentile and largest.
# Usage: keylatency.sh [build directory] [presses] [rounds]     (defaults: build, 200, 4)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-$here/../build}" && pwd)
presses=${2:-200}
rounds=${3:-4}

if [ -z "${KEYLATENCY_IN_SERVER:-}" ]; then
    KEYLATENCY_IN_SERVER=1 exec "$here/../tests/smoke/xserver.sh" "$0" "$build" "$presses" \
        "$rounds"
fi

bench=$build/bench/bench_keylatency
# Blinket may write its settings file in the folder it starts in (the benchmark keeps its
# practice history and options in folders of its own).
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
export LC_ALL=C.UTF-8
# No session bus to launch, as in the end-to-end tests.
export DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent/bus
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    export XDG_RUNTIME_DIR=$work/runtime
    mkdir -m 700 "$XDG_RUNTIME_DIR"
fi

each=$(((presses + rounds - 1) / rounds))
for round in $(seq "$rounds"); do
    # Which one goes first alternates too, so neither always follows the other.
    if ((round % 2)); then order="bare blinket"; else order="blinket bare"; fi
    for which in $order; do
        "$bench" "$which" "$each" "$round" >> "$work/$which" 2>> "$work/log" || {
            echo "bench_keylatency $which failed:"
            cat "$work/log"
            exit 1
        }
    done
done

printf '%-8s %8s %10s %8s %8s %7s\n' window presses median/ms p99/ms max/ms missed
for which in bare blinket; do
    missed=$(grep -c missed "$work/$which" || true)
    grep -v missed "$work/$which" | sort -g | awk -v which="$which" -v missed="$missed" '
        { v[NR] = $1 }
        END {
            median = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
            p99 = v[int(0.99 * (NR - 1) + 0.5) + 1]
            printf "%-8s %8d %10.2f %8.2f %8.2f %7d\n", which, NR, median, p99, v[NR], missed
        }'
done
