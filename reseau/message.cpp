#include "message.h"

#include "octets.h"

#include <utility>

namespace {

enum Type : std::uint8_t {
    typeBonjour = 1,
    typeRefus = 2,
    typeAccueil = 3,
    typeAction = 4,
    typeCommande = 5,
    typeEtat = 6,
};

constexpr std::uint32_t nombreEvenements = static_cast<std::uint32_t>(Evenement::reprise) + 1;
// Two bits a cell, four cells a byte: 45 bytes, none to spare.
constexpr std::size_t octetsCases = nbColonnes * nbLignes / 4;
static_assert(nbColonnes * nbLignes % 4 == 0, "the cells fill their bytes");

void ecrireCliche(Ecrivain &e, const ClichePartie &c) {
    e.u8(static_cast<std::uint8_t>((c.fini ? 1 : 0) | (c.avecCases ? 2 : 0)));
    if (c.avecCases) {
        std::array<std::uint8_t, octetsCases> cases{};
        for (int i = 0; i < nbColonnes * nbLignes; ++i) {
            const std::uint8_t code = c.cases[static_cast<std::size_t>(i / nbLignes)]
                                             [static_cast<std::size_t>(i % nbLignes)];
            cases[static_cast<std::size_t>(i / 4)] |=
                static_cast<std::uint8_t>(code << (2 * (i % 4)));
        }
        for (const std::uint8_t octet : cases) {
            e.u8(octet);
        }
    }
    e.u8(static_cast<std::uint8_t>(c.type | c.rotation << 4));
    e.i32(c.x);
    e.i32(c.y);
    e.i32(c.score);
    e.u16(c.penalite);
    e.u32(c.posees);
}

// A signed value within the anchor's reach, read without overflow: shifted into the unsigned
// range, where the bounds are checked.
std::int32_t lireAncre(Lecteur &l) {
    const auto limite = static_cast<std::uint32_t>(ancreMax);
    const std::uint32_t decale = l.u32() + limite;
    return static_cast<std::int32_t>(l.borne(decale, 0, 2 * limite) - limite);
}

ClichePartie lireCliche(Lecteur &l) {
    ClichePartie c;
    const std::uint32_t drapeaux = l.borne(l.u8(), 0, 3);
    c.fini = (drapeaux & 1) != 0;
    c.avecCases = (drapeaux & 2) != 0;
    for (std::size_t octet = 0; c.avecCases && octet < octetsCases; ++octet) {
        const std::uint8_t valeur = l.u8();
        for (int k = 0; k < 4; ++k) {
            const int i = static_cast<int>(octet) * 4 + k;
            const auto code = static_cast<std::uint8_t>(valeur >> (2 * k) & 3);
            if (code > caseTombante) {
                l.echouer();
            }
            c.cases[static_cast<std::size_t>(i / nbLignes)]
                   [static_cast<std::size_t>(i % nbLignes)] = code;
        }
    }
    const std::uint8_t piece = l.u8();
    c.type = static_cast<std::uint8_t>(l.borne(piece & 0x0F, 0, 6));
    c.rotation = static_cast<std::uint8_t>(l.borne(piece >> 4, 0, 3));
    c.x = lireAncre(l);
    c.y = lireAncre(l);
    c.score = static_cast<std::int32_t>(l.borne(l.u32(), 0, compteMax));
    c.penalite = static_cast<std::uint16_t>(l.borne(l.u16(), 0, penaliteMax));
    c.posees = l.borne(l.u32(), 0, compteMax);
    return c;
}

void ecrireEtat(Ecrivain &e, const EtatMatch &etat) {
    e.u32(etat.numero);
    e.u8(static_cast<std::uint8_t>((etat.pause ? 1 : 0) | (etat.puits[0] ? 2 : 0) |
                                   (etat.puits[1] ? 4 : 0)));
    for (int i = 0; i < 2; ++i) {
        e.u16(etat.victoires[i]);
        e.i32(etat.seuils[i]);
    }
    e.u32(etat.confirme);
    for (const std::optional<ClichePartie> &puits : etat.puits) {
        if (puits) {
            ecrireCliche(e, *puits);
        }
    }
    e.u8(static_cast<std::uint8_t>(etat.faits.size()));
    for (const Fait &fait : etat.faits) {
        e.u8(static_cast<std::uint8_t>(fait.quoi));
        e.u8(static_cast<std::uint8_t>(fait.puits + 1));
        e.u16(static_cast<std::uint16_t>(fait.nombre));
    }
}

EtatMatch lireEtat(Lecteur &l) {
    EtatMatch etat;
    etat.numero = l.u32();
    const std::uint8_t drapeaux = static_cast<std::uint8_t>(l.borne(l.u8(), 0, 7));
    etat.pause = (drapeaux & 1) != 0;
    for (int i = 0; i < 2; ++i) {
        etat.victoires[i] = l.u16();
        etat.seuils[i] = static_cast<std::int32_t>(l.borne(l.u32(), 0, INT32_MAX));
    }
    etat.confirme = l.u32();
    for (int i = 0; i < 2; ++i) {
        if ((drapeaux & (2 << i)) != 0) {
            etat.puits[i] = lireCliche(l);
        }
    }
    const std::uint32_t faits = l.borne(l.u8(), 0, faitsMax);
    for (std::uint32_t n = 0; n < faits && l.bon(); ++n) {
        Fait fait{};
        fait.quoi = static_cast<Evenement>(l.borne(l.u8(), 0, nombreEvenements - 1));
        fait.puits = static_cast<int>(l.borne(l.u8(), 0, 2)) - 1;
        fait.nombre = static_cast<int>(l.borne(l.u16(), 1, nombreMax));
        etat.faits.push_back(fait);
    }
    return etat;
}

} // namespace

bool ClichePartie::operator==(const ClichePartie &autre) const {
    return avecCases == autre.avecCases && (!avecCases || cases == autre.cases) &&
           type == autre.type && rotation == autre.rotation && x == autre.x && y == autre.y &&
           fini == autre.fini && score == autre.score && penalite == autre.penalite &&
           posees == autre.posees;
}

bool EtatMatch::operator==(const EtatMatch &autre) const {
    return numero == autre.numero && pause == autre.pause && victoires[0] == autre.victoires[0] &&
           victoires[1] == autre.victoires[1] && seuils[0] == autre.seuils[0] &&
           seuils[1] == autre.seuils[1] && confirme == autre.confirme &&
           puits[0] == autre.puits[0] && puits[1] == autre.puits[1] && faits == autre.faits;
}

std::vector<std::uint8_t> encoder(const Message &message) {
    Ecrivain e;
    e.u8(versionProtocole);
    if (std::holds_alternative<Bonjour>(message)) {
        e.u8(typeBonjour);
    } else if (std::holds_alternative<Refus>(message)) {
        e.u8(typeRefus);
    } else if (const auto *accueil = std::get_if<Accueil>(&message)) {
        e.u8(typeAccueil);
        e.u8(accueil->joueur ? 1 : 0);
    } else if (const auto *action = std::get_if<ActionJoueur>(&message)) {
        e.u8(typeAction);
        e.u32(action->numero);
        e.u8(static_cast<std::uint8_t>(action->action));
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
    } else if (type == typeAccueil) {
        message = Accueil{l.borne(l.u8(), 0, 1) == 1};
    } else if (type == typeAction) {
        ActionJoueur action;
        action.numero = l.u32();
        action.action = static_cast<Action>(l.borne(l.u8(), 0, 3));
        message = action;
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
