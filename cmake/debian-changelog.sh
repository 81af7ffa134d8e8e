#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Corvale
# Writes NEWS.md as a Debian changelog: Debian's tools (lintian, apt changelog) read a native
# package's changelog.gz in that form. Each "## <version> (<yyyy-mm-dd>)" heading becomes an
# entry, each "- " point a "*" item rewrapped within 80 columns, and the entry is signed on
# the release date (see signature_date), so the same NEWS.md always makes the same changelog.
# Usage: debian-changelog.sh <NEWS.md> <package> <maintainer> <changelog to write>
set -euo pipefail
news=$1
package=$2
maintainer=$3
output=$4
# Written aside and moved into place at the end: a failed run leaves no half changelog.
exec > "$output.new"

# The signature's date in the form Debian wants (RFC 5322), from a yyyy-mm-dd date and the
# entry's place from the newest (0): noon of that day, less a second for each entry before
# it, so that of two releases on one day the newer is signed later, as Debian's tools want.
signature_date() {
    local seconds
    seconds=$(($(date -u -d "$1 12:00:00" +%s) - $2))
    LC_ALL=C date -u -d "@$seconds" '+%a, %d %b %Y %H:%M:%S %z'
}

entries=0
version=
date=
points=() # the entry's points, each on one line

flush_entry() {
    [ -n "$version" ] || return 0
    [ ${#points[@]} -gt 0 ] || { echo "$news: the entry for $version lists no change" >&2; exit 1; }
    [ $entries -eq 0 ] || echo
    printf '%s (%s) unstable; urgency=medium\n\n' "$package" "$version"
    printf '%s\n' "${points[@]}" | awk '
        {
            sub(/^- /, "")
            line = "  *"
            for (i = 1; i <= NF; i++) {
                if (length(line) + 1 + length($i) > 80 && line != "  *" && line != "   ") {
                    print line
                    line = "   "
                }
                line = line " " $i
            }
            print line
        }'
    printf '\n -- %s  %s\n' "$maintainer" "$(signature_date "$date" "$entries")"
    entries=$((entries + 1))
}

while IFS= read -r line; do
    if [[ $line =~ ^##\  ]]; then
        flush_entry
        [[ $line =~ ^##\ ([0-9][0-9A-Za-z.+~]*)\ \(([0-9]{4}-[0-9]{2}-[0-9]{2})\)$ ]] \
            || { echo "$news: \"$line\" is not \"## <version> (<yyyy-mm-dd>)\"" >&2; exit 1; }
        version=${BASH_REMATCH[1]}
        date=${BASH_REMATCH[2]}
        points=()
    elif [ -n "$version" ] && [[ $line =~ ^-\  ]]; then
        points+=("$line")
    elif [ -n "$version" ] && [[ $line =~ ^\ +[^\ ] ]] && [ ${#points[@]} -gt 0 ]; then
        # A continuation line: joined to its point, to be wrapped anew.
        points[-1]+=" ${line#"${line%%[! ]*}"}"
    fi
done < "$news"
flush_entry
[ $entries -gt 0 ] || { echo "$news: no \"## <version> (<yyyy-mm-dd>)\" entry" >&2; exit 1; }
mv "$output.new" "$output"
