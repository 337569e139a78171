#!/bin/bash
# Makes data/pictures/title.png, the Korvane wordmark; needs Debian's imagemagick, fontconfig and fonts-dejavu-core.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out="$root/data/pictures"
mkdir -p "$out"

# fc-match falls back to any font it has, so insist on the DejaVu file.
font="$(fc-match -f '%{file}' 'DejaVu Sans:style=Bold')"
case "$font" in
    *DejaVuSans-Bold.ttf) ;;
    *) echo "DejaVu Sans Bold not found (fonts-dejavu-core)" >&2; exit 1 ;;
esac

# Navy word, short amber rule centred under it. -strip and the excluded
# chunks drop the timestamps, so reruns give the same bytes.
convert -size 409x65 xc:white \
    -font "$font" -pointsize 38 -kerning 1 -fill '#1f2d4d' \
    -gravity center -annotate +0-6 'Korvane' \
    -gravity northwest -fill '#e07a2e' -draw 'rectangle 176,53 232,54' \
    -type TrueColor -depth 8 -strip -define png:exclude-chunks=date,time \
    "PNG24:$out/title.png"
