#pragma once

#include "action.h"
#include "faits.h"
#include "gestes.h"
#include "grille.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <variant>
#include <vector>

// The messages two games send each other over the network: our own small binary format. Each
// begins with the protocol's version and the message's type, one byte each; every field after is
// fixed-width, little-endian, and checked on arrival. The hello and the refusal keep this layout
// whatever the version, so that two versions can still tell each other which they are.
constexpr std::uint8_t versionProtocole = 1;

// Nothing the game sends comes near this; anything longer is refused unread.
constexpr std::size_t tailleMessageMax = 2048;

// The joining machine's hello; its version is the header's.
struct Bonjour {
    bool operator==(const Bonjour &) const { return true; }
};

// The host's answer to a hello of another version: its own version is the header's.
struct Refus {
    bool operator==(const Refus &) const { return true; }
};

// The host's welcome: the joining machine plays the right well, or watches.
struct Accueil {
    bool joueur = false;
    bool operator==(const Accueil &autre) const { return joueur == autre.joueur; }
};

// The joining player's action on their well, numbered from 1, so that the host can say which it
// has taken.
struct ActionJoueur {
    std::uint32_t numero = 0;
    Action action = Action::gauche;
    bool operator==(const ActionJoueur &autre) const {
        return numero == autre.numero && action == autre.action;
    }
};

// What the joining player's keys ask of the sitting, which the host runs.
enum class Ordre : std::uint8_t {
    pause,         // p, Escape: pause or play on
    mettreEnPause, // the window hidden, a pad unplugged
    nouveauMatch,  // F2
    matchSuivant,  // Return, Space, once the match is over
};
struct DemandeSeance {
    Ordre ordre = Ordre::pause;
    bool operator==(const DemandeSeance &autre) const { return ordre == autre.ordre; }
};
// The sitting's gestures that travel as orders, and the gesture each order carries out.
std::optional<Ordre> ordreDe(Geste geste);
Geste gesteDe(Ordre ordre);

// One player's game as the host has it: every cell of the well (0 empty, 1 settled, 2 the falling
// piece), the piece, and the counts. The cells travel only when the other machine could not make
// them again from the cells it has and the piece (avecCases false): most changes move the piece
// alone.
struct ClichePartie {
    std::array<std::array<std::uint8_t, nbLignes>, nbColonnes> cases{};
    bool avecCases = true;
    std::uint8_t type = 0;     // 0 to 6
    std::uint8_t rotation = 0; // 0 to 3
    std::int32_t x = 0;
    std::int32_t y = 0;
    bool fini = false;
    std::int32_t score = 0;
    std::uint16_t penalite = 0;
    std::uint32_t posees = 0;
    bool operator==(const ClichePartie &autre) const;
};

// The host's match, each time it changes: the sitting, the wells that changed (both in the first
// one a machine gets), the facts that came with the change, and the joining player's last action
// the host has taken (or refused).
struct EtatMatch {
    std::uint32_t numero = 0; // which match of the sitting
    bool pause = false;
    std::uint16_t victoires[2] = {0, 0};
    std::int32_t seuils[2] = {0, 0};
    std::uint32_t confirme = 0;
    std::optional<ClichePartie> puits[2];
    std::vector<Fait> faits;
    bool operator==(const EtatMatch &autre) const;
};

// Waiting garbage, facts a message carries, rows of garbage in a fact: above these, a message is
// refused as out of range.
constexpr std::uint16_t penaliteMax = 1000;
// How far a piece's anchor may stand from the well: only the piece of a lost well wanders out of
// it, and no game lasts long enough to take it this far.
constexpr std::int32_t ancreMax = 1000000;
// A score, or a count of pieces settled: far beyond any game, and far enough below the 32-bit
// edge that the moves a machine predicts on top of a state cannot carry it over.
constexpr std::int32_t compteMax = 1000000000;
constexpr std::size_t faitsMax = 64;
constexpr int nombreMax = 1000;

using Message = std::variant<Bonjour, Refus, Accueil, ActionJoueur, DemandeSeance, EtatMatch>;

struct Recu {
    std::uint8_t version;
    Message message;
};

// The bytes of a message, with this game's version.
std::vector<std::uint8_t> encoder(const Message &message);

// Any bytes: the message they hold, or nothing when they hold none of this version's messages
// whole and within range (too short, too long, an unknown type, a value out of range). A hello or
// a refusal of any version decodes, with its version; any other message of another version does
// not.
std::optional<Recu> decoder(const std::uint8_t *octets, std::size_t taille);
