#include "reglages.h"

#include "traduction.h"

#include <algorithm>

namespace {

constexpr const char *sectionJeu = "game";
constexpr const char *sectionManettes = "pads";
constexpr const char *sectionReseau = "network";
constexpr const char *sectionRejeux = "replays";
// More than anyone watches again, and a bound on the folder's size.
constexpr unsigned long rejeuxMax = 100000;
constexpr const char *sectionsPuits[] = {"left well", "right well"};
// In the order of the actions: move left, move right, turn, down.
constexpr const char *clesTouches[] = {"left", "right", "turn", "down"};
// The sections' names stay English in every language: only the "and" reads otherwise.
constexpr const char *sectionsDites =
    N_("[game], [left well], [right well], [pads], [network] and [replays]");

struct Etat {
    const std::string *nomFichier;
    const VerifierTouche *verifier;
    int ligne = 0;
    // The line being read stands above the file's first [section].
    bool avantSections = false;
    LectureReglages lecture;
    // Each message with its line, put in the file's order at the end.
    std::vector<std::pair<int, std::string>> messages;

    void signaler(const std::string &quoi) { messages.emplace_back(ligne, quoi); }
};

bool sectionConnue(const std::string &section) {
    if (memeNom(section, sectionJeu) || memeNom(section, sectionManettes) ||
        memeNom(section, sectionReseau) || memeNom(section, sectionRejeux)) {
        return true;
    }
    return memeNom(section, sectionsPuits[0]) || memeNom(section, sectionsPuits[1]);
}

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

void lireReglagePuits(Etat &etat, ReglagesPuits &puits, const std::string &cle,
                      const std::string &valeur) {
    if (memeNom(cle, "controller")) {
        if (const std::optional<Pilote> pilote = lirePiloteReglage(valeur)) {
            puits.pilote = *pilote;
        } else {
            etat.signaler(remplir(_("controller must be player or computer:easy, medium, hard or "
                                    "expert, not '{1}'"),
                                  {valeur}));
        }
        return;
    }
    for (int action = 0; action < 4; ++action) {
        if (memeNom(cle, clesTouches[action])) {
            const std::string refus = (*etat.verifier)(valeur);
            if (refus.empty()) {
                puits.touches[static_cast<std::size_t>(action)] = valeur;
            } else {
                etat.signaler(remplir(_("{1} = {2}: {3}"), {cle, valeur, refus}));
            }
            return;
        }
    }
    etat.signaler(remplir(
        _("unknown setting '{1}' (a well has controller, left, right, turn and down)"), {cle}));
}

void lireReglageReseau(Etat &etat, Reglages &reglages, const std::string &cle,
                       const std::string &valeur) {
    if (memeNom(cle, "port")) {
        if (const std::optional<std::uint16_t> port = lirePort(valeur)) {
            reglages.port = *port;
        } else {
            etat.signaler(remplir(_("port must be a number from 1 to 65535, not '{1}'"), {valeur}));
        }
    } else if (memeNom(cle, "address")) {
        if (lireAdresse(valeur)) {
            reglages.adresse = valeur;
        } else {
            etat.signaler(remplir(_("address must be HOST or HOST:PORT, not '{1}'"), {valeur}));
        }
    } else {
        etat.signaler(
            remplir(_("unknown setting '{1}' (the network has port and address)"), {cle}));
    }
}

void lireReglage(Etat &etat, const std::string &section, const std::string &cle,
                 const std::string &valeur) {
    Reglages &reglages = etat.lecture.reglages;
    for (int puits = 0; puits < 2; ++puits) {
        if (memeNom(section, sectionsPuits[puits])) {
            lireReglagePuits(etat, reglages.puits[puits], cle, valeur);
            return;
        }
    }
    if (memeNom(section, sectionReseau)) {
        lireReglageReseau(etat, reglages, cle, valeur);
        return;
    }
    if (memeNom(section, sectionRejeux)) {
        const bool chiffres = !valeur.empty() && valeur.size() <= 6 &&
                              valeur.find_first_not_of("0123456789") == std::string::npos;
        if (!memeNom(cle, "keep")) {
            etat.signaler(remplir(_("unknown setting '{1}' (the replays have keep)"), {cle}));
        } else if (chiffres && std::stoul(valeur) <= rejeuxMax) {
            reglages.rejeuxGardes = std::stoul(valeur);
        } else {
            etat.signaler(remplir(_("keep must be a number from 0 to {1}, not '{2}'"),
                                  {std::to_string(rejeuxMax), valeur}));
        }
        return;
    }
    if (memeNom(section, sectionManettes)) {
        if (!memeNom(cle, "swap")) {
            etat.signaler(remplir(_("unknown setting '{1}' (the pads have swap)"), {cle}));
        } else if (const std::optional<bool> oui = lireOuiNon(valeur)) {
            reglages.echangerManettes = *oui;
        } else {
            etat.signaler(remplir(_("{1} must be on or off, not '{2}'"), {cle, valeur}));
        }
        return;
    }
    // A setting above the first [section] belongs to none: named, and skipped. An unknown
    // section is named at its own line, once.
    if (etat.avantSections) {
        etat.signaler(remplir(_("'{1}' stands before any [section] and is skipped: every "
                                "setting belongs to one (there are {2})"),
                              {cle, _(sectionsDites)}));
        return;
    }
    if (!memeNom(section, sectionJeu)) {
        return;
    }
    const bool son = memeNom(cle, "sound");
    if (!son && !memeNom(cle, "fullscreen")) {
        etat.signaler(
            remplir(_("unknown setting '{1}' (the game has sound and fullscreen)"), {cle}));
        return;
    }
    if (const std::optional<bool> oui = lireOuiNon(valeur)) {
        (son ? reglages.son : reglages.pleinEcran) = *oui;
    } else {
        etat.signaler(remplir(_("{1} must be on or off, not '{2}'"), {cle, valeur}));
    }
}

} // namespace

LectureReglages lireReglages(const std::string &texte, const std::string &nomFichier,
                             const VerifierTouche &verifier) {
    Etat etat;
    etat.nomFichier = &nomFichier;
    etat.verifier = &verifier;
    const LectureIni lue = lireIni(texte);
    for (const LectureIni::Erreur &erreur : lue.erreurs) {
        etat.messages.emplace_back(erreur.ligne, erreur.quoi);
    }
    for (const LectureIni::Section &section : lue.sections) {
        if (!sectionConnue(section.nom)) {
            etat.messages.emplace_back(section.ligne,
                                       remplir(_("unknown section [{1}] (there are {2})"),
                                               {section.nom, _(sectionsDites)}));
        }
    }
    for (const LectureIni::Reglage &reglage : lue.reglages) {
        etat.ligne = reglage.ligne;
        etat.avantSections = lue.sections.empty() || reglage.ligne < lue.sections.front().ligne;
        lireReglage(etat, reglage.section, reglage.cle, reglage.valeur);
    }
    std::stable_sort(etat.messages.begin(), etat.messages.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    for (const auto &[ligne, quoi] : etat.messages) {
        etat.lecture.erreurs.push_back(nomFichier + ":" + std::to_string(ligne) + ": " + quoi);
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

Changement changementAdresse(const std::string &adresse) {
    return {sectionReseau, "address", adresse};
}

Changement changementPleinEcran(bool pleinEcran) {
    return {sectionJeu, "fullscreen", pleinEcran ? "on" : "off"};
}
