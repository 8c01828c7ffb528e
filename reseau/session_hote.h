#pragma once

#include "session.h"

#include <deque>
#include <string>
#include <vector>

// The hosting machine: it runs the match, the only truth, and plays its left well. The first
// machine to join plays the right well; any later one watches, up to 8. The joining player's
// actions and orders are played on the match as they arrive, and every machine is sent the
// match's state each time it changes, measured from the last one it said it holds, with the facts
// it has not yet had.
//
// Whatever a machine sends, the match goes on: a machine that does not say hello within a few
// seconds, one past the few an address may hold, and one that sends faster than any game are
// dropped; actions faster than any keys are refused (and still confirmed, so that an honest guess
// corrects itself); a machine that holds back too many facts unacknowledged is dropped.
class SessionHote final : public Session, public EcouteurMatch {
public:
    // `port` and `adresses` (this machine's, where a friend joins) are for the notices.
    SessionHote(std::uint16_t port, std::vector<std::string> adresses);

    // Hosting begins on the match: a new one, nothing falling until the player joins.
    void commencer(Match &match, std::int64_t maintenant) override;

    enum class Etat {
        attente,  // no player yet, or none for two minutes: nothing falls
        enJeu,    // the player is here
        suspendu, // the player vanished: the match waits for them, paused, two minutes
    };
    Etat etat() const { return etat_; }
    // How many machines watch.
    std::size_t spectateurs() const;
    // The joining player's last action taken (or refused), by its number.
    std::uint32_t confirme() const { return confirme_; }
    // The joining player's actions refused as faster than any keys.
    unsigned actionsRefusees() const { return actionsRefusees_; }

    void connexion(IdPair pair, AdressePair adresse, std::int64_t maintenant) override;
    void reception(IdPair pair, const std::uint8_t *octets, std::size_t taille,
                   std::int64_t maintenant, Match &match) override;
    void deconnexion(IdPair pair, std::int64_t maintenant, Match &match) override;
    void servir(std::int64_t maintenant, Match &match) override;
    std::optional<std::int64_t> prochaineEcheance(std::int64_t maintenant,
                                                  const Match &match) const override;
    bool geste(Geste geste, Match &match, std::int64_t maintenant) override;
    std::optional<int> puitsJoue() const override;
    std::array<Pilote::Reseau, 2> pilotes() const override;
    bool matchIci() const override { return etat_ != Etat::attente; }

    // The match's facts, sent on with its next states.
    void entendre(const Fait &fait) override;

    // How long the match waits for a vanished player.
    static constexpr std::int64_t attenteRetour = 120000;
    static constexpr std::size_t spectateursMax = 8;
    // A machine that has not said hello by then is dropped.
    static constexpr std::int64_t attenteBonjour = 5000;
    // Connections one address may hold: a player and a few watchers behind one router.
    static constexpr std::size_t connexionsParAdresse = 4;
    // Messages a second a machine may send (a held key sends 25), and actions a second a player
    // may make: far above the fastest repeat of several keys held at once.
    static constexpr double messagesParSeconde = 200;
    static constexpr double actionsParSeconde = 100;
    // Facts a machine may leave unacknowledged, states kept to measure the next ones from.
    static constexpr std::size_t faitsEnAttenteMax = 256;
    static constexpr std::size_t etatsGardes = 64;

private:
    // Who lifted or set the pause in a way only they may undo.
    enum class Cote { aucun, hote, invite };

    struct EtatEnvoye {
        std::uint32_t numero;
        EtatComplet etat;
        std::uint32_t dernierFait;
        std::int64_t quand;
    };
    struct Pair {
        Pair(IdPair i, AdressePair a, std::int64_t d) : id(i), adresse(a), depuis(d) {}
        IdPair id;
        AdressePair adresse;
        std::int64_t depuis;
        Budget messages{messagesParSeconde, messagesParSeconde};
        bool accueilli = false;
        bool joueur = false;
        std::deque<EtatEnvoye> envoyes;
        std::uint32_t numero = 0;      // the last state's number
        std::uint32_t acquis = 0;      // the newest it said it holds
        std::uint32_t faitsAcquis = 0; // the last fact it holds
        std::uint64_t revision = ~std::uint64_t{0};
        // When the newest state went, how many times, when a new one last went and how long
        // after the one before.
        std::int64_t dernierEnvoi = 0;
        std::int64_t dernierNouveau = 0;
        int envois = 0;
        std::int64_t ecart = 0;
    };

    Pair *trouver(IdPair pair);
    Pair *joueur();
    void retirer(IdPair pair, std::int64_t maintenant, Match &match);
    void accueillir(IdPair pair, Match &match, std::int64_t maintenant);
    void recevoirRetour(Pair &pair, const Retour &retour, Match &match, std::int64_t maintenant);
    void ordonner(Cote cote, Geste geste, Match &match, std::int64_t maintenant);
    EtatComplet etatPour(const Pair &pair, const EtatComplet &commun) const;
    bool aEnvoyer(const Pair &pair, const Match &match) const;
    void envoyerEtat(Pair &pair, const EtatComplet &etat, std::int64_t maintenant);
    std::uint32_t dernierFait() const;
    std::string attendre() const;

    std::uint16_t port_;
    std::vector<std::string> adresses_;
    Etat etat_ = Etat::attente;
    std::vector<Pair> pairs_;
    // The facts not yet held by every machine, the first one numbered premierFait_.
    std::deque<Fait> faits_;
    std::uint32_t premierFait_ = 1;
    // The joining player's last action taken, and where their seat is kept.
    std::uint32_t confirme_ = 0;
    Budget actions_{actionsParSeconde, actionsParSeconde / 2};
    unsigned actionsRefusees_ = 0;
    std::optional<std::uint32_t> adresseJoueur_;
    std::optional<std::int64_t> depart_;
    Cote pauseCachee_ = Cote::aucun;
    std::optional<std::int64_t> derniereActivite_;
    std::optional<std::int64_t> prochainService_;
    AllerRetour allerRetour_;
};
