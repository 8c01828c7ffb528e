#!/usr/bin/env bash
# Writes the template of the game's texts (a .pot file) from its sources, its menu entry, its
# AppStream metadata and its replays' file type: every text the player reads.
# Usage: po/modele.sh SOURCE_FOLDER OUTPUT.pot
set -euo pipefail
racine=$1
sortie=$2
cd "$racine"
entete=(--package-name=Cubefall --package-version=1.0 --copyright-holder="Cubefall's authors"
    --msgid-bugs-address=https://cubefall.invalid/issues --from-code=UTF-8 --add-location=file)
mapfile -t sources < <(find langue rules ordinateur match reveil reglages render son manettes \
    reseau rejeu seance main textures -name '*.cpp' | LC_ALL=C sort)
xgettext "${entete[@]}" --language=C++ --keyword=_ --keyword=N_ --keyword=C_:1c,2 \
    --keyword=NC_:1c,2 --keyword=P_:1,2 --add-comments=TRANSLATORS -o "$sortie" "${sources[@]}"
xgettext "${entete[@]}" --join-existing -o "$sortie" -L Desktop --keyword=Name \
    --keyword=Comment --keyword=Keywords dist/cubefall.desktop.in
xgettext "${entete[@]}" --join-existing -o "$sortie" dist/cubefall.metainfo.xml \
    dist/cubefall-replay.xml
