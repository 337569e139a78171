#!/usr/bin/env bash
# Installs the build into a temporary prefix, checks the installed files and
# starts the installed program headless: with its resource file it keeps
# running (so the timeout ends it); without, it says so and quits.
set -euo pipefail
build="$1"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null
for f in bin/korvane lib/korvane/libkorvane_audio.so share/korvane/Korvane.rsrc share/applications/korvane.desktop \
         share/icons/hicolor/128x128/apps/korvane.png; do
  [ -f "$prefix/$f" ] || { echo "not installed: $f"; exit 1; }
done
grep -q '^Exec=korvane$' "$prefix/share/applications/korvane.desktop"
grep -q '^Icon=korvane$' "$prefix/share/applications/korvane.desktop"
# Sound libraries load with the first sound, not at start-up.
if ldd "$prefix/bin/korvane" | grep -q Multimedia; then echo "korvane links Qt Multimedia at start-up"; exit 1; fi

# Started from elsewhere, so that only the install tree can supply the resources.
cd /
set +e
timeout 3 "$prefix/bin/korvane" 2>"$prefix/stderr"
status=$?
set -e
if [ "$status" -ne 124 ] || grep -q 'DATA' "$prefix/stderr"; then
  echo "the installed program did not keep running with its resources (status $status)"
  cat "$prefix/stderr"
  exit 1
fi

rm "$prefix/share/korvane/Korvane.rsrc"
set +e
timeout 10 "$prefix/bin/korvane" 2>"$prefix/stderr"
status=$?
set -e
if [ "$status" -ne 0 ] || ! grep -q 'The "DATA" folder is missing. Must quit.' "$prefix/stderr"; then
  echo "without its resources the program did not quit with its message (status $status)"
  cat "$prefix/stderr"
  exit 1
fi
echo "installed program starts with its resources and quits cleanly without them"
