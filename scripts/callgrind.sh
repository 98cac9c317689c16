#!/usr/bin/env bash
# Runs each benchmark case once under callgrind and prints the instructions of
# its timed action alone (setup and resets are not counted): a number that does
# not move with the machine's load, for comparing a change.
#   scripts/callgrind.sh [REGEX]   cases matching REGEX; default every case up to
#                                  10,000 records or layers (100,000 takes long under valgrind)
set -euo pipefail
cd "$(dirname "$0")/.."
dir=$(bash scripts/build.sh Release | tail -n 1)
bench="$dir/bench/voxtrel-bench"
filter="${1:-/(10|100|1000|4000|10000)/}"
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
printf '%-40s %15s\n' case instructions
for name in $("$bench" --once --benchmark_list_tests --benchmark_filter="$filter"); do
    file="$out/$(echo "$name" | tr '/' '_')"
    valgrind --tool=callgrind --callgrind-out-file="$file" --toggle-collect='*timed_action*' \
        "$bench" --once --benchmark_filter="^${name}\$" >/dev/null 2>&1
    instructions=$(callgrind_annotate "$file" 2>/dev/null | awk '/PROGRAM TOTALS/ {gsub(",", "", $1); print $1}')
    printf '%-40s %15s\n' "${name%/iterations:1}" "$instructions"
done
