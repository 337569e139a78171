#!/bin/bash
# Makes data/pictures/icon.png, the desktop icon: the wordmark's "K" and its
# amber rule cut from data/pictures/title.png; needs Debian's imagemagick.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
pictures="$root/data/pictures"

convert "$pictures/title.png" -crop 27x44+116+6 +repage -trim +repage \
    -filter Lanczos -resize x72 \
    -background white -gravity center -extent 128x116 \
    -gravity south -background white -splice 0x12 \
    -fill '#e07a2e' -draw 'rectangle 40,108 88,111' \
    -type TrueColor -depth 8 -strip -define png:exclude-chunks=date,time \
    "PNG24:$pictures/icon.png"
