#include "protocole.h"

#include "octets.h"

#include <utility>

namespace {

enum Type : std::uint8_t {
    typeBonjour = 1,
    typeRefus = 2,
    typeAccueil = 3,
    typeRetour = 4,
    typeCommande = 5,
    typeEtat = 6,
    typeComplet = 7,
};

constexpr std::uint32_t nombreEvenements = static_cast<std::uint32_t>(Evenement::reprise) + 1;
// Two bits a cell, four cells a byte: 45 bytes, none to spare.
constexpr std::size_t octetsCases = nbColonnes * nbLignes / 4;
static_assert(nbColonnes * nbLignes % 4 == 0, "the cells fill their bytes");

// Which fields of a well a state gives.
enum ChampPuits : std::uint8_t {
    champFini = 1,
    champCases = 2,
    champPiece = 4,
    champX = 8,
    champY = 16,
    champScore = 32,
    champPenalite = 64,
    champPosees = 128,
};
constexpr std::uint8_t tousLesChamps = 0xFE;

// What a state gives besides the confirmation.
enum ChampEtat : std::uint8_t {
    etatSeance = 1,
    etatPuits0 = 2,
    etatPuits1 = 4,
    etatFaits = 8,
    etatPause = 16,
};

// A fact in one byte: the event, the well (0 the match, 1 the left, 2 the right), and whether a
// count of rows follows.
constexpr std::uint8_t faitAvecNombre = 64;

std::uint32_t zigzag(std::int32_t v) {
    return (static_cast<std::uint32_t>(v) << 1) ^ static_cast<std::uint32_t>(v >> 31);
}

void ecrireCases(Ecrivain &e, const Cases &c) {
    std::array<std::uint8_t, octetsCases> octets{};
    for (int i = 0; i < nbColonnes * nbLignes; ++i) {
        const std::uint8_t code =
            c[static_cast<std::size_t>(i / nbLignes)][static_cast<std::size_t>(i % nbLignes)];
        octets[static_cast<std::size_t>(i / 4)] |= static_cast<std::uint8_t>(code << (2 * (i % 4)));
    }
    for (const std::uint8_t octet : octets) {
        e.u8(octet);
    }
}

Cases lireCases(Lecteur &l) {
    Cases c{};
    for (std::size_t octet = 0; octet < octetsCases; ++octet) {
        const std::uint8_t valeur = l.u8();
        for (int k = 0; k < 4; ++k) {
            const int i = static_cast<int>(octet) * 4 + k;
            const auto code = static_cast<std::uint8_t>(valeur >> (2 * k) & 3);
            if (code > caseTombante) {
                l.echouer();
            }
            c[static_cast<std::size_t>(i / nbLignes)][static_cast<std::size_t>(i % nbLignes)] =
                code;
        }
    }
    return c;
}

void ecrirePuits(Ecrivain &e, const ChangementPuits &p) {
    const auto present = [](bool oui, ChampPuits champ) { return oui ? champ : 0; };
    e.u8(static_cast<std::uint8_t>(
        present(p.fini, champFini) | present(p.cases.has_value(), champCases) |
        present(p.type.has_value(), champPiece) | present(p.x.has_value(), champX) |
        present(p.y.has_value(), champY) | present(p.score.has_value(), champScore) |
        present(p.penalite.has_value(), champPenalite) |
        present(p.posees.has_value(), champPosees)));
    if (p.cases) {
        ecrireCases(e, *p.cases);
    }
    if (p.type) {
        e.u8(static_cast<std::uint8_t>(*p.type | p.rotation.value_or(0) << 4));
    }
    for (const std::optional<std::int32_t> &v : {p.x, p.y}) {
        if (v) {
            e.varint(zigzag(*v));
        }
    }
    if (p.score) {
        e.i32(*p.score);
    }
    if (p.penalite) {
        e.u16(*p.penalite);
    }
    if (p.posees) {
        e.u32(*p.posees);
    }
}

// A varint no greater than `max`.
std::uint32_t lireVarint(Lecteur &l, std::uint32_t min, std::uint32_t max) {
    const std::uint64_t v = l.varint();
    if (v < min || v > max) {
        l.echouer();
        return min;
    }
    return static_cast<std::uint32_t>(v);
}

// A signed value within the anchor's reach: zigzagged, so that small ones take a byte.
std::int32_t lireAncre(Lecteur &l) {
    const std::uint32_t z = lireVarint(l, 0, 2 * static_cast<std::uint32_t>(ancreMax));
    return static_cast<std::int32_t>(z >> 1) ^ -static_cast<std::int32_t>(z & 1);
}

ChangementPuits lirePuits(Lecteur &l, bool entier) {
    ChangementPuits p;
    const std::uint8_t champs = l.u8();
    if (entier && (champs & tousLesChamps) != tousLesChamps) {
        l.echouer();
    }
    p.fini = (champs & champFini) != 0;
    if ((champs & champCases) != 0) {
        p.cases = lireCases(l);
    }
    if ((champs & champPiece) != 0) {
        const std::uint8_t piece = l.u8();
        p.type = static_cast<std::uint8_t>(l.borne(piece & 0x0F, 0, 6));
        p.rotation = static_cast<std::uint8_t>(l.borne(piece >> 4, 0, 3));
    }
    if ((champs & champX) != 0) {
        p.x = lireAncre(l);
    }
    if ((champs & champY) != 0) {
        p.y = lireAncre(l);
    }
    if ((champs & champScore) != 0) {
        p.score = static_cast<std::int32_t>(l.borne(l.u32(), 0, compteMax));
    }
    if ((champs & champPenalite) != 0) {
        p.penalite = static_cast<std::uint16_t>(l.borne(l.u16(), 0, penaliteMax));
    }
    if ((champs & champPosees) != 0) {
        p.posees = l.borne(l.u32(), 0, compteMax);
    }
    return p;
}

void ecrireRetour(Ecrivain &e, const Retour &retour) {
    e.varint(retour.etatRecu);
    e.varint(retour.premiere);
    e.u8(static_cast<std::uint8_t>(retour.actions.size()));
    std::uint8_t octet = 0;
    for (std::size_t i = 0; i < retour.actions.size(); ++i) {
        octet |= static_cast<std::uint8_t>(static_cast<int>(retour.actions[i]) << (2 * (i % 4)));
        if (i % 4 == 3 || i + 1 == retour.actions.size()) {
            e.u8(octet);
            octet = 0;
        }
    }
}

Retour lireRetour(Lecteur &l) {
    Retour retour;
    retour.etatRecu = lireVarint(l, 0, UINT32_MAX);
    retour.premiere = lireVarint(l, 1, UINT32_MAX);
    const std::uint32_t n = l.borne(l.u8(), 0, actionsMax);
    for (std::uint32_t i = 0; i < n && l.bon(); i += 4) {
        const std::uint8_t octet = l.u8();
        for (std::uint32_t k = 0; k < 4; ++k) {
            const int action = octet >> (2 * k) & 3;
            if (i + k < n) {
                retour.actions.push_back(static_cast<Action>(action));
            } else if (action != 0) {
                // Bits past the last action are zero: one message, one set of bytes.
                l.echouer();
            }
        }
    }
    return retour;
}

} // namespace

void ecrireEtat(Ecrivain &e, const EtatMatch &etat) {
    e.varint(etat.numero);
    e.u8(etat.recul);
    e.varint(etat.confirme);
    const bool pause = etat.seance && etat.seance->pause;
    e.u8(static_cast<std::uint8_t>((etat.seance ? etatSeance : 0) |
                                   (etat.puits[0] ? etatPuits0 : 0) |
                                   (etat.puits[1] ? etatPuits1 : 0) |
                                   (etat.faits.empty() ? 0 : etatFaits) | (pause ? etatPause : 0)));
    if (etat.seance) {
        e.u32(etat.seance->numero);
        for (int i = 0; i < 2; ++i) {
            e.u16(etat.seance->victoires[i]);
            e.i32(etat.seance->seuils[i]);
        }
    }
    for (const std::optional<ChangementPuits> &puits : etat.puits) {
        if (puits) {
            ecrirePuits(e, *puits);
        }
    }
    if (!etat.faits.empty()) {
        e.varint(etat.premierFait);
        e.u8(static_cast<std::uint8_t>(etat.faits.size()));
        for (const Fait &fait : etat.faits) {
            const bool nombre = fait.nombre != 1;
            e.u8(static_cast<std::uint8_t>(static_cast<int>(fait.quoi) | (fait.puits + 1) << 4 |
                                           (nombre ? faitAvecNombre : 0)));
            if (nombre) {
                e.u16(static_cast<std::uint16_t>(fait.nombre));
            }
        }
    }
}

EtatMatch lireEtat(Lecteur &l) {
    EtatMatch etat;
    etat.numero = lireVarint(l, 1, UINT32_MAX);
    etat.recul = l.u8();
    etat.confirme = lireVarint(l, 0, UINT32_MAX);
    const std::uint8_t champs = static_cast<std::uint8_t>(l.borne(l.u8(), 0, 31));
    const bool entier = etat.recul == 0;
    if ((champs & etatSeance) != 0) {
        SeanceEtat seance;
        seance.numero = l.u32();
        seance.pause = (champs & etatPause) != 0;
        for (int i = 0; i < 2; ++i) {
            seance.victoires[i] = l.u16();
            seance.seuils[i] = static_cast<std::int32_t>(l.borne(l.u32(), 0, INT32_MAX));
        }
        etat.seance = seance;
    } else if ((champs & etatPause) != 0 || entier) {
        l.echouer();
    }
    for (int i = 0; i < 2; ++i) {
        if ((champs & (etatPuits0 << i)) != 0) {
            etat.puits[i] = lirePuits(l, entier);
        } else if (entier) {
            l.echouer();
        }
    }
    if ((champs & etatFaits) != 0) {
        etat.premierFait = lireVarint(l, 0, UINT32_MAX);
        const std::uint32_t faits = l.borne(l.u8(), 1, faitsMax);
        for (std::uint32_t n = 0; n < faits && l.bon(); ++n) {
            const std::uint8_t octet = l.u8();
            Fait fait{};
            fait.quoi = static_cast<Evenement>(l.borne(octet & 0x0F, 0, nombreEvenements - 1));
            fait.puits = static_cast<int>(l.borne(octet >> 4 & 3, 0, 2)) - 1;
            if ((octet & 0x80) != 0) {
                l.echouer();
            }
            if ((octet & faitAvecNombre) != 0) {
                fait.nombre = static_cast<int>(l.borne(l.u16(), 2, nombreMax));
            }
            etat.faits.push_back(fait);
        }
    }
    return etat;
}

bool ClichePartie::operator==(const ClichePartie &autre) const {
    return cases == autre.cases && type == autre.type && rotation == autre.rotation &&
           x == autre.x && y == autre.y && fini == autre.fini && score == autre.score &&
           penalite == autre.penalite && posees == autre.posees;
}

bool SeanceEtat::operator==(const SeanceEtat &autre) const {
    return numero == autre.numero && pause == autre.pause && victoires[0] == autre.victoires[0] &&
           victoires[1] == autre.victoires[1] && seuils[0] == autre.seuils[0] &&
           seuils[1] == autre.seuils[1];
}

bool EtatComplet::operator==(const EtatComplet &autre) const {
    return seance == autre.seance && confirme == autre.confirme && puits[0] == autre.puits[0] &&
           puits[1] == autre.puits[1];
}

bool ChangementPuits::operator==(const ChangementPuits &autre) const {
    return fini == autre.fini && cases == autre.cases && type == autre.type &&
           rotation == autre.rotation && x == autre.x && y == autre.y && score == autre.score &&
           penalite == autre.penalite && posees == autre.posees;
}

bool EtatMatch::operator==(const EtatMatch &autre) const {
    return numero == autre.numero && recul == autre.recul && confirme == autre.confirme &&
           seance == autre.seance && puits[0] == autre.puits[0] && puits[1] == autre.puits[1] &&
           (faits.empty() || premierFait == autre.premierFait) && faits == autre.faits;
}

std::vector<std::uint8_t> encoder(const Message &message) {
    Ecrivain e;
    e.u8(versionProtocole);
    if (std::holds_alternative<Bonjour>(message)) {
        e.u8(typeBonjour);
    } else if (std::holds_alternative<Refus>(message)) {
        e.u8(typeRefus);
    } else if (std::holds_alternative<Complet>(message)) {
        e.u8(typeComplet);
    } else if (const auto *accueil = std::get_if<Accueil>(&message)) {
        e.u8(typeAccueil);
        e.u8(accueil->joueur ? 1 : 0);
        e.u8(static_cast<std::uint8_t>(accueil->raison));
    } else if (const auto *retour = std::get_if<Retour>(&message)) {
        e.u8(typeRetour);
        ecrireRetour(e, *retour);
    } else if (const auto *commande = std::get_if<DemandeSeance>(&message)) {
        e.u8(typeCommande);
        e.u8(static_cast<std::uint8_t>(commande->ordre));
    } else if (const auto *etat = std::get_if<EtatMatch>(&message)) {
        e.u8(typeEtat);
        ecrireEtat(e, *etat);
    }
    return e.octets();
}

std::optional<Recu> decoder(const std::uint8_t *octets, std::size_t taille) {
    if (taille < 2 || taille > tailleMessageMax) {
        return std::nullopt;
    }
    Lecteur l(octets, taille);
    const std::uint8_t version = l.u8();
    const std::uint8_t type = l.u8();
    std::optional<Message> message;
    if (type == typeBonjour) {
        message = Bonjour{};
    } else if (type == typeRefus) {
        message = Refus{};
    } else if (version != versionProtocole) {
        return std::nullopt;
    } else if (type == typeComplet) {
        message = Complet{};
    } else if (type == typeAccueil) {
        Accueil accueil;
        accueil.joueur = l.borne(l.u8(), 0, 1) == 1;
        accueil.raison = static_cast<Raison>(l.borne(l.u8(), 0, 2));
        message = accueil;
    } else if (type == typeRetour) {
        message = lireRetour(l);
    } else if (type == typeCommande) {
        message = DemandeSeance{static_cast<Ordre>(l.borne(l.u8(), 0, 3))};
    } else if (type == typeEtat) {
        message = lireEtat(l);
    }
    if (!message || !l.toutLu()) {
        return std::nullopt;
    }
    return Recu{version, *message};
}

bool fiable(const Message &message) {
    return !std::holds_alternative<Retour>(message) && !std::holds_alternative<EtatMatch>(message);
}

namespace {

// Each order and the gesture it stands for.
constexpr std::pair<Ordre, Geste> gestesDesOrdres[] = {
    {Ordre::pause, Geste::pause},
    {Ordre::mettreEnPause, Geste::mettreEnPause},
    {Ordre::nouveauMatch, Geste::nouveauMatch},
    {Ordre::matchSuivant, Geste::matchSuivant},
};

} // namespace

std::optional<Ordre> ordreDe(Geste geste) {
    for (const auto &[ordre, sonGeste] : gestesDesOrdres) {
        if (sonGeste == geste) {
            return ordre;
        }
    }
    return std::nullopt;
}

Geste gesteDe(Ordre ordre) {
    for (const auto &[sonOrdre, geste] : gestesDesOrdres) {
        if (sonOrdre == ordre) {
            return geste;
        }
    }
    // The decoder lets no other order through.
    return Geste::pause;
}
