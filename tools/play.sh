#!/usr/bin/env bash
# Installs what is missing, builds an optimised game and starts it in the folder that holds its
# pictures. Without a display it runs the game for a few seconds in a virtual one and saves a
# screenshot instead. Arguments are handed to the game (its options, such as --right=computer, and
# GLUT's, such as -geometry 800x600).
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/deps.sh

build_game() {
    cmake --preset release >/dev/null
    cmake --build --preset release -j "$(nproc)"
}

if [ -n "${DISPLAY:-}" ]; then
    # shellcheck disable=SC2086
    cubefall_need_packages $CUBEFALL_BUILD_PACKAGES
    build_game
    cd build-release
    exec ./cubefall "$@"
fi

echo "No display (DISPLAY is not set): running Cubefall under Xvfb for a few seconds and saving a screenshot."
# shellcheck disable=SC2086
cubefall_need_packages $CUBEFALL_BUILD_PACKAGES $CUBEFALL_TEST_PACKAGES
# The same game as with a display, so that it can be installed afterwards all the same; the
# screenshot tool lives with the real-window tests.
build_game
cmake --preset default >/dev/null
cmake --build --preset default -j "$(nproc)" --target cubefall_capture
shot="$PWD/build-release/cubefall-screenshot.png"
xvfb-run -a -s "-screen 0 1280x1024x24" build/cubefall_capture build-release/cubefall \
    build-release "$shot" --wait 3 --keys a,a,w,Left,Up,s,s,Down,Down,400 -- "$@"
echo "Screenshot: $shot"
