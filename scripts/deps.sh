#!/usr/bin/env bash
# Installs the Debian packages the build needs, when any is missing (Xvfb,
# xdotool, xwd and ImageMagick are for the tests of voxtrel-host --gui). Extra groups
# on the command line add what other jobs need: "fuzz" (clang and its libFuzzer
# and sanitizer runtimes) and "memcheck" (valgrind).
set -euo pipefail
packages=(cmake g++ make pkg-config googletest libgtest-dev libbenchmark-dev nlohmann-json3-dev
          libcairo2-dev libfreetype-dev libcli11-dev fonts-dejavu-core libx11-dev
          xvfb xdotool x11-apps imagemagick)
for group in "$@"; do
    case "$group" in
        fuzz) packages+=(clang-14 libclang-rt-14-dev) ;;
        memcheck) packages+=(valgrind) ;;
        *) echo "deps.sh: unknown group \"$group\" (fuzz, memcheck)" >&2; exit 2 ;;
    esac
done
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "installing: ${missing[*]}"
    sudo_cmd=""
    [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
    $sudo_cmd apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "${missing[@]}" >/dev/null
fi
