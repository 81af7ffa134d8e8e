#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Corvale
# Ends the real program between runs and checks that it ends at once, with status 0, having
# written nothing. Usage: exit.sh <blinket> <closewindow> alt+x|button|close
set -euo pipefail
source "$(dirname "$0")/common.sh"
program=$1
closewindow=$2
how=$3

mkdir "$work/run"
cd "$work/run"
start "$program"
find_window
case $how in
alt+x)
    # Without a window manager the window may take a moment to have the keyboard: give it
    # the focus and press the keys until the program ends.
    press_alt_x() {
        xdotool windowfocus --sync "$window" 2>/dev/null && xdotool key alt+x
        ended() { ! running_program; }
        poll 1 ended
    }
    poll 10 press_alt_x || true
    ;;
button) click_at 48 476 ;; # the centre of Exit
close) "$closewindow" "$window" ;;
*)
    echo "unknown way to end: $how"
    exit 2
    ;;
esac
wait_for_end 10
[ "$status" -eq 0 ] || { echo "the program ended with status $status"; exit 1; }
[ -z "$(ls -A "$work/run")" ] || { echo "the program wrote files: $(ls -A "$work/run")"; exit 1; }
echo "ended by $how with status 0"
