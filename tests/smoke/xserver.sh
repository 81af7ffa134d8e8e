#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Corvale
# Runs a command in an X server of its own (Xvfb, 1024x768 unless XSERVER_SCREEN says
# otherwise, no window manager). The server
# picks a free display number itself, so tests started side by side, or by someone else on
# the same machine, never fight over one. It does not reset when its last client leaves, so
# a command may start programs one after another. Usage: xserver.sh <command...>
set -euo pipefail
dir=$(mktemp -d)
mkfifo "$dir/display"
Xvfb -displayfd 3 -screen 0 "${XSERVER_SCREEN:-1024x768x24}" -nolisten tcp -noreset 3>"$dir/display" 2>"$dir/log" &
server=$!
trap 'kill $server 2>/dev/null || true; wait $server 2>/dev/null || true; rm -rf "$dir"' EXIT
if ! read -r -t 20 number < "$dir/display"; then
    echo "the X server did not start:"
    cat "$dir/log"
    exit 1
fi
DISPLAY=:$number "$@"
