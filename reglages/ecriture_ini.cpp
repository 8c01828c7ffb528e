#include "ecriture_ini.h"

#include "lignes_ini.h"

#include <vector>

namespace {

bool concerne(const std::string &section, const std::string &cle, const Changement &changement) {
    return memeNom(section, changement.section) && memeNom(cle, changement.cle);
}

// Everything the game reads from a text but the changed setting, in order.
std::vector<std::string> lu(const LectureIni &lecture, const Changement &changement) {
    std::vector<std::string> tout;
    for (const LectureIni::Section &s : lecture.sections) {
        if (!memeNom(s.nom, changement.section)) {
            tout.push_back("[" + s.nom + "]");
        }
    }
    for (const LectureIni::Reglage &r : lecture.reglages) {
        if (!concerne(r.section, r.cle, changement)) {
            tout.push_back(r.section + "\n" + r.cle + "\n" + r.valeur);
        }
    }
    for (const LectureIni::Erreur &e : lecture.erreurs) {
        tout.push_back("!" + e.quoi);
    }
    return tout;
}

bool fidele(const LectureIni &avant, const std::string &apres, const Changement &changement) {
    const LectureIni relu = lireIni(apres);
    const LectureIni::Reglage *dernier = nullptr;
    for (const LectureIni::Reglage &r : relu.reglages) {
        if (concerne(r.section, r.cle, changement)) {
            dernier = &r;
        }
    }
    return dernier != nullptr && dernier->valeur == changement.valeur &&
           lu(relu, changement) == lu(avant, changement);
}

// A new section of its own at the very end: a section line reads the same wherever it stands, and
// nothing follows it.
std::string aLaFin(std::string texte, const Changement &changement) {
    if (!texte.empty() && texte.back() != '\n') {
        texte += '\n';
    }
    if (!texte.empty()) {
        texte += '\n';
    }
    return texte + "[" + changement.section + "]\n" + changement.cle + " = " + changement.valeur +
           "\n";
}

// Where the change goes as a player would write it: in place of the value it replaces, or at the
// end of its section.
std::string enPlace(const std::string &texte, const Changement &changement) {
    std::vector<std::string> lignes = decouperLignes(texte);
    std::string section;
    std::string cle; // of the last setting, which an indented line continues
    bool suitePossible = false;
    std::optional<std::size_t> reglage;      // the last line that sets it
    LigneIni lue;                            // and how it reads
    std::optional<std::size_t> finDeSection; // the last line of the last such section
    for (std::size_t i = 0; i < lignes.size(); ++i) {
        const LigneIni ligne = ligneTropLongue(lignes[i])
                                   ? LigneIni{}
                                   : classerLigne(lignes[i], suitePossible, i == 0);
        switch (ligne.sorte) {
        case LigneIni::Sorte::section:
            section = ligne.nom;
            suitePossible = false;
            break;
        case LigneIni::Sorte::reglage:
            suitePossible = true;
            cle = ligne.nom;
            [[fallthrough]];
        case LigneIni::Sorte::suite:
            if (concerne(section, cle, changement)) {
                reglage = i;
                lue = ligne;
            }
            break;
        case LigneIni::Sorte::rien:
        case LigneIni::Sorte::erronee:
            break;
        }
        if (ligne.sorte != LigneIni::Sorte::rien && memeNom(section, changement.section)) {
            finDeSection = i;
        }
    }

    if (reglage) {
        std::string &ligne = lignes[*reglage];
        std::string valeur = changement.valeur;
        // "down =" has no space where its value goes.
        if (lue.debutValeur == lue.finValeur && lue.debutValeur > 0 &&
            ligne[lue.debutValeur - 1] != ' ' && ligne[lue.debutValeur - 1] != '\t') {
            valeur = " " + valeur;
        }
        ligne.replace(lue.debutValeur, lue.finValeur - lue.debutValeur, valeur);
    } else if (finDeSection) {
        std::string &precedente = lignes[*finDeSection];
        if (precedente.back() != '\n') {
            precedente += '\n';
        }
        lignes.insert(lignes.begin() + static_cast<std::ptrdiff_t>(*finDeSection) + 1,
                      changement.cle + " = " + changement.valeur + "\n");
    } else {
        return aLaFin(texte, changement);
    }
    std::string resultat;
    for (const std::string &ligne : lignes) {
        resultat += ligne;
    }
    return resultat;
}

} // namespace

std::optional<std::string> mettreAJour(const std::string &texte, const Changement &changement) {
    const LectureIni avant = lireIni(texte);
    for (const std::string &essai : {enPlace(texte, changement), aLaFin(texte, changement)}) {
        if (fidele(avant, essai, changement)) {
            return essai;
        }
    }
    return std::nullopt;
}
