#!/bin/sh
# Draws the picture that the smiley page uncovers: a framed abstract painting
# hanging on a wall, 818 x 603, baseline JFIF JPEG, RGB, 300 dpi.
# Reproducible: fixed noise seed, no metadata beyond the JFIF header.
# Usage: resources/bild/bild_erzeugen.sh   (writes Tarvo_Bild.jpg next to itself)
set -eu
cd "$(dirname "$0")"
ziel=Tarvo_Bild.jpg
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# Painted canvas, 640 x 440: diagonal colour gradient with brush-like grain.
convert -seed 7 -size 640x440 gradient:'#f2c14e-#2a6f97' -rotate 0 \
    \( -size 640x440 gradient:'#e76f51-#264653' -rotate 90 -resize 640x440! \) \
    -compose blend -define compose:args=50 -composite \
    \( -size 640x440 xc:gray50 +noise Gaussian -blur 0x2 -motion-blur 0x12+35 \) \
    -compose overlay -composite \
    "$tmp/grund.png"

# Shapes on the canvas.
convert "$tmp/grund.png" \
    -fill '#d62828' -draw 'circle 190,160 190,70' \
    -fill '#fcbf49cc' -draw 'rectangle 300,60 520,230' \
    -fill '#003049' -draw 'polygon 80,400 260,250 410,410' \
    -fill '#90be6dd0' -draw 'ellipse 470,330 120,70 0,360' \
    -fill none -stroke '#1b1b1b' -strokewidth 9 -draw 'line 40,60 600,390' \
    -stroke '#f8f9fa' -strokewidth 5 -draw 'bezier 30,300 200,120 380,460 620,200' \
    -stroke none -fill '#6a4c93e0' -draw 'rectangle 560,40 615,420' \
    -fill '#ffffffb0' -draw 'circle 395,145 395,120' \
    \( +clone -seed 11 +noise Poisson -blur 0x0.6 \) -compose blend -define compose:args=20 -composite \
    "$tmp/bild.png"

# Gilded frame around the canvas: raised bevel, then a thin inner slip.
convert "$tmp/bild.png" \
    -bordercolor '#efe6cf' -border 10 \
    -mattecolor '#a0722a' -frame 38x38+14+12 \
    "$tmp/gerahmt.png"

# Wall with soft light from above, the shadow of the frame, the framed painting.
convert -seed 3 -size 818x603 gradient:'#d9d2c5-#8f877a' \
    \( -size 818x603 xc:gray50 +noise Uniform -blur 0x1 \) -compose softlight -composite \
    \( "$tmp/gerahmt.png" -background black -shadow 60x12+14+18 \) -geometry +35+31 -compose over -composite \
    "$tmp/gerahmt.png" -geometry +41+30 -compose over -composite \
    -crop 818x603+0+0 +repage \
    "$tmp/wand.png"

convert "$tmp/wand.png" -strip -alpha off -colorspace sRGB -type TrueColor \
    -sampling-factor 2x2 -interlace none -quality 80 \
    -units PixelsPerInch -density 300 \
    "jpeg:$ziel"
identify "$ziel"
