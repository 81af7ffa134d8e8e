#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Corvale
# Types letters on the keyboard during a real lesson run and checks that, when the run ends,
# the Copy check window appears beside the main window with a score, holding what was typed.
# Usage: copycheck.sh <blinket>
set -euo pipefail
source "$(dirname "$0")/common.sh"
program=$1

mkdir "$work/run"
cd "$work/run"
start "$program"
find_window
main=$window
typed_lesson_run "wgw gx"
poll 20 titled 'Copy check' || { echo "no window titled Copy check appeared"; exit 1; }
window=$found
poll 5 painted || { echo "the Copy check window was never painted"; exit 1; }

# The score stands at the top left: text there, not an empty label.
capture "$work/check.png"
colours=$(convert "$work/check.png" -crop 300x24+8+8 +repage -format '%k' info:)
[ "$colours" -gt 2 ] || { echo "no score shown"; exit 1; }

# The copy field has the keyboard: what it holds is what was typed, letters only.
copy_text_of "$window" || { echo "the copy could not be read"; exit 1; }
[ "$copy" = WGWGX ] || { echo "the copy holds \"$copy\", not WGWGX"; exit 1; }

# Beside or below the main window, which stays where it was: the two do not overlap.
geometry() { eval "$(xdotool getwindowgeometry --shell "$1")"; echo "$X $Y $WIDTH $HEIGHT"; }
read -r main_x main_y main_w main_h <<< "$(geometry "$main")"
read -r check_x check_y _ _ <<< "$(geometry "$window")"
[ "$check_x" -ge $((main_x + main_w)) ] || [ "$check_y" -ge $((main_y + main_h)) ] ||
    { echo "the Copy check window covers the main window"; exit 1; }
running_program || { echo "the program died"; exit 1; }
[ -z "$(ls -A "$work/run")" ] || { echo "the program wrote files: $(ls -A "$work/run")"; exit 1; }
echo "a typed copy was checked: Copy check window with a score, copy $copy"
