#!/usr/bin/env bash
# The main job: builds voxtrel-host and runs it on the embedded default scene,
# writing the result scene and pictures to out/. Extra arguments go to voxtrel-host.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
dir=$(bash scripts/build.sh Release | tail -n 1)
"$dir/app/voxtrel-host" --out out "$@"
