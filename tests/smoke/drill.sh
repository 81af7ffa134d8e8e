#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Corvale
# A real message drill, received from the lamp by a reader that times its flashes: the call
# answered with Enter, the station identity read off the lamp and typed back, a group asked
# for again with Ctrl+R, then typed and acknowledged, AR acknowledged. Checks the Copy check
# window and the drill kept in the practice history with its repeat.
# Usage: drill.sh <blinket> <lampreader>
set -euo pipefail
source "$(dirname "$0")/common.sh"
program=$1
reader=$2
history=$XDG_DATA_HOME/blinket/history.sqlite

mkdir "$work/run"
cd "$work/run"
start "$program"
find_window
main=$window
# Speed 20, a unit of 80 ms; 0.05 minutes make one group.
xdotool mousemove --window "$window" 670 226 click 1 key ctrl+a type 20
xdotool mousemove --window "$window" 684 257 click 1 key ctrl+a type 0.05
receive_drill "$reader"
poll 15 titled 'Copy check' || { echo "no window titled Copy check appeared"; exit 1; }
# The run is kept as its check opens: wait out the moment between the two.
stored() {
    row=$(query "SELECT kind, sent, copy, repeats, right_count FROM runs") &&
        [ "$row" = "drill|$group|$group|1|5" ]
}
poll 5 stored || { echo "the stored drill reads $row, not drill|$group|$group|1|5"; exit 1; }
running_program || { echo "the program died"; exit 1; }
echo "a message drill was received from the lamp: identity $identity, group $group, one repeat"
