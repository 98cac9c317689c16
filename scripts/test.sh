#!/usr/bin/env bash
# Builds and runs every test. With --asan, in the address and undefined-behaviour
# sanitizer build instead of the release build.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
type=Release
[ "${1:-}" = "--asan" ] && type=Asan
dir=$(bash scripts/build.sh "$type" | tail -n 1)
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
ctest --test-dir "$dir" --output-on-failure -j "${JOBS:-2}"
