#pragma once

#include "adresse.h"
#include "prediction.h"
#include "session.h"

#include <deque>

// The joining machine: it mirrors the host's match, plays the right well with its own actions
// predicted (prediction.h), or watches. Until the host answers it tries again every 2 seconds; a
// host that vanishes is noticed within about 3 seconds (the transport's time-out), and then it
// tries again the same way, so that the match is taken up where it stopped as soon as the host is
// back. Each answer it sends carries the newest state it holds and every action not yet
// confirmed, so that a lost one costs only itself.
class SessionInvite final : public Session {
public:
    explicit SessionInvite(AdresseJeu adresse);

    // Joining begins: the mirror's own match stands, nothing plays until the host's welcome.
    void commencer(Match &miroir, std::int64_t maintenant) override;

    const AdresseJeu &adresse() const { return adresse_; }

    enum class Etat {
        recherche, // no host answers yet
        connecte,  // waiting for the host's welcome
        joueur,    // plays the right well
        spectateur,
        refuse, // the host is of another version: nothing more happens
    };
    Etat etat() const { return etat_; }

    // The host's count of this connection's actions taken: each is numbered from 1 in the order
    // agir took it.
    std::uint32_t confirme() const { return prediction_ ? prediction_->confirme() : 0; }

    void connexion(IdPair pair, AdressePair adresse, std::int64_t maintenant) override;
    void reception(IdPair pair, const std::uint8_t *octets, std::size_t taille,
                   std::int64_t maintenant, Match &miroir) override;
    void deconnexion(IdPair pair, std::int64_t maintenant, Match &miroir) override;
    void servir(std::int64_t maintenant, Match &miroir) override;
    std::optional<std::int64_t> prochaineEcheance(std::int64_t maintenant,
                                                  const Match &miroir) const override;
    bool geste(Geste geste, Match &miroir, std::int64_t maintenant) override;
    void agir(Action action, std::int64_t maintenant) override;
    std::optional<int> puitsJoue() const override;
    std::array<Pilote::Reseau, 2> pilotes() const override;
    bool matchIci() const override { return false; }
    std::optional<int> puitsPredit() const override { return puitsJoue(); }

    static constexpr std::int64_t intervalleEssais = 2000;
    // Messages a second the host may send: far above the states of a busy match.
    static constexpr double messagesParSeconde = 300;
    // A state answered alone (with no action to carry the answer) waits this long for one.
    static constexpr std::int64_t delaiAccuse = 50;
    static constexpr std::size_t etatsGardes = 64;

private:
    void perdre(std::int64_t maintenant, Match &miroir);
    void recevoirEtat(const EtatMatch &message, Match &miroir, std::int64_t maintenant);
    void envoyerRetour(std::int64_t maintenant);
    std::uint32_t etatTenu() const { return recus_.empty() ? 0 : recus_.back().first; }
    std::string nomHote() const;

    AdresseJeu adresse_;
    Etat etat_ = Etat::recherche;
    std::optional<IdPair> pair_;
    bool dejaAccueilli_ = false;
    std::optional<Prediction> prediction_;
    std::optional<std::int64_t> prochainEssai_;
    Budget messages_{messagesParSeconde, messagesParSeconde};
    // The states held, by number, newest last; the facts played so far.
    std::deque<std::pair<std::uint32_t, EtatComplet>> recus_;
    std::uint32_t dernierFait_ = 0;
    // What the last answer carried, when it went, how many times, and how far apart new ones went.
    std::uint32_t etatAccuse_ = 0;
    std::uint32_t actionsEnvoyees_ = 0; // the last action number it carried
    std::int64_t dernierEnvoi_ = 0;
    std::int64_t dernierNouveau_ = 0;
    int envois_ = 0;
    std::int64_t ecart_ = 0;
    // When the first action not yet confirmed first went: its confirmation times a round trip.
    std::optional<std::int64_t> envoiAttente_;
    AllerRetour allerRetour_;
    std::optional<std::int64_t> derniereActivite_;
    std::optional<std::int64_t> prochainService_;
};
