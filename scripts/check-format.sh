#!/usr/bin/env bash
# Fails when a C++ file of the project is not clang-formatted.
set -euo pipefail
cd "$(dirname "$0")/.."
files=$(git ls-files -co --exclude-standard -- '*.h' '*.cpp')
[ -z "$files" ] && exit 0
# shellcheck disable=SC2086
clang-format --dry-run --Werror $files
echo "clang-format: all files formatted"
