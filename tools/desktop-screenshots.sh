#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Corvale
# Takes docs/desktop.png and docs/desktop-hebrew.png: the whole of a 1024 x 768 screen with a
# window manager (openbox), the program after a lesson read and typed, its Copy check, Progress
# and Options windows open where the program placed them, in an English and a Hebrew desktop.
# Needs what `tools/install-deps.sh test` installs.
# Usage: tools/desktop-screenshots.sh [<blinket>]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
program=$(realpath "${1:-$root/build/src/blinket}")
[ -x "$program" ] || { echo "no program at $program: build it first"; exit 1; }
out=$(realpath -m "${SCREENSHOTS_DIR:-$root/docs}")
if [ -z "${SCREENSHOTS_IN_XSERVER:-}" ]; then
    export XSERVER_SCREEN=1024x768x24
    exec "$root/tests/smoke/xserver.sh" env SCREENSHOTS_IN_XSERVER=yes SCREENSHOTS_DIR="$out" \
        "$0" "$program"
fi
source "$root/tests/smoke/common.sh"
mkdir -p "$out"
cd "$work"
openbox --config-file /dev/null >/dev/null 2>&1 &
manager=$!
trap 'kill $manager 2>/dev/null || true; cleanup' EXIT

# The program's windows by title, whatever the language: xdotool finds no Hebrew title.
titled_window() {
    local candidate
    for candidate in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null); do
        if [[ "$(xdotool getwindowname "$candidate")" =~ $1 ]]; then
            echo "$candidate"
            return
        fi
    done
    return 1
}

for locale in C.UTF-8 he_IL.UTF-8; do
    export XDG_DATA_HOME=$work/data-$locale XDG_CONFIG_HOME=$work/config-$locale
    start env LC_ALL="$locale" LANG="$locale" "$program"
    find_window
    main=$window
    # A short lesson at speed 20, typed on as it is read, then Progress and Options opened.
    xdotool windowactivate --sync "$main"
    xdotool key alt+o
    poll 10 titled_window '^(Options|אפשרויות)$' > /dev/null || { echo "no Options"; exit 1; }
    xdotool windowactivate --sync "$main"
    xdotool key alt+p
    poll 10 titled_window '^(Progress|התקדמות)$' > /dev/null || { echo "no Progress"; exit 1; }
    xdotool windowactivate --sync "$main"
    xdotool mousemove --window "$main" 670 226 click 1 key ctrl+a type 20
    xdotool mousemove --window "$main" 684 257 click 1 key ctrl+a type 0.1
    xdotool mousemove --window "$main" 56 80 click 1
    for _ in 1 2 3 4 5 6; do
        sleep 1
        xdotool type --delay 100 eis
    done
    poll 30 titled_window '^(Copy check|בדיקת העתקה)$' > /dev/null ||
        { echo "no Copy check"; exit 1; }
    sleep 2
    name=desktop
    [ "$locale" = C.UTF-8 ] || name=desktop-hebrew
    import -window root "$out/$name.png"
    echo "$out/$name.png"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    pid=
done
