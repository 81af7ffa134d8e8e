# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Corvale
# Shared by the end-to-end scripts, which run in an X server without a window manager.
# Each script gets a scratch folder $work, removed at the end with any program left running.
# Nothing here sleeps a fixed time and then looks: every wait polls for the state it wants.

work=$(mktemp -d)
# The practice history of the programs started here goes into the scratch folder.
export XDG_DATA_HOME=$work/data-home
export XDG_CONFIG_HOME=$work/config-home
pid=
cleanup() {
    if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; fi
    rm -rf "$work"
}
trap cleanup EXIT

# poll seconds command...: runs the command every tenth of a second until it succeeds;
# fails when it has not within that many seconds.
poll() {
    local deadline=$((SECONDS + $1))
    shift
    while ! "$@"; do
        [ $SECONDS -lt $deadline ] || return 1
        sleep 0.1
    done
}

# start <command...>: starts the program in the background; its process id goes to $pid.
start() {
    "$@" &
    pid=$!
}

# capture file: a screenshot of the program's window alone.
capture() {
    import -window "$window" "$1"
}

# pixel file x y: one pixel's colour as "red,green,blue".
pixel() {
    local channel format=
    for channel in r g b; do
        format+="${format:+,}%[fx:int(255*p{$2,$3}.$channel+0.5)]"
    done
    convert "$1" -format "$format" info:
}

# painted: whether the window shows more than a plain fill, that is, has been painted.
painted() {
    capture "$work/painted.png" 2>/dev/null &&
        [ "$(identify -format '%k' "$work/painted.png")" -gt 16 ]
}

# find_window: waits for the visible window titled Morse to appear and be painted; its id
# goes to $window.
find_window() {
    window=
    located() {
        window=$(xdotool search --onlyvisible --name '^Morse$' 2>/dev/null | head -n 1) &&
            [ -n "$window" ]
    }
    poll 10 located || { echo "no window titled Morse appeared"; exit 1; }
    poll 10 painted || { echo "the window titled Morse was never painted"; exit 1; }
}

# click_at x y: a left click at a point of the window, in its own pixels.
click_at() {
    xdotool mousemove --window "$window" "$1" "$2" click 1
}

# running_program: whether the program started last is still running.
running_program() {
    kill -0 "$pid" 2>/dev/null
}

# wait_for_end seconds: waits that long at most for the program to end; its status goes to
# $status. Fails when it is still running.
wait_for_end() {
    ended() { ! running_program; }
    if ! poll "$1" ended; then
        echo "the program is still running after $1 s"
        exit 1
    fi
    status=0
    wait "$pid" || status=$?
    pid=
}

# visible_windows: how many visible windows are titled Morse (the window, message boxes).
visible_windows() {
    xdotool search --onlyvisible --name '^Morse$' 2>/dev/null | wc -l
}

# titled title: whether a visible window has that title; its id goes to $found.
titled() {
    found=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1) && [ -n "$found" ]
}

# typed_lesson_run keys: in the program's window, the lesson WG at speed 8 for 0.1 minutes
# (the first lesson after start-up has no lead-in: letters come at once and the run ends
# after six seconds), with the keys typed while it is read.
typed_lesson_run() {
    xdotool mousemove --window "$window" 670 226 click 1 key ctrl+a type 8
    xdotool mousemove --window "$window" 684 257 click 1 key ctrl+a type 0.1
    click_at 56 128 # the lesson WG
    xdotool type --delay 300 "$1"
}

# receive_drill reader [slip]: in the program's window, with the speed at 20 and the minutes
# set, starts a message drill and answers it as a receiving station from what a reader of the
# lamp (the lampreader program) makes out: the call answered, the identity typed back, the
# group asked for again with Ctrl+R, then typed (with its first letter read wrong when asked
# for a slip) and acknowledged, AR acknowledged. The identity and the group read go to
# $identity and $group.
receive_drill() {
    local reader=$1 slip=${2:-}
    # A point of the lamp clear of the hourglass beside it; a unit of 80 ms at speed 20.
    "$reader" "$window" 393 205 80 50 >"$work/read" &
    local reader_pid=$!
    click_at 370 316 # Message drill
    read_chars() { tr -d '\n' <"$work/read"; }
    heard() { [[ "$(read_chars)" =~ $1 ]]; }
    poll 10 heard '^\^' || { echo "no call came: read '$(read_chars)'"; exit 1; }
    xdotool key --window "$window" Return
    poll 15 heard 'DE(....)$' || { echo "no identity came: read '$(read_chars)'"; exit 1; }
    identity=${BASH_REMATCH[1]}
    xdotool type --window "$window" "${identity,,}"
    xdotool key --window "$window" Return
    poll 15 heard "DE${identity}(.....)\$" || { echo "no group came: read '$(read_chars)'"; exit 1; }
    group=${BASH_REMATCH[1]}
    xdotool key --window "$window" ctrl+r
    poll 15 heard "${group}${group}\$" || { echo "no group again: read '$(read_chars)'"; exit 1; }
    local typed=${group,,}
    if [ -n "$slip" ]; then
        local wrong=x
        [ "${typed:0:1}" != x ] || wrong=y
        typed=$wrong${typed:1}
    fi
    xdotool type --window "$window" "$typed"
    xdotool key --window "$window" Return
    poll 15 heard '\+$' || { echo "no AR came: read '$(read_chars)'"; exit 1; }
    xdotool key --window "$window" Return
    kill "$reader_pid" 2>/dev/null || true
}

# copy_text_of window: the text of the window's focused box, copied to the clipboard with
# Ctrl+A and Ctrl+C, goes to $copy. The keys are pressed again until the clipboard has it: a
# window just opened may not have the keyboard yet.
copy_text_of() {
    copied() {
        xdotool key --window "$1" ctrl+a ctrl+c &&
            copy=$(xclip -o -selection clipboard 2>/dev/null) && [ -n "$copy" ]
    }
    poll 10 copied "$1"
}

# query sql: the practice history read as the sqlite3 tool reads it, waiting out a moment
# when the program holds the file to write it.
query() {
    sqlite3 -cmd '.timeout 5000' "$history" "$1"
}

# keyings: how many keyings the practice history ($history) keeps; 0 before it is made (the
# program may have made the file and not yet its tables).
keyings() {
    local count=
    if [ -f "$history" ]; then
        count=$(query "SELECT count(*) FROM runs WHERE kind = 'keying'" 2>/dev/null) || true
    fi
    echo "${count:-0}"
}

# keyed_exercise keyer options...: in the program's window, starts the keying exercise with
# Alt+K, keys on the lamp key with the keyer and the options given, ends it with Enter (which
# changes nothing when it ended as the keying was read as asked), and waits for the practice
# history to keep it. The keyer's presses go where the X server's keyboard goes: the window
# is given it first.
keyed_exercise() {
    local keyer=$1 kept_before
    shift
    kept_before=$(keyings)
    xdotool windowfocus --sync "$window"
    # The Keying button hides with the panels as the exercise starts.
    capture "$work/before.png"
    local before
    before=$(pixel "$work/before.png" 466 285)
    xdotool key alt+k
    started() { capture "$work/now.png" && [ "$(pixel "$work/now.png" 466 285)" != "$before" ]; }
    poll 10 started || { echo "the keying exercise did not start"; exit 1; }
    "$keyer" "$@" || { echo "the keyer failed"; exit 1; }
    xdotool key Return
    kept() { [ "$(keyings)" -gt "$kept_before" ]; }
    poll 10 kept || { echo "the keying was not kept in $history"; exit 1; }
}
