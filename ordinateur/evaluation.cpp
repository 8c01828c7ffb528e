#include "evaluation.h"

#include "entrees.h"

#include <algorithm>

namespace {

constexpr std::uint16_t rangeePleine = (1u << nbColonnes) - 1;

// The weights of the six measures that the best published one-piece players share, as tuned on
// the classic well: they hold on ours too.
constexpr double poidsHauteurPose = -4.500158825082766;
constexpr double poidsCellulesEffacees = 3.4181268101392694;
constexpr double poidsTransitionsLignes = -3.2178882868487753;
constexpr double poidsTransitionsColonnes = -9.348695305445199;
constexpr double poidsTrous = -7.899265427351652;
constexpr double poidsPuits = -3.3855972247263626;

int transitionsLigne(std::uint16_t ligne) {
    // The walls count as filled on either side.
    const unsigned avecMurs = (static_cast<unsigned>(ligne) << 1) | 1u | (1u << (nbColonnes + 1));
    return __builtin_popcount((avecMurs ^ (avecMurs >> 1)) & ((1u << (nbColonnes + 1)) - 1));
}

} // namespace

Cellules faireTomber(Cellules cellules, const Lignes &puits) {
    int chute = nbLignes;
    for (int i = 0; i < cellules.nombre; ++i) {
        int dessous = cellules.ligne[i] - 1;
        while (dessous >= 0 && (puits[dessous] >> cellules.colonne[i] & 1u) == 0) {
            --dessous;
        }
        chute = std::min(chute, cellules.ligne[i] - dessous - 1);
    }
    for (int i = 0; i < cellules.nombre; ++i) {
        cellules.ligne[i] -= chute;
    }
    return cellules;
}

double noterPose(const Lignes &puits, const Cellules &piece, int penalite, Lignes *resultat,
                 double *notePose) {
    Lignes l = puits;
    int basPiece = nbLignes, hautPiece = -1;
    for (int i = 0; i < piece.nombre; ++i) {
        l[piece.ligne[i]] |= static_cast<std::uint16_t>(1u << piece.colonne[i]);
        basPiece = std::min(basPiece, piece.ligne[i]);
        hautPiece = std::max(hautPiece, piece.ligne[i]);
    }

    // Full rows vanish; the cells of the piece they took count for it.
    int effacees = 0, cellulesEffacees = 0;
    Lignes apres{};
    int n = 0;
    for (int r = 0; r < nbLignes; ++r) {
        if (l[r] == rangeePleine) {
            ++effacees;
            for (int i = 0; i < piece.nombre; ++i) {
                cellulesEffacees += piece.ligne[i] == r;
            }
        } else {
            apres[n++] = l[r];
        }
    }
    if (resultat != nullptr) {
        *resultat = apres;
    }

    // Waiting garbage comes in under the well as soon as the piece settles: the well rises.
    int hauteur = 0;
    for (int r = nbLignes - 1; r >= 0; --r) {
        if (apres[r] != 0) {
            hauteur = r + 1;
            break;
        }
    }
    // A garbage row arriving while a cube sits in the second row from the top overflows the well.
    const bool deborde = penalite > 0 && hauteur + penalite > nbLignes - 1;
    const int decalage = std::min(penalite, nbLignes);
    bool entreeBouchee = false;
    for (int r = 0; r < nbLignes; ++r) {
        const int source = r - decalage;
        const std::uint16_t rangee = source >= 0 ? apres[source] : 0;
        entreeBouchee = entreeBouchee || (rangee & entrees().cases[r]) != 0;
    }

    // Rows above the stack are empty: each has its two wall transitions and nothing else.
    int transitionsLignes = 2 * (nbLignes - hauteur), transitionsColonnes = 0, trous = 0,
        puitsCumules = 0;
    std::uint16_t couvert = 0, puitsOuverts = 0;
    int profondeur[nbColonnes] = {};
    for (int r = hauteur - 1; r >= 0; --r) {
        const unsigned rangee = apres[r];
        transitionsLignes += transitionsLigne(apres[r]);
        transitionsColonnes += __builtin_popcount(rangee ^ (r == 0 ? rangeePleine : apres[r - 1]));
        // Holes: empty cells with something above them.
        trous += __builtin_popcount(couvert & ~rangee & rangeePleine);
        couvert |= rangee;
        // Wells: empty cells between two filled ones (or a wall), each counting its depth.
        const unsigned murs = (rangee << 1 | 1u) & (rangee >> 1 | 1u << (nbColonnes - 1));
        const std::uint16_t puitsIci = static_cast<std::uint16_t>(~rangee & murs & rangeePleine);
        for (unsigned bits = puitsIci; bits != 0; bits &= bits - 1) {
            const int c = __builtin_ctz(bits);
            profondeur[c] = (puitsOuverts >> c & 1u) != 0 ? profondeur[c] + 1 : 1;
            puitsCumules += profondeur[c];
        }
        puitsOuverts = puitsIci;
    }
    if (hauteur < nbLignes && hauteur > 0) {
        transitionsColonnes += __builtin_popcount(apres[hauteur - 1]);
    }

    const double hauteurPose = (basPiece + hautPiece) / 2.0 + 1 + penalite;
    double note = poidsHauteurPose * hauteurPose +
                  poidsCellulesEffacees * effacees * cellulesEffacees +
                  poidsTransitionsLignes * transitionsLignes +
                  poidsTransitionsColonnes * transitionsColonnes + poidsTrous * trous +
                  poidsPuits * puitsCumules;
    if (deborde || entreeBouchee) {
        note += noteDebordement;
    }
    if (notePose != nullptr) {
        *notePose = poidsHauteurPose * hauteurPose +
                    poidsCellulesEffacees * effacees * cellulesEffacees +
                    (deborde || entreeBouchee ? noteDebordement : 0);
    }
    return note;
}
