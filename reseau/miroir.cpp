#include "miroir.h"

#include <algorithm>

namespace {

// The game with its fields open to the picture.
class PartieOuverte : public partie {
public:
    explicit PartieOuverte(const partie &jeu) : partie(jeu) {}

    ClichePartie clicher() const {
        ClichePartie c;
        for (int colonne = 0; colonne < nbColonnes; ++colonne) {
            for (int ligne = 0; ligne < nbLignes; ++ligne) {
                c.cases[static_cast<std::size_t>(colonne)][static_cast<std::size_t>(ligne)] =
                    static_cast<std::uint8_t>(plateau[colonne][ligne]);
            }
        }
        c.type = static_cast<std::uint8_t>(type);
        c.rotation = static_cast<std::uint8_t>(rotation);
        c.x = std::clamp(x, -ancreMax, ancreMax);
        c.y = std::clamp(y, -ancreMax, ancreMax);
        c.fini = fini;
        c.score = std::clamp(score, 0, compteMax);
        c.penalite = static_cast<std::uint16_t>(std::min<int>(penalite, penaliteMax));
        c.posees = static_cast<std::uint32_t>(std::clamp(posees, 0, compteMax));
        return c;
    }

    void restaurer(const ClichePartie &c) {
        for (int colonne = 0; colonne < nbColonnes; ++colonne) {
            for (int ligne = 0; ligne < nbLignes; ++ligne) {
                plateau[colonne][ligne] =
                    c.cases[static_cast<std::size_t>(colonne)][static_cast<std::size_t>(ligne)];
            }
        }
        type = c.type;
        rotation = c.rotation;
        x = c.x;
        y = c.y;
        vider();
        placer();
        fini = c.fini;
        score = c.score;
        penalite = c.penalite;
        posees = static_cast<int>(c.posees);
    }
};

// A piece of any shape and turn at its anchor, its mask made from them.
class PieceOuverte : public bloc {
public:
    PieceOuverte(const ClichePartie &c) : bloc(c.type, c.x, c.y) {
        rotation = c.rotation;
        vider();
        placer();
    }
};

} // namespace

std::array<std::array<std::uint8_t, nbLignes>, nbColonnes>
refaireCases(const ClichePartie &avant, const ClichePartie &cliche) {
    const PieceOuverte piece(cliche);
    std::array<std::array<std::uint8_t, nbLignes>, nbColonnes> cases{};
    for (int colonne = 0; colonne < nbColonnes; ++colonne) {
        for (int ligne = 0; ligne < nbLignes; ++ligne) {
            const auto c = static_cast<std::size_t>(colonne);
            const auto l = static_cast<std::size_t>(ligne);
            const bool posee = avant.cases[c][l] == casePosee;
            cases[c][l] = posee                               ? casePosee
                          : piece.getJeu(colonne, ligne) != 0 ? caseTombante
                                                              : caseVide;
        }
    }
    return cases;
}

bool possible(const ClichePartie &puits) {
    if (puits.fini) {
        return true;
    }
    for (std::size_t ligne = 0; ligne < nbLignes; ++ligne) {
        if (std::all_of(puits.cases.begin(), puits.cases.end(),
                        [&](const auto &colonne) { return colonne[ligne] == casePosee; })) {
            return false;
        }
    }
    return true;
}

EtatMatch difference(const std::optional<EtatMatch> &envoye, const EtatMatch &etat) {
    EtatMatch message = etat;
    for (int i = 0; envoye && i < 2; ++i) {
        const std::optional<ClichePartie> &avant = envoye->puits[i];
        if (!avant || !etat.puits[i]) {
            continue;
        }
        if (*avant == *etat.puits[i]) {
            message.puits[i].reset();
        } else if (refaireCases(*avant, *etat.puits[i]) == etat.puits[i]->cases) {
            message.puits[i]->avecCases = false;
        }
    }
    return message;
}

ClichePartie clicher(const partie &jeu) {
    return PartieOuverte(jeu).clicher();
}

void restaurer(partie &jeu, const ClichePartie &cliche) {
    PartieOuverte ouverte(jeu);
    ouverte.restaurer(cliche);
    jeu = ouverte;
}

EtatMatch etatDe(const Match &match) {
    EtatMatch etat;
    const Match::Seance seance = match.seance();
    etat.numero = seance.numero;
    etat.pause = seance.pause;
    for (int i = 0; i < 2; ++i) {
        etat.victoires[i] = static_cast<std::uint16_t>(seance.victoires[i]);
        etat.seuils[i] = seance.seuils[i];
        etat.puits[i] = clicher(match.jeu(i));
    }
    return etat;
}

void adopter(Match &miroir, const EtatMatch &etat, const ClichePartie (&puits)[2]) {
    for (int i = 0; i < 2; ++i) {
        restaurer(miroir.jeu(i), puits[i]);
    }
    Match::Seance seance;
    seance.pause = etat.pause;
    seance.numero = etat.numero;
    for (int i = 0; i < 2; ++i) {
        seance.victoires[i] = etat.victoires[i];
        seance.seuils[i] = etat.seuils[i];
    }
    miroir.adopter(seance);
}
