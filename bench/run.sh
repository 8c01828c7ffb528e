#!/usr/bin/env bash
# Builds the benchmarks (the bench preset) and runs them: in a virtual X server, the share of a
# core that the game takes in a window, beside the game drawing every frame and an empty window,
# the contenders taking turns, the game with and without sound; the time from an event to its
# sound; the time of one frame, new, with both wells full and paused (the most text), at four
# window sizes; the time from starting the game to its first frame; the computer player; network
# play; replays; then the decoder beside stb_image, from a file and from memory, the contenders
# interleaved. Further arguments go to the frame and decoder benchmarks (Google Benchmark's
# options, e.g. --benchmark_format=json, which the decoder's own loop ignores; it takes
# --rounds=N). CUBEFALL_CPU_ROUNDS sets the CPU benchmark's rounds (2 by default, 2 minutes each).
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/deps.sh
# shellcheck disable=SC2086
cubefall_need_packages $CUBEFALL_BUILD_PACKAGES $CUBEFALL_TEST_PACKAGES libbenchmark-dev

cmake --preset bench
# Two jobs at most: the machine is shared.
cmake --build --preset bench -j 2

screen=(-s "-screen 0 1920x1200x24")
echo "== CPU: the game in a 500 x 500 window, 10 s with no key and with keys, with and without sound, with a pad connected, beside drawing every frame and an empty window"
xvfb-run -a "${screen[@]}" build-bench/bench/bench_cpu "${CUBEFALL_CPU_ROUNDS:-2}"
echo
echo "== From an event to its sound being mixed, on SDL's null audio device"
build-bench/bench/bench_latence_son
echo
echo "== One frame at 300 x 300, 500 x 500, 1280 x 960 and 1920 x 1080: a new game, both wells full, paused"
xvfb-run -a "${screen[@]}" build-bench/bench/bench_frame "$@"
echo
echo "== From starting the game to its first frame"
xvfb-run -a "${screen[@]}" build-bench/bench/bench_demarrage 10 build-bench/cubefall build-bench
echo
echo "== The computer player: Expert's solo games, duels between levels, the time of one choice"
bash bench/ordinateur.sh build-bench/bench/bench_ordinateur
echo
echo "== Network play: a host and a joining game over loopback through a relay that delays and drops"
build-bench/bench/bench_reseau
echo
echo "== Replays: bytes a minute, seeking a long match, playing back beside playing"
build-bench/bench/bench_rejeu
echo
echo "== Decoding a 4096 x 4096 picture, from a file and from memory, beside stb_image and a plain copy"
build-bench/bench/bench_decodage "$@"
