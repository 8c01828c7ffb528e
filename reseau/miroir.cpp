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

template <typename T> std::optional<T> siDifferent(const ClichePartie *base, T avant, T apres) {
    return base && avant == apres ? std::nullopt : std::optional<T>(apres);
}

ChangementPuits changements(const ClichePartie *base, const ClichePartie &c) {
    ChangementPuits p;
    p.fini = c.fini;
    if (!base || refaireCases(*base, c) != c.cases) {
        p.cases = c.cases;
    }
    if (!base || base->type != c.type || base->rotation != c.rotation) {
        p.type = c.type;
        p.rotation = c.rotation;
    }
    p.x = siDifferent(base, base ? base->x : 0, c.x);
    p.y = siDifferent(base, base ? base->y : 0, c.y);
    p.score = siDifferent(base, base ? base->score : 0, c.score);
    p.penalite = siDifferent(base, base ? base->penalite : std::uint16_t{0}, c.penalite);
    p.posees = siDifferent(base, base ? base->posees : 0u, c.posees);
    return p;
}

std::optional<ClichePartie> appliquer(const ClichePartie *base, const ChangementPuits &p) {
    if (!base && !(p.cases && p.type && p.x && p.y && p.score && p.penalite && p.posees)) {
        return std::nullopt;
    }
    ClichePartie c = base ? *base : ClichePartie{};
    c.fini = p.fini;
    if (p.type) {
        c.type = *p.type;
        c.rotation = p.rotation.value_or(0);
    }
    c.x = p.x.value_or(c.x);
    c.y = p.y.value_or(c.y);
    c.score = p.score.value_or(c.score);
    c.penalite = p.penalite.value_or(c.penalite);
    c.posees = p.posees.value_or(c.posees);
    c.cases = p.cases ? *p.cases : refaireCases(*base, c);
    if (!possible(c)) {
        return std::nullopt;
    }
    return c;
}

} // namespace

Cases refaireCases(const ClichePartie &avant, const ClichePartie &cliche) {
    const PieceOuverte piece(cliche);
    Cases cases{};
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

EtatMatch difference(const EtatComplet *base, const EtatComplet &etat) {
    EtatMatch message;
    message.confirme = etat.confirme;
    if (!base || !(base->seance == etat.seance)) {
        message.seance = etat.seance;
    }
    for (int i = 0; i < 2; ++i) {
        if (!base || !(base->puits[i] == etat.puits[i])) {
            message.puits[i] = changements(base ? &base->puits[i] : nullptr, etat.puits[i]);
        }
    }
    return message;
}

std::optional<EtatComplet> reconstruire(const EtatComplet *base, const EtatMatch &message) {
    if (!base && message.recul != 0) {
        return std::nullopt;
    }
    EtatComplet etat = base ? *base : EtatComplet{};
    etat.confirme = message.confirme;
    if (message.seance) {
        etat.seance = *message.seance;
    } else if (!base) {
        return std::nullopt;
    }
    for (int i = 0; i < 2; ++i) {
        if (message.puits[i]) {
            const std::optional<ClichePartie> puits =
                appliquer(base ? &base->puits[i] : nullptr, *message.puits[i]);
            if (!puits) {
                return std::nullopt;
            }
            etat.puits[i] = *puits;
        } else if (!base) {
            return std::nullopt;
        }
    }
    return etat;
}

ClichePartie clicher(const partie &jeu) {
    return PartieOuverte(jeu).clicher();
}

void restaurer(partie &jeu, const ClichePartie &cliche) {
    PartieOuverte ouverte(jeu);
    ouverte.restaurer(cliche);
    jeu = ouverte;
}

EtatComplet etatDe(const Match &match) {
    EtatComplet etat;
    const Match::Seance seance = match.seance();
    etat.seance.numero = seance.numero;
    etat.seance.pause = seance.pause;
    for (int i = 0; i < 2; ++i) {
        etat.seance.victoires[i] = static_cast<std::uint16_t>(seance.victoires[i]);
        etat.seance.seuils[i] = seance.seuils[i];
        etat.puits[i] = clicher(match.jeu(i));
    }
    return etat;
}

void adopter(Match &miroir, const EtatComplet &etat) {
    for (int i = 0; i < 2; ++i) {
        restaurer(miroir.jeu(i), etat.puits[i]);
    }
    Match::Seance seance;
    seance.pause = etat.seance.pause;
    seance.numero = etat.seance.numero;
    for (int i = 0; i < 2; ++i) {
        seance.victoires[i] = etat.seance.victoires[i];
        seance.seuils[i] = etat.seance.seuils[i];
    }
    miroir.adopter(seance);
}
