#!/usr/bin/env bash
# Installs the build into a temporary prefix, checks the installed files and
# starts the installed program headless: with its resource file it keeps
# running (so the timeout ends it); without, it says so and quits. Then
# configures the sources for a distribution's layout and checks that the
# program would look for its files where they are installed there too.
set -euo pipefail
build="$1"
source="$2"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT

# installed_to <build> <type> <file>: the folder, relative to the prefix.
installed_to() {
  sed -n "s|.*DESTINATION \"\${CMAKE_INSTALL_PREFIX}/\([^\"]*\)\" TYPE $2 .*/$3\".*|\1|p" \
    "$1/cmake_install.cmake" | head -n 1
}
# layout <build>: where the build installs the program, its sound module and
# its resource file, each relative to the prefix.
layout() {
  echo "$(installed_to "$1" EXECUTABLE korvane) $(installed_to "$1" MODULE libkorvane_audio.so)" \
       "$(installed_to "$1" FILE Korvane.rsrc)"
}
# looks_there <bin> <module> <resources> <compiled files...>: the compiled
# program names the module's and the resource file's folders from its own.
looks_there() {
  local module resources
  module="$(realpath -m --relative-to="/p/$1" "/p/$2")/libkorvane_audio.so"
  resources="$(realpath -m --relative-to="/p/$1" "/p/$3")/"
  grep -qaF "$module" "${@:4}" && grep -qaF "$resources" "${@:4}" ||
    { echo "the program looks elsewhere than in $2 and $3"; return 1; }
}

read -r bin module resources <<<"$(layout "$build")"
cmake --install "$build" --prefix "$prefix" >/dev/null
for f in "$bin/korvane" "$module/libkorvane_audio.so" "$resources/Korvane.rsrc" share/applications/korvane.desktop \
         share/icons/hicolor/128x128/apps/korvane.png; do
  [ -f "$prefix/$f" ] || { echo "not installed: $f"; exit 1; }
done
grep -q '^Exec=korvane$' "$prefix/share/applications/korvane.desktop"
grep -q '^Icon=korvane$' "$prefix/share/applications/korvane.desktop"
# Sound libraries load with the first sound, not at start-up.
if ldd "$prefix/$bin/korvane" | grep -q Multimedia; then echo "korvane links Qt Multimedia at start-up"; exit 1; fi
looks_there "$bin" "$module" "$resources" "$prefix/$bin/korvane"

# Started from elsewhere, so that only the install tree can supply the resources.
cd /
set +e
timeout 3 "$prefix/$bin/korvane" 2>"$prefix/stderr"
status=$?
set -e
if [ "$status" -ne 124 ] || grep -q 'DATA' "$prefix/stderr"; then
  echo "the installed program did not keep running with its resources (status $status)"
  cat "$prefix/stderr"
  exit 1
fi

rm "$prefix/$resources/Korvane.rsrc"
set +e
timeout 10 "$prefix/$bin/korvane" 2>"$prefix/stderr"
status=$?
set -e
if [ "$status" -ne 0 ] || ! grep -q 'The "DATA" folder is missing. Must quit.' "$prefix/stderr"; then
  echo "without its resources the program did not quit with its message (status $status)"
  cat "$prefix/stderr"
  exit 1
fi

# Debian's layout for games: only the two files that name the folders are
# built again; the checks above show that the program looks where they say.
distribution="$prefix/distribution"
cmake -S "$source" -B "$distribution" -G Ninja -DCMAKE_INSTALL_BINDIR=games -DCMAKE_INSTALL_DATADIR=share/games \
  -DCMAKE_INSTALL_LIBDIR=lib/x86_64-linux-gnu >/dev/null
objects=(framework/CMakeFiles/korvane_framework.dir/Application.cpp.o framework/CMakeFiles/korvane_framework.dir/Media.cpp.o)
cmake --build "$distribution" --target "${objects[@]}" >/dev/null
[ "$(layout "$distribution")" = "games lib/x86_64-linux-gnu/korvane share/games/korvane" ] ||
  { echo "a distribution's layout is not followed: $(layout "$distribution")"; exit 1; }
looks_there $(layout "$distribution") "${objects[@]/#/$distribution/}"
echo "installed program starts with its resources and quits cleanly without them; a distribution's layout is followed"
