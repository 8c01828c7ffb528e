#pragma once

#include "entrees.h"
#include "faits.h"
#include "format.h"
#include "hasard.h"
#include "match.h"

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// Writes each match of a sitting into a replay file of its own as it is played: the match as it
// began, then each input the match takes and each second a new piece is drawn from (or, on a
// machine that joined, each state of the host's). Every trace goes to the file at once, and the
// file is synced at the verdict, so that a game killed mid-match leaves a replay that plays up to
// the kill. The newest replays are kept, the oldest removed as each new one begins.
class Enregistreur final : public EcouteurEntrees, public EcouteurMatch {
public:
    // `dossier`: where the files go (none: kept in memory only); `garder`: how many of the newest
    // stay there. While it follows a match, new pieces read the clock in place through it.
    Enregistreur(std::optional<std::filesystem::path> dossier, std::size_t garder);
    ~Enregistreur();
    Enregistreur(const Enregistreur &) = delete;
    Enregistreur &operator=(const Enregistreur &) = delete;

    // The time of the inputs that follow, on the game's clock.
    void temps(std::int64_t maintenant) { maintenant_ = maintenant; }

    // The sitting's match begins to be written as it stands: its inputs from now on. A new match
    // begins a new file by itself.
    void suivre(Match &match, std::int64_t maintenant);
    // A joining machine's match: the host's states, the first one as the match begins.
    void etatHote(const EtatComplet &etat, const std::vector<Fait> &faits,
                  const Pilote (&pilotes)[2], std::int64_t maintenant);
    // Nothing more is written (the sitting goes over the network, or plays a replay).
    void arreter();

    // The match being written, as bytes: what "watch again" plays.
    const std::vector<std::uint8_t> &octets() const { return octets_; }
    const std::optional<std::filesystem::path> &fichier() const { return fichier_; }
    // Why the replays cannot be written, once, for the game to say; empty otherwise.
    std::string prendreErreur();

    void action(int puits, Action action) override;
    void seconde() override;
    void basculerPause() override;
    void mettreEnPause() override;
    void pilote(int puits, const Pilote &pilote) override;
    void finMatch() override;
    void nouveauMatch() override;
    // The match's facts: the verdict syncs the file.
    void entendre(const Fait &fait) override;

private:
    static std::time_t lireHorloge();
    void commencer(const DebutRejeu &debut);
    void ecrire(const Trace &trace);
    void ecrireOctets(const std::vector<std::uint8_t> &octets);
    void fermer();

    std::optional<std::filesystem::path> dossier_;
    std::size_t garder_;
    horlogeSecondes precedente_ = nullptr;
    Match *match_ = nullptr;
    EcritureRejeu ecriture_;
    std::optional<SorteRejeu> sorte_;
    std::vector<std::uint8_t> octets_;
    std::optional<std::filesystem::path> fichier_;
    std::FILE *flux_ = nullptr;
    std::int64_t maintenant_ = 0;
    std::int64_t origine_ = 0;
    std::optional<std::uint32_t> numeroHote_;
    std::string erreur_;
    bool erreurDite_ = false;
};
