#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Corvale
# Closes the real program's window while a run of random letters is in progress, as the
# title bar's close button does, and checks that the run stops and the program ends with
# status 0 well before the run would have. Usage: closeduringrun.sh <blinket> <closewindow>
set -euo pipefail
source "$(dirname "$0")/common.sh"
program=$1
closewindow=$2

# The lesson button EISH, in window pixels: hidden with its panel while a run is going.
lesson_button() {
    capture "$work/shot.png"
    convert "$work/shot.png" -crop 49x17+32+72 +repage "$work/crop.png"
    identify -format '%#' "$work/crop.png"
}

mkdir "$work/run"
cd "$work/run"
start "$program"
find_window
before=$(lesson_button)
click_at 84 228 # "A  to  Z"
run_started() { [ "$(lesson_button)" != "$before" ]; }
poll 5 run_started || { echo 'clicking "A  to  Z" started no run (the letter panel stayed in view)'; exit 1; }
closed=$(date +%s%N)
"$closewindow" "$window"
# A run of the three minutes typed would go on for minutes; one element at the speed given,
# 4, lasts 1.6 s at most.
wait_for_end 5
[ "$status" -eq 0 ] || { echo "the program ended with status $status"; exit 1; }
[ -z "$(ls -A "$work/run")" ] || { echo "the program wrote files: $(ls -A "$work/run")"; exit 1; }
echo "closed during a run: ended with status 0 after $((($(date +%s%N) - closed) / 1000000)) ms"
