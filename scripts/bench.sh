#!/usr/bin/env bash
# Measures the plug-in: every benchmark case (Google Benchmark, bench/), then
# voxtrel-host itself on generated scenes under /usr/bin/time for wall time and
# peak memory. Prints the tables docs/performance.md shows.
#   scripts/bench.sh [REGEX]   only the benchmark cases matching REGEX
set -euo pipefail
cd "$(dirname "$0")/.."
dir=$(bash scripts/build.sh Release | tail -n 1)
bench="$dir/bench/voxtrel-bench"
host="$dir/app/voxtrel-host"
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

"$bench" --benchmark_filter="${1:-/}" --benchmark_out="$out/bench.json" --benchmark_out_format=json >&2

# voxtrel-host runs: name, layers, options.
runs=(
    "random 4000"
    "random 16000"
    "camera 16000 --orient camera"
    "orient_random 16000 --orient random"
    "keys 16000 --orient random --keys position,orientation,scale"
    "repeat_direct 1000 --repeat 3"
    "repeat_command 1000 --repeat 3 --without AEGP_Layer_Suite:10"
)
: >"$out/runs.txt"
for run in "${runs[@]}"; do
    read -r name layers options <<<"$run"
    scene="$out/scene-$layers.json"
    [ -f "$scene" ] || "$bench" --scene="$layers" "$scene"
    # Option values hold no blanks here but the suite's name, written with _ above.
    args=()
    for word in $options; do args+=("${word//_/ }"); done
    /usr/bin/time -f "%e %M" -o "$out/time.txt" "$host" "$scene" --clock 1 "${args[@]}" >/dev/null
    echo "$name $layers $(cat "$out/time.txt")" >>"$out/runs.txt"
done

python3 - "$out/bench.json" "$out/runs.txt" <<'PY'
import json, math, re, sys
rows = {}
for b in json.load(open(sys.argv[1]))["benchmarks"]:
    if "error_occurred" in b and b["error_occurred"]:
        print("error:", b["name"], b.get("error_message", ""))
        continue
    m = re.match(r"(\w+)/(\w+)/(\d+)", b["name"])
    if not m: continue
    action, case, size = m.group(1), m.group(2), int(m.group(3))
    rows[(action, case, size)] = b
print("\n| case | size | time (ms) | host calls per record (layer) | overhead Apply ÷ replay | exponent |")
print("|---|---:|---:|---:|---:|---:|")
previous = {}
for (action, case, size), b in sorted(rows.items()):
    ms = b["cpu_time"] * {"ms": 1, "us": 1e-3, "ns": 1e-6, "s": 1e3}[b["time_unit"]]
    per = b.get("calls/record", b.get("calls/layer"))
    overhead = ""
    if action == "apply" and ("replay", case, size) in rows:
        r = rows[("replay", case, size)]
        overhead = "%.2f" % (b["cpu_time"] / r["cpu_time"])
    exponent = ""
    if (action, case) in previous:
        psize, pms = previous[(action, case)]
        exponent = "%.2f" % (math.log(ms / pms) / math.log(size / psize))
    previous[(action, case)] = (size, ms)
    print("| %s/%s | %d | %.3f | %s | %s | %s |" % (action, case, size, ms, "" if per is None else "%.1f" % per, overhead, exponent))

print("\n| voxtrel-host run | layers | wall time (s) | peak memory (MB) | per layer (KB) |")
print("|---|---:|---:|---:|---:|")
runs = {}
for line in open(sys.argv[2]):
    name, layers, seconds, kb = line.split()
    runs[(name, int(layers))] = (float(seconds), int(kb))
    print("| %s | %s | %s | %.0f | %.1f |" % (name, layers, seconds, int(kb) / 1024, int(kb) / int(layers)))
t4, t16 = runs[("random", 4000)][0], runs[("random", 16000)][0]
print("\nrandom 4,000 → 16,000 layers: %.2f × the time (exponent %.2f)" % (t16 / t4, math.log(t16 / t4) / math.log(4)))
d, c = runs[("repeat_direct", 1000)][0], runs[("repeat_command", 1000)][0]
print("1,000 layers × 3 repeats: the Duplicate-command path takes %.1f × the direct path" % (c / d))
PY
