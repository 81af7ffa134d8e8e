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

grey=128,128,128
exit_button=(20 470) # inside "Exit"
lamp=(392 200)       # inside the lamp, left of the hourglass

# shown_in file: whether Exit shows in the screenshot; hidden_in file: whether it does not.
shown_in() { [ "$(pixel "$1" "${exit_button[@]}")" != "$grey" ]; }
hidden_in() { ! shown_in "$1"; }
# captured_with test file: takes a screenshot into file and applies the test to it.
captured_with() { capture "$2" && "$1" "$2"; }

start "$program"
find_window

capture "$shots/at-rest.png"
shown_in "$shots/at-rest.png" || { echo "Exit not shown at rest"; exit 1; }

click_at 84 228 # "A  to  Z"
# The lead-in keeps the lamp dark for 3.2 s at speed 4.
poll 3 captured_with hidden_in "$shots/lead-in.png" || { echo "Exit still shown during the run"; exit 1; }
[ "$(pixel "$shots/lead-in.png" "${lamp[@]}")" = "$grey" ] || { echo "the lamp is lit during the lead-in"; exit 1; }

click_at 48 444 # "Stop"
# The run ends after the lead-in, or after the letter in progress when the click came later;
# without the click it would go on for three minutes.
poll 15 captured_with shown_in "$shots/stopped.png" || { echo "the run did not stop"; exit 1; }
[ "$(pixel "$shots/stopped.png" "${lamp[@]}")" != "$grey" ] || { echo "the lamp is not lit after the run"; exit 1; }
running_program || { echo "the program died"; exit 1; }
echo "run started and stopped by clicks; screenshots in $shots"
