#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Corvale
# Starts an A-to-Z run of the real program with a click, stops it with a click on Stop
# during the lead-in, and checks from screenshots that the window was reduced to the lamp
# and Stop and came back long before the three minutes typed.
# Usage: run_and_stop.sh <blinket> <folder for screenshots>
set -euo pipefail
source "$(dirname "$0")/common.sh"
program=$1
shots=$2
mkdir -p "$shots"

# The colour of one pixel of a screenshot, as "red,green,blue".
pixel() { # file x y
    convert "$1" -format "%[fx:int(255*p{$2,$3}.r+0.5)],%[fx:int(255*p{$2,$3}.g+0.5)],%[fx:int(255*p{$2,$3}.b+0.5)]" info:
}
grey=128,128,128
exit_button=(20 470) # inside "Exit"
lamp=(392 200)       # inside the lamp, left of the hourglass

start "$program"
find_window

import -window "$window" "$shots/at-rest.png"
[ "$(pixel "$shots/at-rest.png" "${exit_button[@]}")" != "$grey" ] || { echo "Exit not shown at rest"; exit 1; }

click_at 84 228 # "A  to  Z"
sleep 1
import -window "$window" "$shots/lead-in.png"
[ "$(pixel "$shots/lead-in.png" "${exit_button[@]}")" = "$grey" ] || { echo "Exit still shown during the run"; exit 1; }
[ "$(pixel "$shots/lead-in.png" "${lamp[@]}")" = "$grey" ] || { echo "the lamp is lit during the lead-in"; exit 1; }

click_at 48 444 # "Stop"
# The run ends after the lead-in (3.2 s at speed 4), or after the letter in progress when
# the click came later; without the click it would go on for three minutes.
stopped=
for _ in $(seq 30); do
    sleep 0.5
    import -window "$window" "$shots/stopped.png"
    [ "$(pixel "$shots/stopped.png" "${exit_button[@]}")" != "$grey" ] && { stopped=yes; break; }
done
[ -n "$stopped" ] || { echo "the run did not stop"; exit 1; }
[ "$(pixel "$shots/stopped.png" "${lamp[@]}")" != "$grey" ] || { echo "the lamp is not lit after the run"; exit 1; }
kill -0 "$pid" || { echo "the program died"; exit 1; }
echo "run started and stopped by clicks; screenshots in $shots"
