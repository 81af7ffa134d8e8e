#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Corvale
# The real program hands the publisher's addresses to the desktop's URL opener: a stand-in
# xdg-open first on PATH records what it is given. Without any opener the learner is told
# and the window goes on. Usage: links.sh <blinket>
set -euo pipefail
source "$(dirname "$0")/common.sh"
program=$1

mkdir "$work/bin" "$work/empty" "$work/run"
cat > "$work/bin/xdg-open" <<'STANDIN'
#!/bin/sh
printf '%s\n' "$*" >> "$(dirname "$0")/../opened"
STANDIN
chmod +x "$work/bin/xdg-open"
touch "$work/opened"

# wait_for_lines n: the stand-in has been called n times.
lines_at_least() { [ "$(wc -l < "$work/opened")" -ge "$1" ]; }
wait_for_lines() {
    poll 5 lines_at_least "$1" && return 0
    echo "the opener was called $(wc -l < "$work/opened") times, not $1:"
    cat "$work/opened"
    exit 1
}

# The program starts the opener before a click's handler returns; once no stand-in is left
# running, every call the clicks made is in the file.
standins_done() { ! pgrep -f "$work/bin/xdg-open" > /dev/null; }

# wait_for_windows n: n visible windows titled Morse.
windows_are() { [ "$(visible_windows)" -eq "$1" ]; }
wait_for_windows() {
    poll 5 windows_are "$1" && return 0
    echo "$(visible_windows) windows titled Morse, not $1"
    exit 1
}

# Label6 and Label7 in the settings panel, Label8 in the letter panel: their centres.
cd "$work/run"
start env -u BROWSER -u DEFAULT_BROWSER PATH="$work/bin:$PATH" "$program"
find_window
click_at 680 400
wait_for_lines 1
click_at 680 416
wait_for_lines 2
click_at 84 34
wait_for_lines 3
poll 5 standins_done || { echo "the opener stand-ins did not end"; exit 1; }
printf '%s\n' http://www.corvale.example http://www.corvale.example \
    http://www.corvale.example/comunicat/blinket_dn_load.htm > "$work/expected"
diff -u "$work/expected" "$work/opened" || { echo "the wrong addresses were opened"; exit 1; }
running_program || { echo "the program died"; exit 1; }
[ "$(visible_windows)" -eq 1 ] || { echo "a message appeared after a link"; exit 1; }
kill "$pid"
wait "$pid" || true
pid=
echo "links open the right addresses"

# No opener anywhere: a message, and the window goes on working.
start env -u BROWSER -u DEFAULT_BROWSER PATH="$work/empty" "$program"
find_window
main=$window
for point in "680 400" "84 34"; do
    # shellcheck disable=SC2086
    click_at $point
    wait_for_windows 2
    message=$(xdotool search --onlyvisible --name '^Morse$' | grep -vx "$main" | head -n 1)
    # Without a window manager the message box may not have the keyboard yet: focus it
    # and press Return until it goes.
    dismissed() {
        xdotool windowfocus --sync "$message" 2>/dev/null && xdotool key Return
        poll 1 windows_are 1
    }
    poll 10 dismissed || true
    wait_for_windows 1
done
running_program || { echo "the program ended after the browser could not start"; exit 1; }
[ -z "$(ls -A "$work/run")" ] || { echo "the program wrote files: $(ls -A "$work/run")"; exit 1; }
echo "a browser that cannot start is reported and the window goes on"
