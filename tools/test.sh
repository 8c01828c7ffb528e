#!/usr/bin/env bash
# Installs what is missing, builds the game and its tests, and runs the whole suite.
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/deps.sh
# shellcheck disable=SC2086
cubefall_need_packages $CUBEFALL_BUILD_PACKAGES $CUBEFALL_TEST_PACKAGES

preset=${CUBEFALL_PRESET:-default}
cmake --preset "$preset"
cmake --build --preset "$preset" -j "$(nproc)"
ctest --preset "$preset" -j "$(nproc)"
