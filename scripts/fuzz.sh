#!/usr/bin/env bash
# Builds the fuzz preset and runs each harness for SECONDS (default 60), or only the harnesses
# named after it. Each starts from the generated seeds plus the inputs kept under
# fuzz/regressions/<harness>/ (every crash found so far); new crash inputs land in
# build/fuzz/artifacts/<harness>/ and the script fails.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
harnesses=("$@")
[ ${#harnesses[@]} -eq 0 ] && harnesses=(cancel_request_fuzzer cancel_response_fuzzer
  query_request_fuzzer query_response_fuzzer namespace_patch_fuzzer grid_integer_fuzzer
  envelope_fuzzer convert_fuzzer)

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$(nproc)"

build=build/fuzz
host=$(sed -n 's/^PLATFORM_SCHEMA_HOST:STRING=//p' "$build/CMakeCache.txt")
python3 fuzz/make_corpus.py "$build/seeds" "$host"

status=0
for harness in "${harnesses[@]}"; do
  corpus=$build/corpus/$harness
  artifacts=$build/artifacts/$harness
  regressions=fuzz/regressions/$harness
  mkdir -p "$corpus" "$artifacts" "$regressions"
  echo "== $harness: $seconds s"
  # A slow input counts as a finding as much as a crash: an open must not hang the window.
  # FUZZ_TIMEOUT raises the limit on a machine busy enough to stall a run for seconds.
  "$build/fuzz/$harness" "$corpus" "$build/seeds/$harness" "$regressions" \
    -max_total_time="$seconds" -timeout="${FUZZ_TIMEOUT:-10}" -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$artifacts/" 2>"$build/$harness.log" || status=1
  grep -E '^(#[0-9]+[[:space:]]+DONE|stat::number_of_executed_units|==[0-9]+==ERROR|SUMMARY)' \
    "$build/$harness.log" || true
  [ $status -eq 0 ] || { tail -n 40 "$build/$harness.log"; break; }
done
exit $status
