#pragma once

#include "adresse.h"
#include "match.h"
#include "message.h"
#include "prediction.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

struct _ENetHost;
struct _ENetPeer;

// The joining machine: it mirrors the host's match, plays the right well with its own actions
// predicted (prediction.h), or watches. Until the host answers it tries again every 2 seconds;
// a host that vanishes is noticed within about 3 seconds, and then it tries again the same way, so
// that the match is taken up where it stopped as soon as the host is back. Serviced from the game's
// wake-ups: no thread. Times are the caller's clock, in milliseconds.
class Invite {
public:
    // Looks the host's name up. Nothing, and why in `erreur`, when it cannot.
    static std::unique_ptr<Invite> rejoindre(const AdresseJeu &adresse, std::string &erreur);
    ~Invite();
    Invite(const Invite &) = delete;
    Invite &operator=(const Invite &) = delete;

    const AdresseJeu &adresse() const { return adresse_; }

    enum class Etat {
        recherche, // no host answers yet
        connecte,  // waiting for the host's welcome
        joueur,    // plays the right well
        spectateur,
        refuse, // the host is of another version: nothing more happens
    };
    Etat etat() const { return etat_; }

    struct Nouvelles {
        bool change = false;
        bool accueilli = false; // welcomed as the player or a watcher
        bool perdu = false;     // the host vanished: the mirror pauses
        std::optional<std::string> avis;
        // The host's facts, for the sound.
        std::vector<Fait> faits;
    };
    // Takes in what arrived (the host's state, which the mirror takes with the player's own
    // actions on top), sends the player's actions and commands, and tries the host again when
    // due.
    Nouvelles servir(std::int64_t maintenant, Match &miroir);
    std::optional<std::int64_t> prochaineEcheance(std::int64_t maintenant) const;

    // An action the mirror took from this machine's player: numbered, and sent.
    void agir(Action action);
    // A command of the sitting for the host. Nothing from a watcher.
    void commander(Ordre ordre);

    unsigned rejetes() const { return rejetes_; }
    // The host's count of this connection's actions taken: each is numbered from 1 in the order
    // agir sent it.
    std::uint32_t confirme() const { return prediction_ ? prediction_->confirme() : 0; }

    static constexpr std::int64_t intervalleEssais = 2000;

private:
    Invite(_ENetHost *hote, const AdresseJeu &adresse, std::uint32_t ip);
    void essayer(std::int64_t maintenant);
    void recevoir(const Recu &recu, Match &miroir, Nouvelles &nouvelles);

    _ENetHost *hote_;
    AdresseJeu adresse_;
    std::uint32_t ip_;
    _ENetPeer *pair_ = nullptr;
    Etat etat_ = Etat::recherche;
    bool dejaAccueilli_ = false;
    std::unique_ptr<Prediction> prediction_;
    std::optional<std::int64_t> prochainEssai_;
    std::optional<std::int64_t> prochainService_;
    std::optional<std::int64_t> derniereActivite_;
    bool actionEnvoyee_ = false;
    unsigned rejetes_ = 0;
};
