#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Corvale
# Starts the real program, finds its window, checks its size and takes a screenshot.
# Usage: smoke.sh <blinket> <screenshot.png>
set -euo pipefail
source "$(dirname "$0")/common.sh"
program=$1
shot=$2

start "$program"
find_window
geometry=$(xdotool getwindowgeometry "$window" | sed -n 's/.*Geometry: //p')
echo "window $window geometry $geometry"
[ "$geometry" = "763x488" ] || { echo "unexpected window size $geometry"; exit 1; }

import -window root "$shot"
[ -s "$shot" ] || { echo "no screenshot"; exit 1; }
identify "$shot"
running_program || { echo "the program died"; exit 1; }
echo "smoke test passed: screenshot in $shot"
