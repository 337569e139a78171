#!/usr/bin/env bash
# Without a display it can reach, Korvane says so and ends with status 1,
# instead of letting Qt abort: whether none is named, the one named is not
# there, or a platform that needs one is asked for without it.
set -uo pipefail
failed=0
check() {
  local what="$1"
  shift
  local out status
  out="$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" 2>&1)"
  status=$?
  if [ "$status" -ne 1 ] || ! grep -q "needs a graphical display" <<<"$out"; then
    echo "$what: unexpected: status $status, output: $out"
    failed=1
  fi
}
check "no display" "$1"
check "a display that is not there" DISPLAY=:55 "$1"
check "xcb without a display" QT_QPA_PLATFORM=xcb "$1"
exit "$failed"
