#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Corvale
# A real text run with the options set in their file (a text file of the learner's, a letter
# speed), the copy typed on the Israeli Hebrew keyboard layout: the letters on the keys of
# S, E and A are ד, ק and ש, and they count as S, E and A. Checks the copy in the Copy check
# window and the run kept in the practice history as a text run. Usage: textrun.sh <blinket>
set -euo pipefail
source "$(dirname "$0")/common.sh"
program=$1
history=$XDG_DATA_HOME/blinket/history.sqlite

printf 'sea sea sea\n' >"$work/words.txt"
mkdir -p "$XDG_CONFIG_HOME/blinket" "$work/run"
printf '[signal]\nletterSpeed=20\n[runs]\ntextFile=%s\n' "$work/words.txt" \
    >"$XDG_CONFIG_HOME/blinket/blinket.conf"
cd "$work/run"
start "$program"
find_window
main=$window
xdotool mousemove --window "$window" 670 226 click 1 key ctrl+a type 8
xdotool mousemove --window "$window" 684 257 click 1 key ctrl+a type 0.1
setxkbmap il
click_at 244 316 # Text run
xdotool type --delay 300 'דקש'
setxkbmap us
poll 30 titled 'Copy check' || { echo "no window titled Copy check appeared"; exit 1; }
window=$found
copy_text_of "$window" || { echo "the copy could not be read"; exit 1; }
[ "$copy" = SEA ] || { echo "the copy holds \"$copy\", not SEA"; exit 1; }
stored() {
    row=$(query "SELECT kind, speed, substr(sent, 1, 6), copy FROM runs") &&
        [ "$row" = "text|8|SEASEA|SEA" ]
}
poll 5 stored || { echo "the stored run reads $row"; exit 1; }
running_program || { echo "the program died"; exit 1; }
[ -z "$(ls -A "$work/run")" ] || { echo "the program wrote files: $(ls -A "$work/run")"; exit 1; }
echo "a text run typed on the Hebrew layout was checked and kept: copy $copy"
