#!/usr/bin/env bash
# Shared by run.sh and test.sh: installs missing Debian packages, then
# configures and builds into the given folder. Fast when nothing is missing.
set -euo pipefail

packages=(cmake g++ make qt6-base-dev qt6-svg-dev qt6-image-formats-plugins
          libgl-dev xvfb xauth xdotool x11-utils imagemagick)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo_cmd=()
    [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

build_dir=$1
shift
cmake -S . -B "$build_dir" "$@" >/dev/null
cmake --build "$build_dir" --parallel "$(nproc)"
