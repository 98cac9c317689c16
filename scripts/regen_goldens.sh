#!/usr/bin/env bash
# Rewrites the expected files in tests/app/golden/ from the rows of its
# cases.json, by running the golden test in its writing mode, and the live
# viewer's picture tests/app/gui/viewer.png. For a change meant
# to alter what voxtrel-host prints, writes or draws: read the difference (git
# diff, and the pictures themselves) before committing it.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=$(bash scripts/build.sh Release | tail -n 1)
find tests/app/golden -mindepth 1 -maxdepth 1 -type d -exec rm -rf {} +
VOXTREL_REGEN_GOLDENS=1 "$dir/tests/app/test_app" --gtest_filter='Rows/Golden.*' --gtest_brief=1
# The live viewer's picture, grabbed from an Xvfb display and written through ImageMagick.
command -v convert >/dev/null || { echo "regen_goldens.sh: the viewer's picture needs ImageMagick's convert" >&2; exit 1; }
VOXTREL_REGEN_GOLDENS=1 "$dir/tests/app/gui/test_app_gui" --gtest_filter='Gui.ClickInTheViewers*' --gtest_brief=1
git status --short tests/app/golden tests/app/gui
