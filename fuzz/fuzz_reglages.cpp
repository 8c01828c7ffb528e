// libFuzzer target: a change written into any settings text, under ASan and UBSan. It stops when
// the change does not read back, when any other setting reads otherwise than before, when a bad
// line appears or vanishes, or when writing the same change again changes the text.
#include "ecriture_ini.h"
#include "reglages.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>

namespace {

std::string verifier(const std::string &nom) {
    return nom == "p" ? "keeps its meaning" : "";
}

// What a read told, its line numbers left out: a change may move the lines below it.
std::multiset<std::string> messages(const LectureReglages &lue) {
    std::multiset<std::string> sans;
    for (const std::string &m : lue.erreurs) {
        const std::size_t fichier = m.find(':');
        sans.insert(m.substr(m.find(':', fichier + 1) + 2));
    }
    return sans;
}

// No new bad line; the only ones gone are the changed setting's own bad values, written over.
bool memesErreurs(const LectureReglages &avant, const LectureReglages &apres,
                  const std::string &cle) {
    std::multiset<std::string> restes = messages(avant);
    for (const std::string &m : messages(apres)) {
        const auto trouve = restes.find(m);
        if (trouve == restes.end()) {
            return false;
        }
        restes.erase(trouve);
    }
    for (const std::string &m : restes) {
        if (!memeNom(m.substr(0, m.find(" must be ")), cle)) {
            return false;
        }
    }
    return true;
}

bool pareils(const Reglages &a, const Reglages &b) {
    for (int puits = 0; puits < 2; ++puits) {
        if (!(a.puits[puits].pilote == b.puits[puits].pilote) ||
            a.puits[puits].touches != b.puits[puits].touches) {
            return false;
        }
    }
    return a.son == b.son && a.pleinEcran == b.pleinEcran &&
           a.echangerManettes == b.echangerManettes;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *octets, std::size_t taille) {
    if (taille == 0) {
        return 0;
    }
    // The first byte chooses the change, as F3, F4, m or F11 would make it.
    const int choix = octets[0] % 8;
    const std::string texte(reinterpret_cast<const char *>(octets) + 1, taille - 1);
    const LectureReglages avant = lireReglages(texte, "f", verifier);
    Reglages attendu = avant.reglages;
    Changement changement;
    if (choix < 2) {
        attendu.son = choix == 0;
        changement = changementSon(attendu.son);
    } else if (choix < 4) {
        attendu.pleinEcran = choix == 2;
        changement = changementPleinEcran(attendu.pleinEcran);
    } else {
        const int puits = choix % 2;
        attendu.puits[puits].pilote = choix < 6 ? Pilote{} : Pilote{true, Niveau::expert};
        changement = changementPilote(puits, attendu.puits[puits].pilote);
    }

    const std::optional<std::string> ecrit = mettreAJour(texte, changement);
    if (!ecrit) {
        std::abort();
    }
    const LectureReglages apres = lireReglages(*ecrit, "f", verifier);
    if (!pareils(apres.reglages, attendu) || !memesErreurs(avant, apres, changement.cle)) {
        std::abort();
    }
    if (mettreAJour(*ecrit, changement) != ecrit) {
        std::abort();
    }
    return 0;
}
