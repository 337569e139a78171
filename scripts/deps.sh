#!/usr/bin/env bash
# Installs the Debian 12 packages Korvane needs to build, run and test, where
# they are missing. Sourced by scripts/run, scripts/test, scripts/test-sanitized,
# scripts/fuzz and bench/run.
set -euo pipefail

# What building and running the program needs.
korvane_packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-multimedia-dev libqt6opengl6-dev
  libcmark-dev libtomlplusplus-dev
  libpng-dev
  fonts-dejavu-core
)

# What the tests and benchmarks add.
korvane_test_packages=(
  libgtest-dev libgmock-dev libbenchmark-dev zlib1g-dev
  pulseaudio pulseaudio-utils
)

# Only for the fuzzers: Clang and its runtime libraries, which hold libFuzzer.
korvane_fuzz_packages=(clang libclang-rt-14-dev)

# korvane_install_missing [more packages...]
korvane_install_missing() {
  local missing=()
  for p in "${korvane_packages[@]}" "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

korvane_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

# korvane_build [build directory [CMake options...]]; build/ by default.
korvane_build() {
  local build="${1:-$korvane_root/build}"
  cmake -S "$korvane_root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${@:2}"
  cmake --build "$build" --parallel
}

# Qt warns in every test where the session has no runtime folder: where there
# is none, a temporary one, removed when the calling script exits.
korvane_runtime_dir() {
  [ -z "${XDG_RUNTIME_DIR:-}" ] || return 0
  korvane_temporary_runtime_dir="$(mktemp -d)"
  trap 'rm -rf "$korvane_temporary_runtime_dir"' EXIT
  export XDG_RUNTIME_DIR="$korvane_temporary_runtime_dir"
}
