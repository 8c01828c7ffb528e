#include "format.h"
#include "traduction.h"

#include "miroir.h"
#include "octets.h"

#include <cstring>

namespace {

constexpr char signature[8] = {'C', 'F', 'R', 'E', 'P', 'L', 'A', 'Y'};
// No gap between two traces is longer than a day, nor a match longer than 30 years; a clock's
// second lies within 2^40 either way of 1970.
constexpr std::uint64_t ecartMax = 24 * 3600 * 1000;
constexpr std::int64_t quandMax = std::int64_t{1} << 40;
constexpr std::int64_t secondeMax = std::int64_t{1} << 40;

std::uint8_t octetPilote(const Pilote &p) {
    return static_cast<std::uint8_t>((p.ordinateur ? 0x80 : 0) | static_cast<int>(p.niveau) |
                                     static_cast<int>(p.reseau) << 3);
}

std::optional<Pilote> lirePilote(std::uint8_t octet) {
    const int niveau = octet & 7;
    const int reseau = octet >> 3 & 3;
    if ((octet & 0x60) != 0 || niveau > static_cast<int>(Niveau::expert) ||
        reseau > static_cast<int>(Pilote::Reseau::distant)) {
        return std::nullopt;
    }
    Pilote p;
    p.ordinateur = (octet & 0x80) != 0;
    p.niveau = static_cast<Niveau>(niveau);
    p.reseau = static_cast<Pilote::Reseau>(reseau);
    return p;
}

std::uint64_t zigzag(std::int64_t v) {
    return (static_cast<std::uint64_t>(v) << 1) ^ static_cast<std::uint64_t>(v >> 63);
}

std::int64_t dezigzag(std::uint64_t v) {
    return static_cast<std::int64_t>(v >> 1) ^ -static_cast<std::int64_t>(v & 1);
}

// A state's fields, behind their length.
void ecrireEtatLong(Ecrivain &e, const EtatMatch &etat) {
    Ecrivain corps;
    ecrireEtat(corps, etat);
    e.varint(corps.octets().size());
    e.brut(corps.octets());
}

std::optional<EtatMatch> lireEtatLong(Lecteur &l) {
    const std::uint64_t taille = l.varint();
    if (!l.bon() || taille > tailleMessageMax) {
        return std::nullopt;
    }
    const std::uint8_t *octets = l.brut(static_cast<std::size_t>(taille));
    if (octets == nullptr) {
        return std::nullopt;
    }
    Lecteur corps(octets, static_cast<std::size_t>(taille));
    EtatMatch etat = lireEtat(corps);
    if (!corps.toutLu()) {
        return std::nullopt;
    }
    return etat;
}

bool memesPilotes(const Pilote &a, const Pilote &b) {
    return a.ordinateur == b.ordinateur && a.niveau == b.niveau && a.reseau == b.reseau;
}

} // namespace

bool DebutRejeu::operator==(const DebutRejeu &autre) const {
    return sorte == autre.sorte && date == autre.date && etat == autre.etat &&
           hasard == autre.hasard && memesPilotes(pilotes[0], autre.pilotes[0]) &&
           memesPilotes(pilotes[1], autre.pilotes[1]);
}

bool Trace::operator==(const Trace &autre) const {
    if (sorte != autre.sorte || quand != autre.quand) {
        return false;
    }
    switch (sorte) {
    case Sorte::tirage:
        return seconde == autre.seconde;
    case Sorte::action:
        return puits == autre.puits && action == autre.action;
    case Sorte::pilote:
        return puits == autre.puits && memesPilotes(pilote, autre.pilote);
    case Sorte::etat:
        return hote && autre.hote && *hote == *autre.hote;
    case Sorte::seconde:
    case Sorte::pause:
    case Sorte::mettreEnPause:
        return true;
    }
    return false;
}

std::vector<std::uint8_t> EcritureRejeu::debut(const DebutRejeu &debut) {
    Ecrivain e;
    for (const char c : signature) {
        e.u8(static_cast<std::uint8_t>(c));
    }
    e.u8(versionRejeu);
    e.u8(static_cast<std::uint8_t>(debut.sorte));
    e.u64(static_cast<std::uint64_t>(debut.date));
    e.u32(debut.hasard);
    e.u8(octetPilote(debut.pilotes[0]));
    e.u8(octetPilote(debut.pilotes[1]));
    EtatMatch entier = difference(nullptr, debut.etat);
    ecrireEtatLong(e, entier);
    dernier_ = 0;
    seconde_ = debut.date;
    etat_ = debut.etat;
    return e.octets();
}

std::vector<std::uint8_t> EcritureRejeu::trace(const Trace &trace) {
    Ecrivain e;
    int argument = 0;
    if (trace.sorte == Trace::Sorte::action) {
        argument = trace.puits << 2 | static_cast<int>(trace.action);
    } else if (trace.sorte == Trace::Sorte::pilote) {
        argument = trace.puits;
    }
    e.u8(static_cast<std::uint8_t>(static_cast<int>(trace.sorte) << 4 | argument));
    e.varint(static_cast<std::uint64_t>(std::max<std::int64_t>(trace.quand - dernier_, 0)));
    dernier_ = std::max(dernier_, trace.quand);
    switch (trace.sorte) {
    case Trace::Sorte::tirage:
        e.varint(zigzag(trace.seconde - seconde_));
        seconde_ = trace.seconde;
        break;
    case Trace::Sorte::pilote:
        e.u8(octetPilote(trace.pilote));
        break;
    case Trace::Sorte::etat: {
        EtatMatch message = difference(etat_ ? &*etat_ : nullptr, trace.hote->etat);
        message.recul = etat_ ? 1 : 0;
        message.faits = trace.hote->faits;
        ecrireEtatLong(e, message);
        etat_ = trace.hote->etat;
        break;
    }
    case Trace::Sorte::action:
    case Trace::Sorte::seconde:
    case Trace::Sorte::pause:
    case Trace::Sorte::mettreEnPause:
        break;
    }
    return e.octets();
}

namespace {

// One trace from where the reader stands; false when the bytes end within it, or it holds a
// value out of range (`horsBornes` then).
bool lireTrace(Lecteur &l, Trace &trace, std::int64_t &seconde, EtatComplet &etat,
               bool &horsBornes) {
    trace.hote.reset();
    const std::uint8_t tete = l.u8();
    const std::uint64_t ecart = l.varint();
    if (!l.bon()) {
        return false;
    }
    const int sorte = tete >> 4;
    const int argument = tete & 0x0F;
    horsBornes = true;
    if (sorte < 1 || sorte > static_cast<int>(Trace::Sorte::etat) || ecart > ecartMax ||
        trace.quand + static_cast<std::int64_t>(ecart) > quandMax) {
        return false;
    }
    trace.sorte = static_cast<Trace::Sorte>(sorte);
    trace.quand += static_cast<std::int64_t>(ecart);
    const bool sansArgument =
        trace.sorte != Trace::Sorte::action && trace.sorte != Trace::Sorte::pilote;
    if ((sansArgument && argument != 0) || (trace.sorte == Trace::Sorte::action && argument > 7) ||
        (trace.sorte == Trace::Sorte::pilote && argument > 1)) {
        return false;
    }
    horsBornes = false;
    switch (trace.sorte) {
    case Trace::Sorte::action:
        trace.puits = argument >> 2;
        trace.action = static_cast<Action>(argument & 3);
        return true;
    case Trace::Sorte::tirage: {
        const std::int64_t ecartSeconde = dezigzag(l.varint());
        if (!l.bon()) {
            return false;
        }
        if (ecartSeconde > 2 * secondeMax || ecartSeconde < -2 * secondeMax ||
            seconde + ecartSeconde > secondeMax || seconde + ecartSeconde < -secondeMax) {
            horsBornes = true;
            return false;
        }
        seconde += ecartSeconde;
        trace.seconde = seconde;
        return true;
    }
    case Trace::Sorte::pilote: {
        trace.puits = argument;
        const std::uint8_t octet = l.u8();
        if (!l.bon()) {
            return false;
        }
        const std::optional<Pilote> pilote = lirePilote(octet);
        horsBornes = !pilote;
        trace.pilote = pilote.value_or(Pilote{});
        return pilote.has_value();
    }
    case Trace::Sorte::etat: {
        const std::optional<EtatMatch> message = lireEtatLong(l);
        if (!message) {
            horsBornes = l.bon();
            return false;
        }
        const std::optional<EtatComplet> complet =
            reconstruire(message->recul == 0 ? nullptr : &etat, *message);
        if (!complet || message->recul > 1) {
            horsBornes = true;
            return false;
        }
        etat = *complet;
        trace.hote = std::make_shared<const EtatHoteTrace>(EtatHoteTrace{*complet, message->faits});
        return true;
    }
    case Trace::Sorte::seconde:
    case Trace::Sorte::pause:
    case Trace::Sorte::mettreEnPause:
        return true;
    }
    return false;
}

} // namespace

LectureRejeu lireRejeu(const std::uint8_t *octets, std::size_t taille) {
    LectureRejeu lecture;
    if (taille > tailleRejeuMax) {
        lecture.erreur = _("too large to be a replay");
        return lecture;
    }
    if (taille < sizeof signature || std::memcmp(octets, signature, sizeof signature) != 0) {
        lecture.erreur = _("not a Cubefall replay");
        return lecture;
    }
    Lecteur l(octets + sizeof signature, taille - sizeof signature);
    const std::uint8_t version = l.u8();
    if (l.bon() && version > versionRejeu) {
        lecture.erreur =
            remplir(_("made by a newer Cubefall (replay format {1}; this one reads format {2})"),
                    {std::to_string(version), std::to_string(versionRejeu)});
        return lecture;
    }
    Rejeu rejeu;
    const std::uint8_t sorte = l.u8();
    rejeu.debut.date = static_cast<std::int64_t>(l.u64());
    rejeu.debut.hasard = l.u32();
    const std::uint8_t pilotes[2] = {l.u8(), l.u8()};
    const std::optional<EtatMatch> etat = l.bon() ? lireEtatLong(l) : std::nullopt;
    if (!l.bon()) {
        lecture.erreur = _("cut short");
        return lecture;
    }
    const std::optional<Pilote> gauche = lirePilote(pilotes[0]);
    const std::optional<Pilote> droite = lirePilote(pilotes[1]);
    const std::optional<EtatComplet> complet =
        etat && etat->recul == 0 ? reconstruire(nullptr, *etat) : std::nullopt;
    if (version == 0 || sorte > static_cast<int>(SorteRejeu::etatsHote) || !gauche || !droite ||
        !complet || !etat->faits.empty() || rejeu.debut.date > secondeMax ||
        rejeu.debut.date < -secondeMax) {
        lecture.erreur = _("holds values out of range");
        return lecture;
    }
    rejeu.debut.sorte = static_cast<SorteRejeu>(sorte);
    rejeu.debut.pilotes[0] = *gauche;
    rejeu.debut.pilotes[1] = *droite;
    rejeu.debut.etat = *complet;

    std::int64_t seconde = rejeu.debut.date;
    EtatComplet dernierEtat = rejeu.debut.etat;
    Trace trace;
    while (!l.fini()) {
        bool horsBornes = false;
        if (!lireTrace(l, trace, seconde, dernierEtat, horsBornes)) {
            if (horsBornes) {
                lecture.erreur = _("holds values out of range");
                return lecture;
            }
            rejeu.coupe = true;
            break;
        }
        const bool permise = rejeu.debut.sorte == SorteRejeu::etatsHote
                                 ? trace.sorte == Trace::Sorte::etat
                                 : trace.sorte != Trace::Sorte::etat;
        if (!permise) {
            lecture.erreur = _("holds values out of range");
            return lecture;
        }
        rejeu.traces.push_back(trace);
    }
    lecture.rejeu = std::move(rejeu);
    return lecture;
}
