#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Corvale
# Keys PARIS on the lamp key at 12 words a minute, as a hand would, in the keying exercise of
# the real program with a fresh home (which asks for a group of five letters), ends it with
# Enter, and checks with the sqlite3 tool that the practice history keeps it as a keying read
# back as PARIS. Usage: keying.sh <blinket> <keyer>
set -euo pipefail
source "$(dirname "$0")/common.sh"
program=$1
keyer=$2
history=$XDG_DATA_HOME/blinket/history.sqlite

mkdir "$work/run"
cd "$work/run"
start "$program"
find_window
keyed_exercise "$keyer" --text PARIS --wpm 12
row=$(query "SELECT kind, copy, length(sent) FROM runs ORDER BY id DESC LIMIT 1")
[ "$row" = "keying|PARIS|5" ] || { echo "the newest run reads $row, not keying|PARIS|5"; exit 1; }
running_program || { echo "the program died"; exit 1; }
echo "PARIS keyed at 12 words a minute is kept in $history, read back as PARIS"
