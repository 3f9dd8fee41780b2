#!/usr/bin/env bash
# Installs the Debian packages the project builds, tests and runs with, when any is missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config clang-format
  clang libclang-rt-14-dev python3
  libxml2-dev qt6-base-dev libgl-dev libqt6svg6 libcli11-dev nlohmann-json3-dev
  desktop-file-utils dpkg-dev file
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  xvfb xauth x11-apps imagemagick fonts-dejavu-core
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
