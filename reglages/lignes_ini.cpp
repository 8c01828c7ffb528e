#include "lignes_ini.h"

#include <algorithm>
#include <cctype>
#include <optional>

namespace {

bool blanc(char c) {
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

std::string rogner(const std::string &texte, std::size_t debut, std::size_t fin) {
    while (debut < fin && blanc(texte[debut])) {
        ++debut;
    }
    while (fin > debut && blanc(texte[fin - 1])) {
        --fin;
    }
    return texte.substr(debut, fin - debut);
}

// As inih looks for a character: the first of `cherches`, or a ';' after a space, which starts
// a comment.
std::size_t chercher(const std::string &ligne, std::size_t depuis, const char *cherches) {
    bool apresBlanc = false;
    for (std::size_t i = depuis; i < ligne.size(); ++i) {
        const char c = ligne[i];
        if ((cherches != nullptr && std::string(cherches).find(c) != std::string::npos) ||
            (apresBlanc && c == ';')) {
            return i;
        }
        apresBlanc = blanc(c);
    }
    return ligne.size();
}

} // namespace

bool memeNom(const std::string &a, const std::string &b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

std::vector<std::string> decouperLignes(const std::string &texte) {
    std::vector<std::string> lignes;
    std::size_t debut = 0;
    while (debut < texte.size()) {
        const std::size_t fin = texte.find('\n', debut);
        const std::size_t apres = fin == std::string::npos ? texte.size() : fin + 1;
        lignes.push_back(texte.substr(debut, apres - debut));
        debut = apres;
    }
    return lignes;
}

LigneIni classerLigne(const std::string &brute, bool suitePossible) {
    std::string ligne = brute;
    while (!ligne.empty() && blanc(ligne.back())) {
        ligne.pop_back();
    }
    // A UTF-8 byte order mark, which an editor may put at the very start.
    std::size_t debut = ligne.rfind("\xEF\xBB\xBF", 0) == 0 ? 3 : 0;
    const std::size_t marque = debut;
    while (debut < ligne.size() && blanc(ligne[debut])) {
        ++debut;
    }
    LigneIni classee;
    if (debut == ligne.size() || ligne[debut] == ';' || ligne[debut] == '#') {
        return classee;
    }
    if (suitePossible && debut > marque) {
        classee.sorte = LigneIni::Sorte::suite;
        return classee;
    }
    if (ligne[debut] == '[') {
        const std::size_t fin = chercher(ligne, debut + 1, "]");
        if (fin < ligne.size() && ligne[fin] == ']') {
            classee.sorte = LigneIni::Sorte::section;
            classee.nom = rogner(ligne, debut + 1, fin);
        } else {
            classee.sorte = LigneIni::Sorte::erronee;
        }
        return classee;
    }
    const std::size_t egal = chercher(ligne, debut, "=:");
    if (egal == ligne.size() || (ligne[egal] != '=' && ligne[egal] != ':')) {
        classee.sorte = LigneIni::Sorte::erronee;
        return classee;
    }
    classee.sorte = LigneIni::Sorte::reglage;
    classee.nom = rogner(ligne, debut, egal);
    std::size_t valeur = egal + 1;
    while (valeur < ligne.size() && blanc(ligne[valeur])) {
        ++valeur;
    }
    std::size_t fin = chercher(ligne, valeur, nullptr);
    while (fin > valeur && blanc(ligne[fin - 1])) {
        --fin;
    }
    classee.debutValeur = valeur;
    classee.finValeur = fin;
    return classee;
}

std::string mettreAJour(const std::string &texte, const Changement &changement) {
    std::vector<std::string> lignes = decouperLignes(texte);
    std::string section;
    bool suitePossible = false;
    std::optional<std::size_t> reglage;      // the last line that sets it
    std::optional<std::size_t> finDeSection; // the last line of the last such section
    for (std::size_t i = 0; i < lignes.size(); ++i) {
        const LigneIni ligne = classerLigne(lignes[i], suitePossible);
        switch (ligne.sorte) {
        case LigneIni::Sorte::section:
            section = ligne.nom;
            suitePossible = false;
            break;
        case LigneIni::Sorte::reglage:
            suitePossible = true;
            if (memeNom(section, changement.section) && memeNom(ligne.nom, changement.cle)) {
                reglage = i;
            }
            break;
        case LigneIni::Sorte::rien:
        case LigneIni::Sorte::suite:
        case LigneIni::Sorte::erronee:
            break;
        }
        if (ligne.sorte != LigneIni::Sorte::rien && memeNom(section, changement.section)) {
            finDeSection = i;
        }
    }

    if (reglage) {
        std::string &ligne = lignes[*reglage];
        const LigneIni lu = classerLigne(ligne, false);
        std::string valeur = changement.valeur;
        // "down =" has no space where its value goes.
        if (lu.debutValeur == lu.finValeur && lu.debutValeur > 0 &&
            !blanc(ligne[lu.debutValeur - 1])) {
            valeur = " " + valeur;
        }
        ligne.replace(lu.debutValeur, lu.finValeur - lu.debutValeur, valeur);
    } else {
        const std::string nouvelle = changement.cle + " = " + changement.valeur + "\n";
        if (finDeSection) {
            std::string &precedente = lignes[*finDeSection];
            if (precedente.empty() || precedente.back() != '\n') {
                precedente += '\n';
            }
            lignes.insert(lignes.begin() + static_cast<std::ptrdiff_t>(*finDeSection) + 1,
                          nouvelle);
        } else {
            if (!lignes.empty() && lignes.back().back() != '\n') {
                lignes.back() += '\n';
            }
            if (!lignes.empty()) {
                lignes.push_back("\n");
            }
            lignes.push_back("[" + changement.section + "]\n");
            lignes.push_back(nouvelle);
        }
    }
    std::string resultat;
    for (const std::string &ligne : lignes) {
        resultat += ligne;
    }
    return resultat;
}
