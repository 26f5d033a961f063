#!/usr/bin/env bash
# Sets everything up and starts the game from this folder, where Pics/ lives.
set -euo pipefail
cd "$(dirname "$0")"
tools/setup.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo
exec ./build/tintenfunkel
