# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Corvale
# Shared by the end-to-end scripts, which run in an X server without a window manager.
# Each script gets a scratch folder $work, removed at the end with any program left running.

work=$(mktemp -d)
pid=
cleanup() {
    if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; fi
    rm -rf "$work"
}
trap cleanup EXIT

# start <command...>: starts the program in the background; its process id goes to $pid.
start() {
    "$@" &
    pid=$!
}

# find_window: waits for the visible window titled Morse; its id goes to $window.
find_window() {
    window=
    for _ in $(seq 100); do
        window=$(xdotool search --onlyvisible --name '^Morse$' 2>/dev/null | head -n 1) \
            && [ -n "$window" ] && break
        sleep 0.1
    done
    [ -n "$window" ] || { echo "no window titled Morse appeared"; exit 1; }
    sleep 0.3 # let the first paint land
}

# click_at x y: a left click at a point of the window, in its own pixels.
click_at() {
    xdotool mousemove --window "$window" "$1" "$2" click 1
}

# wait_for_end seconds: waits that long at most for the program to end; its status goes to
# $status. Fails when it is still running.
wait_for_end() {
    local tenths=$(($1 * 10))
    for _ in $(seq "$tenths"); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$pid" 2>/dev/null; then
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
