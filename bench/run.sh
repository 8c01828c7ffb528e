#!/usr/bin/env bash
# Builds the benchmarks (the bench preset) and runs them: in a virtual X server, the share of a
# core that the game takes in a window, sleeping between frames and spinning, and the time of one
# frame with both wells full; then the decoder beside stb_image, from a file and from memory, the
# contenders interleaved. Further arguments go to each (Google Benchmark's options, e.g.
# --benchmark_format=json, which the decoder's own loop ignores; it takes --rounds=N).
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/deps.sh
# shellcheck disable=SC2086
cubefall_need_packages $CUBEFALL_BUILD_PACKAGES $CUBEFALL_TEST_PACKAGES libbenchmark-dev

cmake --preset bench
# Two jobs at most: the machine is shared.
cmake --build --preset bench -j 2

screen=(-s "-screen 0 1280x1024x24")
echo "== CPU: the game in a window for 10 s of play, as shipped and built to spin"
xvfb-run -a "${screen[@]}" build-bench/bench/bench_cpu "$@"
echo
echo "== One frame at GLUT's default window size, a new game and both wells full"
xvfb-run -a "${screen[@]}" build-bench/bench/bench_frame "$@"
echo
echo "== Decoding a 4096 x 4096 picture, from a file and from memory, beside stb_image and a plain copy"
build-bench/bench/bench_decodage "$@"
