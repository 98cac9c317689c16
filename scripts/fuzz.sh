#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build/fuzz and runs each in turn.
#
#   bash scripts/fuzz.sh [--seconds N] [--jobs N] [TARGET...]
#
# TARGET is scene, item_text or options (default: all three). Each runs for
# --seconds (default 60) in --jobs processes (default 1; 2 uses both cores).
# The committed seeds in fuzz/corpus/TARGET (and examples/scenes for the scene
# target) are read and never written; inputs that reach new code collect in
# build/fuzz/corpus/TARGET. A crash leaves its input in build/fuzz/crashes/TARGET
# and makes the script fail. Logs are in build/fuzz/logs/TARGET.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
seconds=60
jobs=1
targets=()
while [ $# -gt 0 ]; do
    case "$1" in
        --seconds) seconds="$2"; shift 2 ;;
        --jobs) jobs="$2"; shift 2 ;;
        -h | --help) sed -n '2,12p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
        scene | item_text | options) targets+=("$1"); shift ;;
        *) echo "fuzz.sh: unknown argument \"$1\" (see --help)" >&2; exit 2 ;;
    esac
done
[ ${#targets[@]} -gt 0 ] || targets=(scene item_text options)

bash scripts/deps.sh fuzz
dir="$root/build/fuzz"
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
CC=clang-14 CXX=clang++-14 cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Fuzz -DVOXTREL_BUILD_FUZZ=ON \
    -DVOXTREL_BUILD_TESTS=OFF -DVOXTREL_BUILD_BENCH=OFF "${launcher[@]}" >/dev/null
cmake --build "$dir" -j "${JOBS:-2}" --target "${targets[@]/#/fuzz_}"

failed=()
for target in "${targets[@]}"; do
    corpus="$dir/corpus/$target" crashes="$dir/crashes/$target" logs="$dir/logs/$target"
    mkdir -p "$corpus" "$crashes" "$logs"
    rm -f "$logs"/*.log
    options=(-max_total_time="$seconds" -timeout=10 -print_final_stats=1 -artifact_prefix="$crashes/")
    [ -f "fuzz/$target.dict" ] && options+=(-dict="$root/fuzz/$target.dict")
    # Several jobs write their own logs (fuzz-N.log) in the working directory.
    [ "$jobs" -gt 1 ] && options+=(-jobs="$jobs" -workers="$jobs")
    echo "fuzzing $target for ${seconds}s in $jobs process(es)"
    touch "$logs/start"
    status=0
    seeds=("$root/fuzz/corpus/$target")
    [ "$target" = scene ] && seeds+=("$root/examples/scenes")
    (cd "$logs" && "$dir/fuzz/fuzz_$target" "${options[@]}" "$corpus" "${seeds[@]}" >run.log 2>&1) || status=$?
    # One line per process: executions, their rate, coverage.
    process_logs=("$logs/run.log")
    [ "$jobs" -gt 1 ] && process_logs=("$logs"/fuzz-*.log)
    for log in "${process_logs[@]}"; do
        runs=$(sed -n 's/^stat::number_of_executed_units: //p' "$log" | tail -n 1)
        rate=$(sed -n 's/^stat::average_exec_per_sec: //p' "$log" | tail -n 1)
        cov=$(grep -o 'cov: [0-9]* ft: [0-9]*' "$log" | tail -n 1 || true)
        [ -n "$runs" ] && echo "  $target: $runs executions, $rate per second, $cov"
    done
    if [ "$status" -ne 0 ] || [ -n "$(find "$crashes" -type f -newer "$logs/start")" ]; then
        echo "  $target: FAILED; inputs in $crashes, log in $logs" >&2
        grep -h -m 3 -E "ERROR|SUMMARY|fuzzer:" "$logs"/*.log >&2 || true
        failed+=("$target")
    fi
done
corpus_size=$(find "$dir/corpus" -type f | wc -l)
echo "fuzzing done: ${#targets[@]} targets, $corpus_size inputs in build/fuzz/corpus, ${#failed[@]} failed"
[ ${#failed[@]} -eq 0 ]
