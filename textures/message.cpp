#include "message.h"
#include "dib.h"

#include <cstdio>
#include <cstring>

namespace {
// One line under the title "Error". The opening failure's text brings its own line feed.
void ecrireSurErreurStandard(const char *texte) {
    const std::size_t longueur = std::strlen(texte);
    const bool finDeLigne = longueur > 0 && texte[longueur - 1] == '\n';
    std::fprintf(stderr, "Error: %s%s", texte, finDeLigne ? "" : "\n");
    std::fflush(stderr);
}

SortieMessages sortieCourante = ecrireSurErreurStandard;
} // namespace

void afficherErreur(const char *texte) {
    sortieCourante(texte);
}

SortieMessages remplacerSortieMessages(SortieMessages sortie) {
    SortieMessages ancienne = sortieCourante;
    sortieCourante = sortie ? sortie : ecrireSurErreurStandard;
    return ancienne;
}
