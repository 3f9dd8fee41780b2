#!/usr/bin/env bash
# Builds and runs every test: the default build, then the sanitizer build; then installs the
# default build and builds the example against it, and runs a short pass of every fuzzer; then
# builds everything without Qt for Windows and runs its tests under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
jobs=$(nproc)
for preset in default asan; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$jobs"
  ctest --preset "$preset" -j "$jobs"
done
scripts/check-install.sh build/default
scripts/check-format.sh
scripts/fuzz.sh 15
scripts/test-windows.sh
