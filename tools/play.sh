#!/usr/bin/env bash
# Installs what is missing, builds the game and plays it. Arguments go to the game.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/deps.sh play
cmake --preset default -DDH_TESTS=OFF -DDH_BENCH=OFF >/dev/null
cmake --build --preset default -j"$(nproc)" --target duskhollow
exec ./build/duskhollow "$@"
