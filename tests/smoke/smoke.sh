#!/bin/bash
# Starts the real program in an X server of its own, finds its window, checks its size and
# takes a screenshot. Usage: smoke.sh <blinket> <screenshot.png>
set -euo pipefail
program=$1
shot=$2

"$program" &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT

window=
for _ in $(seq 100); do
    window=$(xdotool search --onlyvisible --name '^Morse$' 2>/dev/null | head -n 1) && [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || { echo "no window titled Morse appeared"; exit 1; }

geometry=$(xdotool getwindowgeometry "$window" | sed -n 's/.*Geometry: //p')
echo "window $window geometry $geometry"
[ "$geometry" = "763x488" ] || { echo "unexpected window size $geometry"; exit 1; }

sleep 0.5 # let the first paint land
import -window root "$shot"
[ -s "$shot" ] || { echo "no screenshot"; exit 1; }
identify "$shot"
kill -0 $pid || { echo "the program died"; exit 1; }
echo "smoke test passed: screenshot in $shot"
