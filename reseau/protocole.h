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
//
// The hello, the welcome, the refusals and the orders travel reliably and in order. The host's
// states and the joining machine's answers (its actions, and which state it holds) may be lost:
// each one carries all that is not yet known to have arrived, so that a lost datagram costs only
// itself.
constexpr std::uint8_t versionProtocole = 2;

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

// The host's answer to a hello when its player and every watcher's place are taken.
struct Complet {
    bool operator==(const Complet &) const { return true; }
};

// The host's welcome: the joining machine plays the right well, or watches, and why it watches.
enum class Raison : std::uint8_t {
    aucune,
    joueurPresent, // the right well has its player
    placeGardee,   // the right well's player vanished, and the well waits for them
};
struct Accueil {
    bool joueur = false;
    Raison raison = Raison::aucune;
    bool operator==(const Accueil &autre) const {
        return joueur == autre.joueur && raison == autre.raison;
    }
};

// What the joining machine sends, often: the newest state it holds, so that the host measures the
// next one from it, and its player's actions the host has not yet confirmed, in order, the first
// one numbered `premiere` (actions are numbered from 1 for each connection). A watcher sends no
// actions.
constexpr std::size_t actionsMax = 64;
struct Retour {
    std::uint32_t etatRecu = 0;
    std::uint32_t premiere = 1;
    std::vector<Action> actions;
    bool operator==(const Retour &autre) const {
        return etatRecu == autre.etatRecu && premiere == autre.premiere && actions == autre.actions;
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

// Every cell of a well: 0 empty, 1 settled, 2 the falling piece.
using Cases = std::array<std::array<std::uint8_t, nbLignes>, nbColonnes>;

// One player's game as the host has it: every cell, the piece, and the counts.
struct ClichePartie {
    Cases cases{};
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

// The sitting as the host has it: which match, the pause, the tally, the thresholds.
struct SeanceEtat {
    std::uint32_t numero = 0;
    bool pause = false;
    std::uint16_t victoires[2] = {0, 0};
    std::int32_t seuils[2] = {0, 0};
    bool operator==(const SeanceEtat &autre) const;
};

// The host's whole match as one machine is told it, with that machine's player's last action
// taken (or refused).
struct EtatComplet {
    SeanceEtat seance;
    std::uint32_t confirme = 0;
    ClichePartie puits[2];
    bool operator==(const EtatComplet &autre) const;
};

// A well as it differs from the same well in an earlier state: a field left out is as it was
// there. Without cells, the cells are the earlier state's settled ones with this piece written in:
// most changes move the piece alone.
struct ChangementPuits {
    bool fini = false;
    std::optional<Cases> cases;
    std::optional<std::uint8_t> type, rotation; // both or neither
    std::optional<std::int32_t> x, y, score;
    std::optional<std::uint16_t> penalite;
    std::optional<std::uint32_t> posees;
    bool operator==(const ChangementPuits &autre) const;
};

// The host's match, numbered for each machine it goes to, as it differs from the state numbered
// `numero - recul` that the machine said it holds (recul 0: the whole match, every field given),
// with the facts that came since the last ones the machine has: the first one listed numbered
// `premierFait`.
struct EtatMatch {
    std::uint32_t numero = 1;
    std::uint8_t recul = 0;
    std::uint32_t confirme = 0;
    std::optional<SeanceEtat> seance;
    std::optional<ChangementPuits> puits[2];
    std::uint32_t premierFait = 0;
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

using Message = std::variant<Bonjour, Refus, Complet, Accueil, Retour, DemandeSeance, EtatMatch>;

struct Recu {
    std::uint8_t version;
    Message message;
};

// The bytes of a message, with this game's version.
std::vector<std::uint8_t> encoder(const Message &message);

// Any bytes: the message they hold, or nothing when they hold none of this version's messages
// whole and within range (too short, too long, an unknown type, a value out of range, a whole
// state that lacks a field). A hello or a refusal of any version decodes, with its version; any
// other message of another version does not.
std::optional<Recu> decoder(const std::uint8_t *octets, std::size_t taille);

// A state's fields alone, without the header: what a replay keeps of the host's states.
class Ecrivain;
class Lecteur;
void ecrireEtat(Ecrivain &e, const EtatMatch &etat);
EtatMatch lireEtat(Lecteur &l);

// Whether a message travels reliably and in order.
bool fiable(const Message &message);
