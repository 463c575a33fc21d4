#!/bin/sh
# Draws the program's own images into ui/resources/: the logo (846 x 108), the
# help marker (32 x 32, a white question mark on a blue disc) and the program
# icon (16, 24, 32, 48 and 256 pixels). The images are committed; run this only
# to change them. Needs ImageMagick 6 and the DejaVu fonts (fonts-dejavu-core).
set -e
out=$(cd "$(dirname "$0")/../ui/resources" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

BLUE='#1f5fbf'
DARK='#2b2f36'
GREEN='#00dc00'
FACE='#eef1f5'
BOLD=DejaVu-Sans-Bold
BOOK=DejaVu-Sans
# No time stamps or tool comments in the files, so that redrawing the same
# pictures gives the same bytes.
PNG_OPTIONS="-strip -define png:exclude-chunks=date,time"

# The emblem: a tilt gauge in a ring, green below a line rising by 20 degrees,
# drawn at 256 pixels and scaled down for the smaller uses.
convert -size 256x256 xc:"$FACE" \
    -fill "$GREEN" -draw "polygon 0,256 256,256 256,82 0,175" \
    \( -size 256x256 xc:black -fill white -draw "circle 128,128 128,8" \) \
    -alpha off -compose CopyOpacity -composite \
    -compose Over -fill none -stroke "$DARK" -strokewidth 14 -draw "circle 128,128 128,9" \
    -fill "$DARK" -stroke none -draw "circle 128,128 128,114" \
    "PNG32:$work/emblem.png"

# The logo: the emblem and the product's name on a transparent ground.
convert -size 846x108 xc:none \
    \( "$work/emblem.png" -resize 96x96 \) -geometry +6+6 -composite \
    -font "$BOOK" -pointsize 88 -fill "$DARK" -annotate +124+87 "Vextora" \
    -font "$BOLD" -pointsize 88 -fill "$BLUE" -annotate +492+87 "KIVRA" \
    $PNG_OPTIONS "PNG32:$out/logo.png"

# The help marker.
convert -size 32x32 xc:none -fill "$BLUE" -draw "circle 15.5,15.5 15.5,0.5" \
    -font "$BOLD" -pointsize 24 -fill white -gravity center -annotate +0+1 "?" \
    $PNG_OPTIONS "PNG32:$out/help-marker.png"

# The icon at the usual sizes, each scaled from the large emblem.
for size in 16 24 32 48; do
    convert "$work/emblem.png" -resize ${size}x${size} "PNG32:$work/icon-$size.png"
done
convert "$work/icon-16.png" "$work/icon-24.png" "$work/icon-32.png" "$work/icon-48.png" \
    "$work/emblem.png" "$out/kivra.ico"
