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

// The rows with the piece's cells settled in them.
Lignes poser(Lignes lignes, const Cellules &piece) {
    for (int i = 0; i < piece.nombre; ++i) {
        lignes[piece.ligne[i]] |= static_cast<std::uint16_t>(1u << piece.colonne[i]);
    }
    return lignes;
}

struct Effacement {
    Lignes lignes{};
    int rangees = 0;
    // The piece's cells among the rows cleared, which count for it.
    int cellulesPiece = 0;
};

// Full rows vanish and those above come down.
Effacement effacer(const Lignes &lignes, const Cellules &piece) {
    Effacement effacement;
    int n = 0;
    for (int r = 0; r < nbLignes; ++r) {
        if (lignes[r] == rangeePleine) {
            ++effacement.rangees;
            for (int i = 0; i < piece.nombre; ++i) {
                effacement.cellulesPiece += piece.ligne[i] == r;
            }
        } else {
            effacement.lignes[n++] = lignes[r];
        }
    }
    return effacement;
}

// The rows up to the highest cube.
int hauteurPile(const Lignes &puits) {
    for (int r = nbLignes - 1; r >= 0; --r) {
        if (puits[r] != 0) {
            return r + 1;
        }
    }
    return 0;
}

// Waiting garbage comes in under the well as soon as the piece settles: the well rises. A garbage
// row arriving while a cube sits in the second row from the top overflows it.
bool debordePar(int hauteur, int penalite) {
    return penalite > 0 && hauteur + penalite > nbLignes - 1;
}

// The garbage rows' own cells never reach where the shapes enter: only the well pushed up does.
bool entreeBoucheePar(const Lignes &puits, int penalite) {
    const Lignes &entree = entrees().cases;
    const int decalage = std::min(penalite, nbLignes);
    for (int r = decalage; r < nbLignes; ++r) {
        if ((puits[r - decalage] & entree[r]) != 0) {
            return true;
        }
    }
    return false;
}

// What the note holds against the well the landing leaves.
struct Mesures {
    int transitionsLignes = 0;
    int transitionsColonnes = 0;
    int trous = 0;
    int puitsCumules = 0;
};

Mesures mesurer(const Lignes &puits, int hauteur) {
    Mesures m;
    // Rows above the stack are empty: each has its two wall transitions and nothing else.
    m.transitionsLignes = 2 * (nbLignes - hauteur);
    std::uint16_t couvert = 0, puitsOuverts = 0;
    int profondeur[nbColonnes] = {};
    for (int r = hauteur - 1; r >= 0; --r) {
        const unsigned rangee = puits[r];
        m.transitionsLignes += transitionsLigne(puits[r]);
        m.transitionsColonnes +=
            __builtin_popcount(rangee ^ (r == 0 ? rangeePleine : puits[r - 1]));
        // Holes: empty cells with something above them.
        m.trous += __builtin_popcount(couvert & ~rangee & rangeePleine);
        couvert |= rangee;
        // Wells: empty cells between two filled ones (or a wall), each counting its depth.
        const unsigned murs = (rangee << 1 | 1u) & (rangee >> 1 | 1u << (nbColonnes - 1));
        const std::uint16_t puitsIci = static_cast<std::uint16_t>(~rangee & murs & rangeePleine);
        for (unsigned bits = puitsIci; bits != 0; bits &= bits - 1) {
            const int c = __builtin_ctz(bits);
            profondeur[c] = (puitsOuverts >> c & 1u) != 0 ? profondeur[c] + 1 : 1;
            m.puitsCumules += profondeur[c];
        }
        puitsOuverts = puitsIci;
    }
    if (hauteur < nbLignes && hauteur > 0) {
        m.transitionsColonnes += __builtin_popcount(puits[hauteur - 1]);
    }
    return m;
}

// How high the piece lands, the garbage pushing it up, and what it clears.
double noterPiece(const Cellules &piece, const Effacement &effacement, int penalite) {
    int basPiece = nbLignes, hautPiece = -1;
    for (int i = 0; i < piece.nombre; ++i) {
        basPiece = std::min(basPiece, piece.ligne[i]);
        hautPiece = std::max(hautPiece, piece.ligne[i]);
    }
    const double hauteurPose = (basPiece + hautPiece) / 2.0 + 1 + penalite;
    return poidsHauteurPose * hauteurPose +
           poidsCellulesEffacees * effacement.rangees * effacement.cellulesPiece;
}

// The well's measures added to the piece's part one by one, in this order: the places compared
// may differ by the last bit of their notes.
double peser(double notePiece, const Mesures &m) {
    return notePiece + poidsTransitionsLignes * m.transitionsLignes +
           poidsTransitionsColonnes * m.transitionsColonnes + poidsTrous * m.trous +
           poidsPuits * m.puitsCumules;
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

ApresPose noterPose(const Lignes &puits, const Cellules &piece, int penalite) {
    const Effacement effacement = effacer(poser(puits, piece), piece);
    ApresPose apres;
    apres.puits = effacement.lignes;
    apres.rangees = effacement.rangees;
    const int hauteur = hauteurPile(apres.puits);
    apres.deborde = debordePar(hauteur, penalite);
    apres.entreeBouchee = entreeBoucheePar(apres.puits, penalite);
    const bool perdu = apres.deborde || apres.entreeBouchee;
    const double notePiece = noterPiece(piece, effacement, penalite);
    apres.note = peser(notePiece, mesurer(apres.puits, hauteur));
    if (perdu) {
        apres.note += noteDebordement;
    }
    apres.notePiece = notePiece + (perdu ? noteDebordement : 0);
    return apres;
}
