#!/usr/bin/env bash
# Configures and builds one build type into build/<type> (Release by default).
set -euo pipefail
cd "$(dirname "$0")/.."
type="${1:-Release}"
dir="build/$(echo "$type" | tr '[:upper:]' '[:lower:]')"
werror=OFF
[ "${CI:-}" = "true" ] && werror=ON
launcher=()
# A compiler cache, where the machine has one, makes rebuilds of unchanged files free.
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE="$type" -DVOXTREL_WERROR="${VOXTREL_WERROR:-$werror}" "${launcher[@]}" >/dev/null
cmake --build "$dir" -j "${JOBS:-2}"
echo "$dir"
