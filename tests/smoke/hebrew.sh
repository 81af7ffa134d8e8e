#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Corvale
# A run of Hebrew letters, read off the real lamp: with the Hebrew letters chosen in the
# options file, starts A to Z at speed 20 for 0.1 minutes while a reader of the lamp (the
# lampreader program, reading by the Hebrew code's table of its own) writes what it makes out;
# then finds the same letters in the results box, five to a group, the lines starting at the
# right as Hebrew reads. Usage: hebrew.sh <blinket> <lampreader>
set -euo pipefail
source "$(dirname "$0")/common.sh"
program=$1
reader=$2

mkdir -p "$XDG_CONFIG_HOME/blinket" "$work/run"
printf '[runs]\ncharacters=hebrew\n' >"$XDG_CONFIG_HOME/blinket/blinket.conf"
cd "$work/run"
start "$program"
find_window

# The lesson button EISH, in window pixels: hidden with its panel while a run is going.
lesson_button() {
    capture "$work/shot.png"
    convert "$work/shot.png" -crop 49x17+32+72 +repage "$work/crop.png"
    identify -format '%#' "$work/crop.png"
}
before=$(lesson_button)
xdotool mousemove --window "$window" 670 226 click 1 key ctrl+a type 20
xdotool mousemove --window "$window" 684 257 click 1 key ctrl+a type 0.1
# A point of the lamp clear of the hourglass beside it; a unit of 80 ms at speed 20.
"$reader" "$window" 393 205 80 40 hebrew >"$work/read" &
reader_pid=$!
click_at 84 228 # "A  to  Z"
run_started() { [ "$(lesson_button)" != "$before" ]; }
run_over() { [ "$(lesson_button)" = "$before" ]; }
poll 5 run_started || { echo 'clicking "A  to  Z" started no run'; exit 1; }
poll 30 run_over || { echo "the run did not end"; exit 1; }
# The closing gap of the last letter is read a moment after the lamp has gone dark.
sleep 0.5
kill "$reader_pid" 2>/dev/null || true
read=$(tr -d '\n' <"$work/read")

click_at 300 360 # the results box
copy_text_of "$window" || { echo "the results box could not be read"; exit 1; }
groups=$(head -n 1 <<<"$copy")
letters=${groups// /}
[ -n "$letters" ] || { echo "the results box shows no letters: \"$copy\""; exit 1; }
[ "$letters" = "$read" ] ||
    { echo "the results box shows \"$groups\"; the lamp was read as \"$read\""; exit 1; }
[[ "$letters" =~ ^[אבגדהוזחטיכלמנסעפצקרשת]+$ ]] ||
    { echo "the results box holds other than Hebrew letters: \"$groups\""; exit 1; }
for group in $groups; do
    [ "${#group}" -le 5 ] || { echo "a group of ${#group}: \"$groups\""; exit 1; }
done

# The first line of the box: blank at its left, written at its right.
capture "$work/box.png"
colours() { convert "$work/box.png" -crop "$1" +repage -format '%k' info:; }
[ "$(colours 120x16+12+332)" -eq 1 ] || { echo "the results box's line starts at the left"; exit 1; }
[ "$(colours 60x16+500+332)" -gt 2 ] || { echo "nothing written at the right of the results box"; exit 1; }

running_program || { echo "the program died"; exit 1; }
echo "a run of Hebrew letters read off the lamp as \"$read\", shown as \"$groups\""
