#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Corvale
# Types letters during a real lesson run, opens the Progress window from the main window,
# and checks with the sqlite3 tool that the practice history, under XDG_DATA_HOME, holds the
# run; a run without typing adds nothing, and the Progress window hides while it sends.
# Usage: progress.sh <blinket>
set -euo pipefail
source "$(dirname "$0")/common.sh"
program=$1
history=$XDG_DATA_HOME/blinket/history.sqlite

mkdir "$work/run"
cd "$work/run"
start "$program"
find_window
main=$window
typed_lesson_run wgwg
poll 20 titled 'Copy check' || { echo "no window titled Copy check appeared"; exit 1; }
# The run is kept as its check opens: wait out the moment between the two.
poll 5 test -f "$history" || { echo "no practice history at $history"; exit 1; }

# Progress, below the letter-training panel of the main window.
window=$main
click_at 244 293 # Progress
poll 10 titled Progress || { echo "no window titled Progress appeared"; exit 1; }
runs=$(query "SELECT count(*) FROM runs")
[ "$runs" = 1 ] || { echo "the history holds $runs runs, not 1"; exit 1; }
row=$(query "SELECT kind, lesson, speed, minutes, copy FROM runs")
[ "$row" = "lesson|3|8|0.1|WGWG" ] || { echo "the stored run reads $row"; exit 1; }
outcomes=$(query "SELECT count(*) FROM letter_outcomes")
sent=$(query "SELECT length(sent) FROM runs")
[ "$outcomes" = "$sent" ] || { echo "$outcomes letter outcomes for $sent letters sent"; exit 1; }

# A run read on paper adds nothing. The Progress window may cover the main one: bring that
# to the front first.
window=$main
xdotool windowraise "$main"
click_at 56 128
# Nothing of the Progress window can be used while the lamp sends: it hides, and comes back.
hidden() { ! titled Progress; }
poll 5 hidden || { echo "the Progress window stayed during the run"; exit 1; }
ended() { ! titled 'Copy check' && [ "$(pixel_now 20 470)" != 128,128,128 ]; }
pixel_now() { capture "$work/now.png" && pixel "$work/now.png" "$@"; }
poll 20 ended || { echo "the second run did not end"; exit 1; }
poll 5 titled Progress || { echo "the Progress window did not come back after the run"; exit 1; }
runs=$(query "SELECT count(*) FROM runs")
[ "$runs" = 1 ] || { echo "a run without a copy was kept: $runs runs"; exit 1; }
running_program || { echo "the program died"; exit 1; }
echo "a typed run is kept in $history and the Progress window opens"
