#pragma once

#include "pilotes.h"
#include "protocole.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// A replay: one match as it was played, written down in our own small binary format. The file
// begins with "CFREPLAY", the format's version and the match as it began (both wells, their
// pieces, the sitting, who played each well, the piece generator's state); then come its traces,
// each with the milliseconds since the one before: on a machine that ran the match, every input it
// took (an action that reached a game, the one-second step, the pause, who plays a well) and the
// clock's second each new piece was drawn from; on a machine that joined one, the host's states as
// they came, with the host's facts. Every field is fixed-width and little-endian, or a varint,
// seven bits a byte.
constexpr std::uint8_t versionRejeu = 1;
constexpr const char *extensionRejeu = ".cubefall-replay";
// Far beyond any match (an hour of Expert against Expert is a few hundred kilobytes).
constexpr std::size_t tailleRejeuMax = 64 * 1024 * 1024;

enum class SorteRejeu : std::uint8_t {
    entrees,   // the match ran on this machine: its inputs
    etatsHote, // this machine joined it: the host's states
};

struct DebutRejeu {
    SorteRejeu sorte = SorteRejeu::entrees;
    std::int64_t date = 0; // when the match began, in seconds since 1970
    EtatComplet etat;
    std::uint32_t hasard = 1;
    Pilote pilotes[2];
    bool operator==(const DebutRejeu &autre) const;
};

// The host's state in a joining machine's replay, with the facts new in it.
struct EtatHoteTrace {
    EtatComplet etat;
    std::vector<Fait> faits;
    bool operator==(const EtatHoteTrace &autre) const {
        return etat == autre.etat && faits == autre.faits;
    }
};

struct Trace {
    enum class Sorte : std::uint8_t {
        tirage = 1, // a new piece drew its shape from the clock's second
        action,
        seconde,
        pause,
        mettreEnPause,
        pilote,
        etat, // the host's state
    };
    Sorte sorte = Sorte::seconde;
    std::int64_t quand = 0; // milliseconds since the match began
    int puits = 0;
    Action action = Action::gauche;
    std::int64_t seconde = 0; // tirage
    Pilote pilote;
    // A trace stays small: the state, when there is one, is shared.
    std::shared_ptr<const EtatHoteTrace> hote;
    bool operator==(const Trace &autre) const;
};

struct Rejeu {
    DebutRejeu debut;
    std::vector<Trace> traces;
    // The file ends within a trace: the game stopped while writing it. The traces before play.
    bool coupe = false;
};

// The bytes of a replay, as a recorder writes them while the match goes: its start, then each trace
// as it comes, in order.
class EcritureRejeu {
public:
    std::vector<std::uint8_t> debut(const DebutRejeu &debut);
    std::vector<std::uint8_t> trace(const Trace &trace);

private:
    std::int64_t dernier_ = 0;
    std::int64_t seconde_ = 0;
    std::optional<EtatComplet> etat_;
};

// Any bytes: the replay they hold, or why they hold none, in a few words for the player ("not a
// Cubefall replay", "cut short", ...).
struct LectureRejeu {
    std::optional<Rejeu> rejeu;
    std::string erreur;
};
LectureRejeu lireRejeu(const std::uint8_t *octets, std::size_t taille);
