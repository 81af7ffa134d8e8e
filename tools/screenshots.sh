#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Corvale
# Takes the pictures in docs/ of the real program, in an X server of its own, driven with
# xdotool: each shot starts the program afresh in an empty folder, brings the window to the
# state wanted, waits for it by polling, and captures the window alone.
# Usage: tools/screenshots.sh [<blinket> [<shot>...]]
#   <blinket> defaults to build/src/blinket; the shots, to all of them (see "shots" below).
#   SCREENSHOTS_DIR=<folder> writes the pictures there instead of docs/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
program=$(realpath "${1:-$root/build/src/blinket}")
[ -x "$program" ] || { echo "no program at $program: build it first"; exit 1; }
out=$(realpath -m "${SCREENSHOTS_DIR:-$root/docs}")
if [ -z "${SCREENSHOTS_IN_XSERVER:-}" ]; then
    # Once more inside a fresh X server, so that no desktop's windows or theme get in.
    # A screen with room for every window beside the main window at its own size.
    export XSERVER_SCREEN=1920x1200x24
    exec "$root/tests/smoke/xserver.sh" env SCREENSHOTS_IN_XSERVER=yes SCREENSHOTS_DIR="$out" \
        LC_ALL=C.UTF-8 "$0" "$program" "${@:2}"
fi
source "$root/tests/smoke/common.sh"
mkdir -p "$out"
cd "$work" # Save would write here, never into the repository

# Points of the window, in its pixels, 15 twips a pixel. The speed and minutes boxes are in
# the settings panel, Frame2, which starts at twips (8880, 720).
a_to_z=(84 228)
exit_button=(20 470) # inside Exit, shown only between runs
lamp=(392 200)       # inside the lamp, left of the hourglass
speed=(670 226)      # Combo1's text, left of its arrow: at (960, 2520) in Frame2, 855x315
minutes=(684 257)    # Text2's centre: at (960, 3000) in Frame2, 855x285
grey=128,128,128     # the window's colour, and the lamp's while dark
eish=(56 80)         # the first lesson's button
results=(290 375)    # inside the results box, Text1
check_copy=(88 293)  # Check copy, below the letter-training panel
progress=(244 293)   # Progress, beside it
options=(388 293)    # Options…, beside that

# start_program locale: a fresh program in a desktop of that locale, its window found and given
# the keyboard.
start_program() {
    start env LC_ALL="$1" LANG="$1" "$program"
    find_window
    xdotool windowfocus --sync "$window"
}

# stop_program: ends the program of the shot just taken.
stop_program() {
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    pid=
}

# type_into x y text: replaces the text of the box at x y.
type_into() {
    click_at "$1" "$2"
    xdotool key ctrl+a
    xdotool type --delay 50 "$3"
}

# wait_until test seconds: captures the window until a capture passes "test <file>", for that
# many seconds at most; the capture that passed stays in $work/window.png.
wait_until() {
    local test=$1 seconds=$2
    local deadline=$((SECONDS + seconds))
    while [ $SECONDS -lt $deadline ]; do
        capture "$work/window.png"
        "$test" "$work/window.png" && return
        sleep 0.05
    done
    echo "the window did not come to the state \"$test\" within $seconds s"
    exit 1
}

# capture_when name test seconds: as wait_until, keeping the capture as <name>.png.
capture_when() {
    wait_until "$2" "$3"
    mv "$work/window.png" "$out/$1.png"
    echo "$out/$1.png"
}

# Tests of a capture: between runs (Exit shown), in a run, in a run with the lamp lit.
exit_shown() { [ "$(pixel "$1" "${exit_button[@]}")" != "$grey" ]; }
running() { ! exit_shown "$1"; }
running_and_lit() { running "$1" && [ "$(pixel "$1" "${lamp[@]}")" != "$grey" ]; }

# The shots: one function each, shot_<name> for <name>.png.
shot_main-window() {
    capture_when main-window exit_shown 5
}

shot_run-in-progress() {
    type_into "${speed[@]}" 8
    click_at "${a_to_z[@]}"
    # Past the dark lead-in, a moment when the lamp is lit.
    capture_when run-in-progress running_and_lit 20
}

shot_finished-run() {
    # Half a minute at 8 words a minute: a few groups of five letters.
    type_into "${speed[@]}" 8
    type_into "${minutes[@]}" 0.5
    click_at "${a_to_z[@]}"
    wait_until running 5
    capture_when finished-run exit_shown 60
}

# lesson_read_on_paper: a lesson run read on paper; the copy to type, with one letter read
# wrong, one missed and one extra, goes to $copy.
lesson_read_on_paper() {
    type_into "${speed[@]}" 8
    type_into "${minutes[@]}" 0.25
    click_at "${eish[@]}"
    wait_until running 5
    wait_until exit_shown 60
    click_at "${results[@]}"
    xdotool key ctrl+a ctrl+c
    local sent
    sent=$(xclip -o -selection clipboard | head -n 1 | tr -d ' \r')
    local wrong=H
    [ "${sent:3:1}" != H ] || wrong=S
    copy="${sent:0:3}$wrong${sent:4:3}${sent:8:4}E${sent:12}"
}

# table_rows file left|right: whether the table of the run's letters, 16 pixels from the left or
# the right edge of the Copy check window's capture, has rows.
table_rows() {
    local x=16
    [ "$2" = left ] || x=$(($(identify -format '%w' "$1") - 316))
    [ "$(convert "$1" -crop "300x60+$x+376" +repage -format '%k' info:)" -gt 2 ]
}

shot_copy-check() {
    # A lesson run read on paper, then typed into the Copy check window with a few slips.
    lesson_read_on_paper
    click_at "${check_copy[@]}"
    local main=$window
    copy_check() { window=$(xdotool search --onlyvisible --name '^Copy check$' | head -n 1); }
    poll 10 copy_check || { echo "no Copy check window"; exit 1; }
    xdotool windowfocus --sync "$window"
    xdotool type --delay 20 "$copy"
    xdotool key alt+c
    scored() { table_rows "$1" left; }
    capture_when copy-check scored 5
    window=$main
}

# find_hebrew_copy_check: the Copy check window of a Hebrew desktop goes to $window. xdotool
# finds no window by a Hebrew title: the program's windows are asked theirs.
find_hebrew_copy_check() {
    copy_check() {
        local candidate
        for candidate in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null); do
            if [ "$(xdotool getwindowname "$candidate")" = 'בדיקת העתקה' ]; then
                window=$candidate
                return
            fi
        done
        return 1
    }
    poll 10 copy_check || { echo "no Copy check window in Hebrew"; exit 1; }
}

shot_copy-check-hebrew() {
    # The same in a Hebrew desktop: the Copy check window in Hebrew, right to left.
    lesson_read_on_paper
    click_at "${check_copy[@]}"
    local main=$window
    find_hebrew_copy_check
    xdotool windowfocus --sync "$window"
    xdotool type --delay 20 "$copy"
    # Check keeps its Latin access key, which works whichever keyboard layout is in use.
    xdotool key alt+c
    scored() { table_rows "$1" right; }
    capture_when copy-check-hebrew scored 5
    window=$main
}

shot_hebrew-letters() {
    # A run of the Hebrew letters read on paper and typed with a few slips, its Copy check in a
    # Hebrew desktop: the groups read from the right.
    mkdir -p "$XDG_CONFIG_HOME/blinket"
    printf '[runs]\ncharacters=hebrew\n' >"$XDG_CONFIG_HOME/blinket/blinket.conf"
    type_into "${speed[@]}" 8
    type_into "${minutes[@]}" 0.25
    click_at "${a_to_z[@]}"
    wait_until running 5
    wait_until exit_shown 60
    click_at "${results[@]}"
    xdotool key ctrl+a ctrl+c
    local sent
    sent=$(xclip -o -selection clipboard | head -n 1 | tr -d ' \r')
    local wrong=ש
    [ "${sent:3:1}" != ש ] || wrong=ה
    local copy="${sent:0:3}$wrong${sent:4:3}${sent:8:4}ו${sent:12}"
    click_at "${check_copy[@]}"
    local main=$window
    find_hebrew_copy_check
    xdotool windowfocus --sync "$window"
    xdotool type --delay 20 "$copy"
    xdotool key alt+c
    scored() { table_rows "$1" right; }
    capture_when hebrew-letters scored 5
    window=$main
    rm "$XDG_CONFIG_HOME/blinket/blinket.conf"
}

shot_light() {
    # A run read under a dusk sky, in haze, the lamp shimmering: taken while it is lit, the lamp
    # told from the sky beside it at the same height.
    mkdir -p "$XDG_CONFIG_HOME/blinket"
    printf '[light]\nsky=dusk\nhaze=40\nshimmer=70\n' >"$XDG_CONFIG_HOME/blinket/blinket.conf"
    type_into "${speed[@]}" 8
    click_at "${a_to_z[@]}"
    # The sky is the window's background in the run: Exit is gone when its place is the sky,
    # as at the window's edge on the same row.
    lit_at_dusk() {
        [ "$(pixel "$1" "${exit_button[@]}")" = "$(pixel "$1" 2 "${exit_button[1]}")" ] &&
            [ "$(pixel "$1" "${lamp[@]}")" != "$(pixel "$1" 362 "${lamp[1]}")" ]
    }
    capture_when light lit_at_dusk 20
    rm "$XDG_CONFIG_HOME/blinket/blinket.conf"
}

shot_progress() {
    # A made-up history of forty runs, as a learner half way might have, made by the
    # Progress window's benchmark into the folder the program keeps its history in.
    local seeder
    seeder=$(dirname "$program")/../bench/bench_progresswindow
    [ -x "$seeder" ] || { echo "no $seeder to make a history with: build the benchmarks"; exit 1; }
    "$seeder" --runs 40 "$XDG_DATA_HOME/blinket" > /dev/null
    local main=$window
    click_at "${progress[@]}"
    progress_window() { window=$(xdotool search --onlyvisible --name '^Progress$' | head -n 1); }
    poll 10 progress_window || { echo "no Progress window"; exit 1; }
    capture_when progress painted 10
    window=$main
}

shot_options() {
    # The options a learner of flashing light might choose: letters at 15, and figures.
    type_into "${speed[@]}" 8
    local main=$window
    click_at "${options[@]}"
    options_window() { window=$(xdotool search --onlyvisible --name '^Options$' | head -n 1); }
    poll 10 options_window || { echo "no Options window"; exit 1; }
    xdotool windowfocus --sync "$window"
    xdotool mousemove --window "$window" 320 211 click 1 key ctrl+a type 15
    # On past the boxes of the letters and the Hebrew letters to the figures', and tick it.
    xdotool key Tab Tab Tab space
    capture_when options painted 10
    window=$main
}

shot_message-drill() {
    # A message drill received from the lamp by a reader of its flashes, one letter read
    # wrong, then checked.
    local reader
    reader=$(dirname "$program")/../tests/smoke/lampreader
    [ -x "$reader" ] || { echo "no $reader to read the lamp with: build the tests"; exit 1; }
    type_into "${speed[@]}" 20
    type_into "${minutes[@]}" 0.05
    local main=$window
    receive_drill "$reader" slip
    copy_check() { window=$(xdotool search --onlyvisible --name '^Copy check$' | head -n 1); }
    poll 15 copy_check || { echo "no Copy check window"; exit 1; }
    scored() { table_rows "$1" left; }
    capture_when message-drill scored 5
    window=$main
}

shot_keying-grade() {
    # PARIS asked (the only word of the text file) and keyed by a program as a hand would, each
    # element up to a quarter longer or shorter: a grade with its picture, an element or two
    # marked.
    local main=$window keyer
    keyer=$(dirname "$program")/../tests/smoke/keyer
    [ -x "$keyer" ] || { echo "no $keyer to key with: build the tests"; exit 1; }
    history=$XDG_DATA_HOME/blinket/history.sqlite
    printf 'PARIS\n' > "$work/paris.txt"
    mkdir -p "$XDG_CONFIG_HOME/blinket"
    printf '[runs]\ntextFile=%s\n[keying]\nsend=words\n' "$work/paris.txt" \
        > "$XDG_CONFIG_HOME/blinket/blinket.conf"
    keyed_exercise "$keyer" --text PARIS --wpm 10 --spread 0.25 --seed 3
    grade_window() { window=$(xdotool search --onlyvisible --name '^Keying grade$' | head -n 1); }
    poll 10 grade_window || { echo "no Keying grade window"; exit 1; }
    capture_when keying-grade painted 10
    window=$main
}

shots=(main-window run-in-progress finished-run copy-check copy-check-hebrew hebrew-letters
    light progress options message-drill keying-grade)
[ $# -lt 2 ] || shots=("${@:2}")
for shot in "${shots[@]}"; do
    declare -F "shot_$shot" > /dev/null || { echo "no shot named $shot"; exit 2; }
    # Each shot's program keeps its practice history apart from the others'.
    export XDG_DATA_HOME=$work/data-$shot
    # A shot named ...-hebrew or hebrew-... shows the program in a Hebrew desktop.
    locale=C.UTF-8
    [[ $shot != *-hebrew && $shot != hebrew-* ]] || locale=he_IL.UTF-8
    start_program "$locale"
    "shot_$shot"
    stop_program
done
