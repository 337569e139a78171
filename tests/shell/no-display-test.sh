#!/usr/bin/env bash
# Without any display Korvane says so and ends with status 1, instead of
# letting Qt abort.
set -uo pipefail
out="$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$1" 2>&1)"
status=$?
if [ "$status" -ne 1 ] || ! grep -q "needs a graphical display" <<<"$out"; then
  echo "unexpected: status $status, output: $out"
  exit 1
fi
