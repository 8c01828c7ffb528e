#pragma once

#include "faits.h"
#include "gestes.h"
#include "match.h"
#include "pilotes.h"
#include "protocole.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// A network match as one machine sees it, the host's or the joining machine's, with no socket of
// its own: the transport (transport_enet.h) tells it who connected, what arrived and who left, and
// the game tells it the time, its player's actions and gestures; it plays what arrives on the
// match, and answers with what to send, whom to drop, and what the game must show. Times are the
// caller's clock, in milliseconds.

// A machine at the other end, as the transport numbers it, and where it is: an IPv4 address and a
// UDP port, in the host's order.
using IdPair = std::uint32_t;
struct AdressePair {
    std::uint32_t ip = 0;
    std::uint16_t port = 0;
};

struct Envoi {
    IdPair pair;
    Message message;
};

struct Coupure {
    IdPair pair;
    // After what was sent to it has arrived (a refusal), or at once (a machine that misbehaves).
    bool apresEnvois;
};

// The host plays the left well, the joining player the right one.
constexpr int puitsHote = 0;
constexpr int puitsInvite = 1;

// How long a network notice stays up: long enough to read a sentence.
constexpr std::int64_t dureeAvisReseau = 4000;

// How often a session wants its time: often while the match's moves come and go (a message waits
// at most this long), rarely otherwise, when only ENet's own pings and the one-second step go by.
constexpr std::int64_t serviceActif = 20;
constexpr std::int64_t serviceCalme = 100;
constexpr std::int64_t activiteRecente = 1000;
// A state or actions not yet answered go again this soon, once: a datagram lost alone costs this.
constexpr std::int64_t delaiDoublon = 20;

// What a session brings the game: the picture to draw again, notices (a short one, or the standing
// one set or taken away), who plays each well now, and the host's facts for a joining machine's
// sound.
struct Nouvelles {
    bool change = false;
    bool roles = false;
    std::optional<std::string> avis;
    std::optional<std::optional<std::string>> avisFixe;
    std::vector<Fait> faitsHote;
    // A joining machine: each state of the host's it took, with the facts new in it, for a replay.
    struct EtatHote {
        EtatComplet etat;
        std::vector<Fait> faits;
    };
    std::vector<EtatHote> etatsHote;

    void fixer(std::optional<std::string> texte) { avisFixe = std::move(texte); }
    void ajouter(const Nouvelles &autres);
};

class Session {
public:
    virtual ~Session() = default;

    // The network match begins on this machine's match: a new one, nothing playing until the
    // other machine is there.
    virtual void commencer(Match &match, std::int64_t maintenant) = 0;

    // From the transport. A connection from a machine the session does not want is dropped by
    // asking for it.
    virtual void connexion(IdPair pair, AdressePair adresse, std::int64_t maintenant) = 0;
    virtual void reception(IdPair pair, const std::uint8_t *octets, std::size_t taille,
                           std::int64_t maintenant, Match &match) = 0;
    virtual void deconnexion(IdPair pair, std::int64_t maintenant, Match &match) = 0;

    // What is due by now: states and actions sent, time-outs. Then what happened since the last
    // call, for the game.
    virtual void servir(std::int64_t maintenant, Match &match) = 0;
    Nouvelles prendreNouvelles();
    // When to be called next; now when something waits to go.
    virtual std::optional<std::int64_t> prochaineEcheance(std::int64_t maintenant,
                                                          const Match &match) const = 0;

    // A gesture of this machine's keys or pads: true when the session carries it out (or holds it
    // back), false when it is this machine's own to carry out.
    virtual bool geste(Geste geste, Match &match, std::int64_t maintenant) = 0;
    // An action this machine's player took on the mirror (a joining machine's).
    virtual void agir(Action, std::int64_t) {}

    // Which well this machine's keys and pads play, if any; who plays each well, as the labels say
    // it; whether the match runs its one-second step here.
    virtual std::optional<int> puitsJoue() const = 0;
    virtual std::array<Pilote::Reseau, 2> pilotes() const = 0;
    virtual bool matchIci() const = 0;
    // The well whose moves this machine shows before the host's word: its own, when it joins.
    virtual std::optional<int> puitsPredit() const { return std::nullopt; }

    // For the transport: what to send and whom to drop, since it last asked; and, for a joining
    // machine, whether to connect (again) to the host now.
    std::vector<Envoi> prendreEnvois();
    std::vector<Coupure> prendreCoupures();
    bool prendreConnexion();

    // What arrived and was dropped: what did not decode, and what came from a machine that may not
    // send it.
    unsigned rejetes() const { return rejetes_; }

protected:
    void envoyer(IdPair pair, Message message) { envois_.push_back({pair, std::move(message)}); }
    void couper(IdPair pair, bool apresEnvois) { coupures_.push_back({pair, apresEnvois}); }
    void connecter() { connexion_ = true; }
    void rejeter() { ++rejetes_; }

    Nouvelles nouvelles_;

private:
    std::vector<Envoi> envois_;
    std::vector<Coupure> coupures_;
    bool connexion_ = false;
    unsigned rejetes_ = 0;
};

// How many messages a machine may send in a while: a budget that fills at a steady rate up to a
// ceiling, and that each message takes from. What no honest game comes near.
class Budget {
public:
    Budget(double parSeconde, double plafond) : parSeconde_(parSeconde), plafond_(plafond) {}
    // False, and nothing taken, when the budget is spent.
    bool prendre(std::int64_t maintenant);

private:
    double parSeconde_;
    double plafond_;
    double reste_ = -1;
    std::int64_t depuis_ = 0;
};

// The round trip as it was last measured, smoothed, to know when something unanswered is worth
// sending again.
class AllerRetour {
public:
    void mesurer(std::int64_t duree);
    // Once a round trip and a margin have passed without an answer.
    std::int64_t relance() const;

private:
    double lisse_ = 200;
};
