#include "reglages.h"

#include <ini.h>

#include <cstring>

namespace {

constexpr const char *sectionJeu = "game";
constexpr const char *sectionManettes = "pads";
constexpr const char *sectionsPuits[] = {"left well", "right well"};
// In the order of the actions: move left, move right, turn, down.
constexpr const char *clesTouches[] = {"left", "right", "turn", "down"};

struct Etat {
    const std::string *texte;
    std::size_t position = 0;
    int ligne = 0;
    bool suitePossible = false;
    const std::string *nomFichier;
    const VerifierTouche *verifier;
    LectureReglages lecture;

    void signaler(const std::string &quoi) {
        lecture.erreurs.push_back(*nomFichier + ":" + std::to_string(ligne) + ": " + quoi);
    }
};

std::optional<bool> lireOuiNon(const std::string &mot) {
    for (const char *oui : {"on", "yes", "true", "1"}) {
        if (memeNom(mot, oui)) {
            return true;
        }
    }
    for (const char *non : {"off", "no", "false", "0"}) {
        if (memeNom(mot, non)) {
            return false;
        }
    }
    return std::nullopt;
}

// inih hands the lines over one at a time: counting them here gives each setting its line, and
// a line inih would skip is named here.
char *lireLigne(char *tampon, int taille, void *flux) {
    Etat &etat = *static_cast<Etat *>(flux);
    const std::string &texte = *etat.texte;
    if (etat.position >= texte.size()) {
        return nullptr;
    }
    const std::size_t fin = texte.find('\n', etat.position);
    const std::size_t apres = fin == std::string::npos ? texte.size() : fin + 1;
    std::string ligne = texte.substr(etat.position, apres - etat.position);
    etat.position = apres;
    ++etat.ligne;

    const LigneIni classee = classerLigne(ligne, etat.suitePossible);
    if (ligne.size() + 1 > static_cast<std::size_t>(taille)) {
        etat.signaler("line too long (at most " + std::to_string(taille - 2) + " characters)");
        ligne = "#\n";
    } else if (classee.sorte == LigneIni::Sorte::erronee) {
        etat.signaler("not a setting (name = value) nor a [section]");
    }
    if (classee.sorte == LigneIni::Sorte::section) {
        etat.suitePossible = false;
    } else if (classee.sorte == LigneIni::Sorte::reglage) {
        etat.suitePossible = true;
    }
    std::memcpy(tampon, ligne.c_str(), ligne.size() + 1);
    return tampon;
}

void lireReglagePuits(Etat &etat, ReglagesPuits &puits, const std::string &cle,
                      const std::string &valeur) {
    if (memeNom(cle, "controller")) {
        if (const std::optional<Pilote> pilote = lirePiloteReglage(valeur)) {
            puits.pilote = *pilote;
        } else {
            etat.signaler("controller must be player or computer:easy, medium, hard or expert, "
                          "not '" +
                          valeur + "'");
        }
        return;
    }
    for (int action = 0; action < 4; ++action) {
        if (memeNom(cle, clesTouches[action])) {
            const std::string refus = (*etat.verifier)(valeur);
            if (refus.empty()) {
                puits.touches[static_cast<std::size_t>(action)] = valeur;
            } else {
                etat.signaler(cle + " = " + valeur + ": " + refus);
            }
            return;
        }
    }
    etat.signaler("unknown setting '" + cle +
                  "' (a well has controller, left, right, turn and down)");
}

int lireReglage(void *utilisateur, const char *sectionLue, const char *cleLue,
                const char *valeurLue) {
    Etat &etat = *static_cast<Etat *>(utilisateur);
    const std::string section = sectionLue;
    const std::string cle = cleLue;
    const std::string valeur = valeurLue;
    Reglages &reglages = etat.lecture.reglages;
    for (int puits = 0; puits < 2; ++puits) {
        if (memeNom(section, sectionsPuits[puits])) {
            lireReglagePuits(etat, reglages.puits[puits], cle, valeur);
            return 1;
        }
    }
    if (memeNom(section, sectionManettes)) {
        if (!memeNom(cle, "swap")) {
            etat.signaler("unknown setting '" + cle + "' (the pads have swap)");
        } else if (const std::optional<bool> oui = lireOuiNon(valeur)) {
            reglages.echangerManettes = *oui;
        } else {
            etat.signaler(cle + " must be on or off, not '" + valeur + "'");
        }
        return 1;
    }
    if (!memeNom(section, sectionJeu)) {
        etat.signaler("unknown section [" + section +
                      "] (there are [game], [left well], [right well] and [pads])");
        return 1;
    }
    const bool son = memeNom(cle, "sound");
    if (!son && !memeNom(cle, "fullscreen")) {
        etat.signaler("unknown setting '" + cle + "' (the game has sound and fullscreen)");
        return 1;
    }
    if (const std::optional<bool> oui = lireOuiNon(valeur)) {
        (son ? reglages.son : reglages.pleinEcran) = *oui;
    } else {
        etat.signaler(cle + " must be on or off, not '" + valeur + "'");
    }
    return 1;
}

} // namespace

LectureReglages lireReglages(const std::string &texte, const std::string &nomFichier,
                             const VerifierTouche &verifier) {
    Etat etat;
    etat.texte = &texte;
    etat.nomFichier = &nomFichier;
    etat.verifier = &verifier;
    if (ini_parse_stream(lireLigne, &etat, lireReglage, &etat) < 0) {
        etat.lecture.erreurs.push_back(nomFichier + ": could not be read");
    }
    return etat.lecture;
}

std::string motPilote(Pilote pilote) {
    return pilote.ordinateur ? std::string("computer:") + motNiveau(pilote.niveau) : "player";
}

std::optional<Pilote> lirePiloteReglage(const std::string &mot) {
    if (mot == "player") {
        return Pilote{};
    }
    if (mot == "computer") {
        return Pilote{true, Niveau::moyen};
    }
    const std::string prefixe = "computer:";
    if (mot.rfind(prefixe, 0) == 0) {
        if (const std::optional<Niveau> niveau = lireNiveau(mot.substr(prefixe.size()))) {
            return Pilote{true, *niveau};
        }
    }
    return std::nullopt;
}

Changement changementPilote(int puits, Pilote pilote) {
    return {sectionsPuits[puits], "controller", motPilote(pilote)};
}

Changement changementSon(bool son) {
    return {sectionJeu, "sound", son ? "on" : "off"};
}

Changement changementPleinEcran(bool pleinEcran) {
    return {sectionJeu, "fullscreen", pleinEcran ? "on" : "off"};
}
