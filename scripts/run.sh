#!/usr/bin/env bash
# Builds one program with the default preset and starts it: scripts/run.sh tarvel | orvane
set -euo pipefail
cd "$(dirname "$0")/.."

case "${1:-}" in
  tarvel) folder=cancel_tool ;;
  orvane) folder=query_tool ;;
  *)
    echo "usage: $0 tarvel|orvane" >&2
    exit 2
    ;;
esac
program=$1

scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default --target "$program"
exec "build/default/$folder/$program"
