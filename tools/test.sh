#!/usr/bin/env bash
# Installs what is missing, builds the game and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/deps.sh test
tools/deps.sh content
cmake --preset default -DDH_TESTS=ON >/dev/null
cmake --build --preset default -j"$(nproc)"
ctest --preset default -j"$(nproc)"
