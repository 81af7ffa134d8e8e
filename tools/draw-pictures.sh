#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Corvale
# Draws Blinket's pictures and program icons into src/ui/main/pictures/ (pointing hand hotspot: x=13, y=2).
set -euo pipefail
cd "$(dirname "$0")/.."
out=src/ui/main/pictures
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# save ARGS... FILE: run convert and write a PNG without timestamps or other metadata.
save() {
    local dst=${*: -1}
    convert "${@:1:$#-1}" -strip -define png:exclude-chunks=date,time "$dst"
}

# xpm FILE: stdin holds "key colour" lines, an empty line, then the rows of pixels.
xpm() {
    awk 'BEGIN { pal = 1 }
         pal && $0 == "" { pal = 0; next }
         pal { key[++n] = $1; col[n] = $2; next }
         { row[++h] = $0; w = length($0) }
         END {
             print "/* XPM */\nstatic char *picture[] = {"
             printf "\"%d %d %d 1\",\n", w, h, n
             for (i = 1; i <= n; i++) printf "\"%s c %s\",\n", key[i], col[i]
             for (i = 1; i <= h; i++) printf "\"%s\"%s\n", row[i], (i < h ? "," : "")
             print "};"
         }' | save xpm:- "$1"
}

# Hourglass, 14x24: wooden frame, glass bulbs, sand running down.
xpm "$out/hourglass.png" <<'EOF'
. None
w #5c3317
W #a8693a
g #5b6f82
c #e4eef6
h #ffffff
s #e8b850
S #c58f2c

.wwwwwwwwwwww.
wWWWWWWWWWWWWw
.wwwwwwwwwwww.
.WgccccccccgW.
.WghcccccccgW.
.WgchccccccgW.
.WgccccccccgW.
.W.gsssssSg.W.
.W.gSsssssg.W.
.W..gsssSg..W.
.W...gssg...W.
.W...gSsg...W.
.W...gssg...W.
.W...gssg...W.
.W..gcsscg..W.
.W.gccssccg.W.
.W.gccssccg.W.
.WgcccsscccgW.
.WgccsSssccgW.
.WgcssssSscgW.
.WgSssssssSgW.
.wwwwwwwwwwww.
wWWWWWWWWWWWWw
.wwwwwwwwwwww.
EOF

# Pointing hand mouse pointer, 32x32; its hotspot is the tip of the index finger at x=13, y=2.
xpm "$out/pointinghand.png" <<'EOF'
. None
X #000000
o #ffffff

................................
................................
............XXX.................
...........XoooX................
...........XoooX................
...........XoooX................
...........XoooX................
...........XoooX................
...........XoooX................
...........XoooXXXX.............
...........XoooXoooXXXX.........
...........XoooXoooXoooXXX......
...........XoooXoooXoooXooX.....
...........XoooXoooXoooXooX.....
.....XXX...XoooXoooXoooXooX.....
....XoooX..XoooXoooXoooXooX.....
....XooooX.XoooXooooooooooX.....
.....XooooXoooooooooooooooX.....
.....XooooooooooooooooooooX.....
......XoooooooooooooooooooX.....
.......XooooooooooooooooooX.....
........XooooooooooooooooX......
.........XooooooooooooooX.......
..........XooooooooooooX........
..........XXXXXXXXXXXXXX........
..........XooooooooooooX........
..........XooooooooooooX........
..........XXXXXXXXXXXXXX........
................................
................................
................................
................................
EOF

# Life ring, 32x32: red ring with four yellow bands, drawn 8x larger and scaled down.
band() { echo "ellipse 127.5,127.5 88,88 $(($1 - 18)),$(($1 + 18))"; }
save -size 256x256 xc:none -fill none \
    -stroke '#d8231d' -strokewidth 64 -draw 'circle 127.5,127.5 215.5,127.5' \
    -stroke '#ffd024' -draw "$(band 45)" -draw "$(band 135)" -draw "$(band 225)" -draw "$(band 315)" \
    -stroke '#6a0d0a' -strokewidth 10 -draw 'circle 127.5,127.5 242.5,127.5' -draw 'circle 127.5,127.5 188.5,127.5' \
    -resize 32x32 +dither -colors 16 "$out/lifering.png"

# Beer mug, 32x32: glass mug of amber beer under a head of foam, drawn 8x larger.
foam='circle 64,78 64,48 circle 104,62 104,26 circle 150,66 150,34 circle 178,90 178,66
      circle 40,96 40,78 roundrectangle 46,90 66,136 10,10'
save -size 256x256 xc:none \
    -fill none -stroke '#3d2a12' -strokewidth 38 -draw 'roundrectangle 166,106 226,206 34,34' \
    -stroke '#dbe6ec' -strokewidth 20 -draw 'roundrectangle 166,106 226,206 34,34' \
    -fill '#dbe6ec' -stroke '#3d2a12' -strokewidth 9 -draw 'roundrectangle 34,74 188,246 22,22' \
    -stroke none -fill '#eea11e' -draw 'rectangle 48,88 174,224' \
    -fill '#d4821a' -draw 'rectangle 142,88 174,224' \
    -fill '#f9c452' -draw 'rectangle 48,88 62,224' \
    -fill '#ffe39a' -draw 'circle 86,160 86,154 circle 112,196 112,191 circle 138,134 138,129
                           circle 100,118 100,114 circle 128,172 128,168 circle 150,200 150,196' \
    -fill '#ffffff90' -draw 'roundrectangle 64,100 74,214 5,5' \
    -fill none -stroke '#7d7266' -strokewidth 11 -draw "$foam" \
    -fill '#fffaf0' -stroke none -draw "$foam" \
    -resize 32x32 -colors 256 "$out/beermug.png"

# Program icon: a lit round lamp with a soft glow above a dot and a dash. Drawn at 768 so that
# every size is an exact box-filter reduction; at 16x16 the shapes sit on whole pixels.
save -size 768x768 xc:none -define gradient:extent=Minimum \
    \( -size 720x720 radial-gradient:'#ffc23cff-#ffc23c00' -channel A -evaluate pow 1.3 +channel \) \
    -geometry +24-72 -composite \
    -fill '#d9820e' -draw 'circle 384,288 384,50' \
    \( -size 432x432 radial-gradient:'#ffffff-#ffc928' -alpha set -channel A -fx 'hypot(i-215.5,j-215.5)<216' +channel \) \
    -geometry +168+72 -composite \
    -draw 'circle 192,672 192,624 roundrectangle 336,624 624,720 48,48' \
    "$tmp/icon.png"
for size in 16 32 48 64 128 256; do
    save "$tmp/icon.png" -filter Box -resize ${size}x$size "$out/blinket-$size.png"
done

# The resized pictures come out with 16 bits a channel; 8-bit ones are half the size in the
# package and read faster by the desktop, which shows the installed icons.
# Qt's own conversion makes them, so that they show exactly the same pixels as before.
g++ -std=c++20 -O2 -Wall -Wextra -Wpedantic -fPIC tools/eightbit.cpp -o "$tmp/eightbit" $(pkg-config --cflags --libs Qt6Gui)
"$tmp/eightbit" "$out"/*.png
