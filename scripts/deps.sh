#!/usr/bin/env bash
# Installs the Debian 12 packages Korvane needs to build, run and test, where
# they are missing. Sourced by scripts/run and scripts/test.
set -euo pipefail

korvane_packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-multimedia-dev libqt6opengl6-dev
  libcmark-dev libtomlplusplus-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-dejavu-core
)

korvane_install_missing() {
  local missing=()
  for p in "${korvane_packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

korvane_build() {
  local root build
  root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
  build="$root/build"
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
  cmake --build "$build" --parallel
}
