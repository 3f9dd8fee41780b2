#!/usr/bin/env bash
# Builds everything that needs no Qt for Windows (the windows preset, MinGW-w64) and runs its
# unit and acceptance tests under Wine, without a display, in a Wine prefix of the build's own.
# Prints how long each step took.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
jobs=$(nproc)
started=$(date +%s)
step() { echo "windows: $1 in $(($(date +%s) - $2)) s"; }

scripts/build-libxml2-windows.sh
step "libxml2 ready" "$started"

built=$(date +%s)
cmake --preset windows >/dev/null
# The prefix is made before the build, whose test discovery already runs the programs.
build/windows/wine-run.sh cmd /c exit </dev/null
cmake --build --preset windows -j "$jobs"
step "built" "$built"

tested=$(date +%s)
ctest --preset windows -j "$jobs" </dev/null
step "tests under Wine passed" "$tested"

# The cross-built nfse.exe lists what the Linux nfse lists: the same lines and exit status for
# documents of both layouts and envelopes of both directions, written for this build's host.
listed=$(date +%s)
linux_nfse=build/default/nfse/nfse
if [ -x "$linux_nfse" ]; then
  samples=build/windows/samples
  host=$(sed -n 's/^PLATFORM_SCHEMA_HOST:STRING=//p' build/windows/CMakeCache.txt)
  python3 fuzz/make_corpus.py "$samples" "$host" >/dev/null
  for sample in "$samples"/convert_fuzzer/s*_[0-9] "$samples"/envelope_fuzzer/re* \
    "$samples"/envelope_fuzzer/element_soap12; do
    linux_status=0
    linux_out=$("$linux_nfse" list "$sample" 2>/dev/null) || linux_status=$?
    # Up to three tries: Wine here now and then loses a process (see wine-run.sh).
    for attempt in 1 2 3; do
      windows_status=0
      windows_out=$(build/windows/wine-run.sh build/windows/nfse/nfse.exe list "$sample" \
        </dev/null 2>/dev/null) || windows_status=$?
      [ "$linux_out" = "$windows_out" ] && [ $linux_status = $windows_status ] && break
    done
    if [ "$linux_out" != "$windows_out" ] || [ $linux_status != $windows_status ]; then
      echo "windows: nfse.exe lists $sample otherwise than on Linux" >&2
      diff <(echo "$linux_out") <(echo "$windows_out") >&2 || true
      exit 1
    fi
  done
  step "nfse.exe lists as on Linux" "$listed"
else
  echo "windows: $linux_nfse not built; nfse.exe not compared with it"
fi
step "all done" "$started"
