#include "champ_adresse.h"

#include "codes_touches.h"

#include <cctype>

ChampAdresse::Suite ChampAdresse::toucher(unsigned char touche) {
    if (!texte_) {
        return Suite::rien;
    }
    std::string &texte = *texte_;
    if (touche == toucheEchap) {
        texte_.reset();
        return Suite::fermer;
    }
    if (touche == toucheEntree || touche == '\n') {
        return Suite::valider;
    }
    if (touche == toucheRetourArriere || touche == toucheSupprimer) {
        if (!texte.empty()) {
            texte.pop_back();
        }
    } else if ((std::isalnum(touche) != 0 || touche == '.' || touche == '-' || touche == ':') &&
               texte.size() < longueurMax) {
        texte += static_cast<char>(touche);
    }
    return Suite::rien;
}
