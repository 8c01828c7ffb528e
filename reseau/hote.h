#pragma once

#include "faits.h"
#include "match.h"
#include "message.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

struct _ENetHost;
struct _ENetPeer;

// The hosting machine: it runs the match, the only truth, and plays its left well. The first
// machine to join plays the right well; any later one watches, up to 8. The joining player's
// actions and commands are played on the match as they arrive, and every machine is sent the
// match's state each time it changes, with the facts that came with it. Serviced from the game's
// wake-ups: no thread. Times are the caller's clock, in milliseconds.
class Hote final : public EcouteurMatch {
public:
    // Listens on the port, on every interface. Nothing, and why in `erreur`, when it cannot (the
    // port already in use).
    static std::unique_ptr<Hote> ouvrir(std::uint16_t port, std::string &erreur);
    ~Hote();
    Hote(const Hote &) = delete;
    Hote &operator=(const Hote &) = delete;

    std::uint16_t port() const { return port_; }

    enum class Etat {
        attente,  // no player yet, or none for two minutes: nothing falls
        enJeu,    // the player is here
        suspendu, // the player vanished: the match waits for them, paused, two minutes
    };
    Etat etat() const { return etat_; }

    // What a service brought, for the game to carry out and show.
    struct Nouvelles {
        bool change = false;  // the match may have changed: a frame
        bool nouveau = false; // a player came while none was awaited: a new match begins
        bool revenu = false;  // the player came back: the match goes on where it stopped
        bool parti = false;   // the player vanished: the match pauses
        bool abandon = false; // nobody came back for two minutes: waiting for a new player
        std::optional<std::string> avis;
    };
    // Takes in what arrived, plays the joining player's actions and commands on the match, and
    // sends the match's state to every machine when it has changed.
    Nouvelles servir(std::int64_t maintenant, Match &match);
    // When to be serviced next: at once when the match has changed since it was last sent.
    std::optional<std::int64_t> prochaineEcheance(std::int64_t maintenant,
                                                  const Match &match) const;

    // The match's facts, sent on with its next state.
    void entendre(const Fait &fait) override;

    // Messages dropped: what did not decode, and what came from a machine that may not send it.
    unsigned rejetes() const { return rejetes_; }
    // How many machines watch.
    std::size_t spectateurs() const;

    // How long the match waits for a vanished player.
    static constexpr std::int64_t attenteRetour = 120000;
    static constexpr std::size_t spectateursMax = 8;

private:
    struct Pair {
        _ENetPeer *pair;
        bool accueilli = false;
        bool joueur = false;
        // What it was last sent: the wells it has, and the sitting.
        std::optional<EtatMatch> envoye;
    };

    explicit Hote(_ENetHost *hote, std::uint16_t port);
    Pair *trouver(_ENetPeer *pair);
    void accueillir(Pair &pair, Nouvelles &nouvelles, std::int64_t maintenant);
    void recevoir(Pair &pair, const Recu &recu, Match &match, Nouvelles &nouvelles,
                  std::int64_t maintenant);
    void partir(_ENetPeer *pair, Nouvelles &nouvelles, std::int64_t maintenant);
    bool aEnvoyer(const Match &match) const;
    void envoyerEtats(const Match &match);

    _ENetHost *hote_;
    std::uint16_t port_;
    Etat etat_ = Etat::attente;
    std::vector<Pair> pairs_;
    std::vector<Fait> faits_;
    // The joining player's last action taken.
    std::uint32_t confirme_ = 0;
    std::optional<std::int64_t> depart_; // when the player vanished
    std::optional<std::int64_t> prochainService_;
    std::optional<std::int64_t> derniereActivite_; // the player's last message
    std::optional<std::int64_t> dernierEnvoi_;
    // What the machines were last sent: the match at this revision, with this action taken.
    std::uint64_t revisionEnvoyee_ = ~std::uint64_t{0};
    std::uint32_t confirmeEnvoye_ = 0;
    unsigned rejetes_ = 0;
};
