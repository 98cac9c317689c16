#!/usr/bin/env bash
# Rewrites the expected files in tests/app/golden/ from the rows of its
# cases.json, by running the golden test in its writing mode. For a change meant
# to alter what voxtrel-host prints, writes or draws: read the difference (git
# diff, and the pictures themselves) before committing it.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=$(bash scripts/build.sh Release | tail -n 1)
find tests/app/golden -mindepth 1 -maxdepth 1 -type d -exec rm -rf {} +
VOXTREL_REGEN_GOLDENS=1 "$dir/tests/app/test_app" --gtest_filter='Rows/Golden.*' --gtest_brief=1
git status --short tests/app/golden
