#!/usr/bin/env bash
# The catalogues are whole and the template is the sources' own: every French string translated
# and none fuzzy, every string of the template in each catalogue, and the template as xgettext
# makes it from the sources today.
# Usage: catalogues.sh SOURCE_FOLDER WORK_FOLDER
set -euo pipefail
racine=$1
travail=$2
mkdir -p "$travail"
echec=0

bash "$racine/po/modele.sh" "$racine" "$travail/cubefall.pot"
# The creation date is the only line that changes from one run to the next.
if ! diff <(grep -v '^"POT-Creation-Date:' "$racine/po/cubefall.pot") \
    <(grep -v '^"POT-Creation-Date:' "$travail/cubefall.pot"); then
    echo "po/cubefall.pot is out of date with the sources: run po/modele.sh . po/cubefall.pot" \
        "and msgmerge the catalogues" >&2
    echec=1
fi

while read -r langue; do
    [ -n "$langue" ] || continue
    po="$racine/po/$langue.po"
    statistiques=$(msgfmt --check --statistics -o /dev/null "$po" 2>&1) || {
        echo "$statistiques" >&2
        echec=1
        continue
    }
    echo "$langue: $statistiques"
    if grep -Eq 'fuzzy|untranslated' <<<"$statistiques"; then
        echo "$po has fuzzy or untranslated strings" >&2
        echec=1
    fi
    msgcmp "$po" "$racine/po/cubefall.pot" || echec=1
done <"$racine/po/LINGUAS"
exit $echec
