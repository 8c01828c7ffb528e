#!/usr/bin/env bash
# Fuzzes the bitmap decoder, the settings writer, the network's decoder and the replays' for
# SECONDS in all (60 by default, shared between them), or each until it has run RUNS inputs if
# that comes first, and fails on any finding.
# Usage: fuzz/run.sh [SECONDS [RUNS]]
# Builds with the "fuzz" preset (clang-14), seeds the decoder's corpus with the painted pictures
# and one small file of every form, the writer's with a few settings files, the network's with
# one message of each kind, the replays' with a replay of each kind, and keeps what each fuzzer learns in build-fuzz/corpus/NAME for the
# next run. Crashing inputs are left in build-fuzz/findings/.
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
mkdir -p "$graines/dib" "$graines/reglages" "$graines/message" "$graines/rejeu" "$corpus/dib" \
    "$corpus/reglages" "$corpus/message" "$corpus/rejeu" "$resultats"
"$construction/fuzz/graines_dib" "$graines/dib"
"$construction/fuzz/graines_message" "$graines/message"
"$construction/fuzz/graines_rejeu" "$graines/rejeu"
for cote in 4 8 16; do
    mkdir -p "$graines/peint$cote"
    "$construction/tools/peindre_textures" "$graines/peint$cote" "$cote"
    mv "$graines/peint$cote/bois.bmp" "$graines/dib/bois$cote.bmp"
    mv "$graines/peint$cote/metal.bmp" "$graines/dib/metal$cote.bmp"
    rmdir "$graines/peint$cote"
done
# The first byte chooses the change; the rest is the file.
printf '\0[game]\n  [left well]\n  controller = computer:hard\n' >"$graines/reglages/indente"
printf '\2; mine\n[Game]\nsound = off ; loud\nfullscreen:\n  yes\n[left well]\nleft = q\n' \
    >"$graines/reglages/suite"
printf '\5[ left well ]\ncontroller = robot\n[right well\r]\n[pads]\nswap = on\n' \
    >"$graines/reglages/noms"

# libFuzzer exits non-zero on a crash, a leak, a timeout or running out of memory.
fuzz() {
    local nom=$1
    shift
    "$construction/fuzz/fuzz_$nom" "$corpus/$nom" "$graines/$nom" \
        -max_total_time="$((secondes / 4))" \
        -runs="$executions" \
        -timeout=10 \
        -rss_limit_mb=2048 \
        -print_final_stats=1 \
        -artifact_prefix="$resultats/$nom-" "$@"
}
fuzz dib -dict="$racine/fuzz/dib.dict" -max_len=8192
fuzz reglages -max_len=1024
fuzz message -max_len=2100
fuzz rejeu -max_len=4096
