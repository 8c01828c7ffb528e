#!/usr/bin/env bash
# Fuzzes the bitmap decoder for SECONDS (60 by default), or until it has run RUNS inputs if that
# comes first, and fails on any finding.
# Usage: fuzz/run.sh [SECONDS [RUNS]]
# Builds with the "fuzz" preset (clang-14), seeds a corpus with the painted pictures and one small
# file of every form, and keeps what the fuzzer learns in build-fuzz/corpus for the next run.
# Crashing inputs are left in build-fuzz/findings/.
set -euo pipefail

secondes=${1:-60}
executions=${2:--1}
racine=$(cd "$(dirname "$0")/.." && pwd)
construction=$racine/build-fuzz

cd "$racine"
. tools/deps.sh
# shellcheck disable=SC2086
cubefall_need_packages $CUBEFALL_BUILD_PACKAGES clang-14 libclang-rt-14-dev
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j2

graines=$construction/graines
corpus=$construction/corpus
resultats=$construction/findings
rm -rf "$graines"
mkdir -p "$graines" "$corpus" "$resultats"
"$construction/fuzz/graines_dib" "$graines"
for cote in 4 8 16; do
    mkdir -p "$graines/peint$cote"
    "$construction/tools/peindre_textures" "$graines/peint$cote" "$cote"
    mv "$graines/peint$cote/bois.bmp" "$graines/bois$cote.bmp"
    mv "$graines/peint$cote/metal.bmp" "$graines/metal$cote.bmp"
    rmdir "$graines/peint$cote"
done

# libFuzzer exits non-zero on a crash, a leak, a timeout or running out of memory.
"$construction/fuzz/fuzz_dib" "$corpus" "$graines" \
    -dict="$racine/fuzz/dib.dict" \
    -max_total_time="$secondes" \
    -runs="$executions" \
    -max_len=8192 \
    -timeout=10 \
    -rss_limit_mb=2048 \
    -print_final_stats=1 \
    -artifact_prefix="$resultats/"
