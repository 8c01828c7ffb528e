#include "message.h"
#include "traduction.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {
SortieMessages sortieCourante = ecrireMessageSurErreurStandard;
const char *fichierCourant = nullptr;
} // namespace

void ecrireMessageSurErreurStandard(const char *texte, const char *fichier) {
    // The opening failure's text brings its own line feed; the name goes before it.
    std::size_t longueur = std::strlen(texte);
    if (longueur > 0 && texte[longueur - 1] == '\n')
        --longueur;
    std::fputs(remplir(_("Error: {1}"), {std::string(texte, longueur)}).c_str(), stderr);
    if (fichier)
        std::fprintf(stderr, " (%s)", fichier);
    std::fputc('\n', stderr);
    std::fflush(stderr);
}

void afficherErreur(const char *texte) {
    sortieCourante(texte, fichierCourant);
}

SortieMessages remplacerSortieMessages(SortieMessages sortie) {
    SortieMessages ancienne = sortieCourante;
    sortieCourante = sortie ? sortie : ecrireMessageSurErreurStandard;
    return ancienne;
}

FichierLu::FichierLu(const char *nom) : precedent_(fichierCourant) {
    fichierCourant = nom;
}

FichierLu::~FichierLu() {
    fichierCourant = precedent_;
}
