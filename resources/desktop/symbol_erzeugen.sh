#!/bin/sh
# Renders the 256 px icon from the scalable one (needs ImageMagick).
cd "$(dirname "$0")" && convert -background none de.tarvo.Tarvo.svg -resize 256x256 -depth 8 -strip de.tarvo.Tarvo.png
