#!/usr/bin/env bash
# Installs the Debian packages the project builds, tests and runs with, when any is missing.
# The Windows build adds MinGW-w64, zlib for it and Wine; libxml2 for it is built from the
# source package (scripts/build-libxml2-windows.sh, with dpkg-dev's dpkg-source), GoogleTest
# from the googletest package's sources.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config clang-format
  clang libclang-rt-14-dev python3
  libxml2-dev qt6-base-dev libgl-dev libqt6svg6 libcli11-dev nlohmann-json3-dev
  desktop-file-utils dpkg-dev file
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  xvfb xauth x11-apps imagemagick fonts-dejavu-core
  g++-mingw-w64-x86-64-posix libz-mingw-w64-dev wine64
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
