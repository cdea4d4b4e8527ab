#!/usr/bin/env bash
# Draws the program's own pictures with ImageMagick: the window icon data/me.ico and the
# background skins data/skins/Fond_Zadude_*.jpg (747x582, the main window's size).
# Deterministic: the same pictures come out on every run.
set -euo pipefail
cd "$(dirname "$0")/.."
W=747 H=582
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
RANDOM=1729

# Azur: a clear sky gradient with soft out-of-focus light discs.
discs=""
for _ in $(seq 1 34); do
    x=$((RANDOM % W)) y=$((RANDOM % H)) r=$((12 + RANDOM % 58))
    a=$((10 + RANDOM % 22))
    discs+=" -fill 'rgba(255,255,255,0.$a)' -draw \"circle $x,$y $((x + r)),$y\""
done
eval convert -size ${W}x${H} xc:none $discs -blur 0x5 "$tmp/discs.png"
convert -size ${W}x${H} -define gradient:angle=160 gradient:'#f4f9ff-#9cc6ee' \
    "$tmp/discs.png" -composite -quality 90 data/skins/Fond_Zadude_Azur.jpg

# Sable: warm dunes, gentle waves of light across a sand gradient.
waves=""
for k in $(seq 0 11); do
    base=$((20 + k * 52)) pts=""
    for x in $(seq 0 12 $((W + 12))); do
        y=$(awk -v x="$x" -v b="$base" -v k="$k" \
            'BEGIN { printf "%d", b + 14 * sin(x / 95 + k * 0.7) + 6 * sin(x / 37 + k) }')
        pts+=" $x,$y"
    done
    waves+=" -draw \"polyline$pts\""
done
eval convert -size ${W}x${H} xc:none -fill none -stroke "'rgba(255,255,255,0.45)'" \
    -strokewidth 3 $waves -blur 0x1.5 "$tmp/waves.png"
convert -size ${W}x${H} -define gradient:angle=180 gradient:'#fff6ea-#efc48f' \
    "$tmp/waves.png" -composite -quality 90 data/skins/Fond_Zadude_Sable.jpg

# Menthe: a fresh diagonal green with a faint lattice of small diamonds.
convert -size 36x36 xc:none -fill none -stroke 'rgba(255,255,255,0.35)' -strokewidth 1.2 \
    -draw "polygon 18,4 32,18 18,32 4,18" "$tmp/diamond.png"
convert -size ${W}x${H} xc:none -fill "$tmp/diamond.png" -draw "color 0,0 reset" \
    -define png:color-type=6 "$tmp/lattice.png"
convert -size ${W}x${H} -define gradient:angle=135 gradient:'#f1fbf6-#8fd3b4' \
    "$tmp/lattice.png" -composite -quality 90 data/skins/Fond_Zadude_Menthe.jpg

# The icon: a blue tile with a white 3x3 grid, a red given and a blue entry.
convert -size 256x256 xc:none \
    -fill '#2f6fc4' -stroke '#1d4f91' -strokewidth 6 -draw "roundrectangle 8,8 247,247 40,40" \
    -fill white -stroke none -draw "roundrectangle 36,36 219,219 14,14" \
    -stroke '#1d4f91' -strokewidth 5 \
    -draw "line 97,40 97,215" -draw "line 158,40 158,215" \
    -draw "line 40,97 215,97" -draw "line 40,158 215,158" \
    -stroke none -font DejaVu-Sans-Bold -pointsize 54 \
    -fill '#d9302a' -draw "text 50,88 '5'" -fill '#1d5fc0' -draw "text 172,210 '9'" \
    -fill '#d9302a' -draw "text 111,150 '3'" \
    "$tmp/icon256.png"
for s in 16 24 32 48 64; do convert "$tmp/icon256.png" -resize ${s}x${s} "$tmp/icon$s.png"; done
convert "$tmp"/icon{16,24,32,48,64,256}.png -depth 8 data/me.ico
