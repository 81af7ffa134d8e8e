#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Corvale
# How well keying is read back: the real program, asked to key a word, keyed on its lamp key by
# the keyer (tests/smoke/keyer) in one X server of their own, several trials a case: the word at
# 5, 12 and 20 words a minute with International proportions, with each element up to a fifth
# longer or shorter at random, and with a short dash (1.6 dots) and short letter gaps (1.5
# dots). Prints per case how many trials were read as keyed and, where the practice history
# keeps a merit, its lowest, median and highest. Each trial starts the program afresh; a trial
# whose keying was not kept (the program did not start it, or never ended it) counts as failed.
# The lamp key repeats when held long, as a keyboard's does; "off" as the last argument turns
# its repeat off, to tell the reading of a slow hand from the handling of the repeats.
# Usage: keyingreadback.sh [build directory] [trials] [word] [speeds] [repeat: on|off]
#        (defaults: build, 5, PARIS, "5 12 20", on)
# The build needs the tests (BLINKET_TESTS) for the keyer.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-$here/../build}" && pwd)
trials=${2:-5}
word=${3:-PARIS}
speeds=${4:-5 12 20}
repeat=${5:-on}

if [ -z "${READBACK_IN_SERVER:-}" ]; then
    READBACK_IN_SERVER=1 exec "$here/../tests/smoke/xserver.sh" "$0" "$build" "$trials" "$word" \
        "$speeds" "$repeat"
fi

source "$here/../tests/smoke/common.sh"
program=$build/src/blinket
keyer=$build/tests/smoke/keyer
history=$XDG_DATA_HOME/blinket/history.sqlite
export LC_ALL=C.UTF-8
# No session bus to launch, as in the end-to-end tests.
export DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent/bus
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    export XDG_RUNTIME_DIR=$work/runtime
    mkdir -m 700 "$XDG_RUNTIME_DIR"
fi
# The exercise asks for the word: the one word of the text runs' source.
printf '%s\n' "$word" >"$work/word.txt"
mkdir -p "$XDG_CONFIG_HOME/blinket" "$work/run"
printf '[runs]\ntextFile=%s\n[keying]\nsend=words\n' "$work/word.txt" \
    >"$XDG_CONFIG_HOME/blinket/blinket.conf"
cd "$work/run"

keyer_options=(--text "$word")
[ "$repeat" = on ] || keyer_options+=(--no-repeat)
has_merit=
failed=0
# trial options...: one keying of the word in a fresh program, kept in the history.
trial() {
    start "$program"
    find_window
    # In a subshell: a trial that fails ends it alone, not the measurement.
    (keyed_exercise "$keyer" "${keyer_options[@]}" "$@") >"$work/trial" ||
        { failed=$((failed + 1)); sed 's/^/    failed: /' "$work/trial"; }
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    pid=
}

cases=("International|" "spread 20 %|--spread 0.2"
    "dash 1.6, letter gap 1.5|--dash 1.6 --letter-gap 1.5")
printf '%-26s %4s %10s %26s\n' case wpm "read right" "merit min/median/max"
for wpm in $speeds; do
    for each in "${cases[@]}"; do
        name=${each%%|*}
        read -r -a options <<<"${each#*|}"
        newest=0
        if [ -f "$history" ]; then
            newest=$(query "SELECT coalesce(max(id), 0) FROM runs" 2>/dev/null) || newest=0
        fi
        first=$((newest + 1))
        for seed in $(seq "$trials"); do
            trial --wpm "$wpm" --seed "$seed" ${options[@]+"${options[@]}"}
        done
        [ -n "$has_merit" ] ||
            has_merit=$(query "SELECT count(*) FROM pragma_table_info('runs') WHERE name = 'merit'")
        right=$(query "SELECT count(*) FROM runs WHERE id >= $first AND copy = '$word'")
        merits=-
        if [ "$has_merit" = 1 ]; then
            merits=$(query "SELECT merit FROM runs WHERE id >= $first" | sort -g | awk '
                { v[NR] = $1 }
                END {
                    median = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
                    printf "%d / %g / %d", v[1], median, v[NR]
                }')
        fi
        printf '%-26s %4s %10s %26s\n' "$name" "$wpm" "$right/$trials" "$merits"
        query "SELECT copy FROM runs WHERE id >= $first" | paste -sd ' ' | sed 's/^/    read: /'
    done
done
echo "lamp key repeat $repeat; $failed trials failed"
[ "$has_merit" = 1 ] || echo "(this build's practice history keeps no merit: the reading alone)"
