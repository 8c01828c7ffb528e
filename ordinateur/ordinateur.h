#pragma once

#include "action.h"
#include "niveau.h"
#include "partie.h"
#include "placements.h"

#include <cstdint>
#include <optional>
#include <random>

// The computer at one well: it looks at the falling piece, chooses where to put it and gives the
// keys that take it there, one at a time, as a player would press them. It has no clock: whoever
// drives it asks for the next key at the level's rate. Its own generator decides its slips, so
// the game's generator, which draws the pieces, is never touched.
class Ordinateur {
public:
    explicit Ordinateur(Niveau niveau = Niveau::moyen, std::uint32_t graine = 1);

    Niveau niveau() const { return niveau_; }
    // The next key towards the chosen place, or nothing while the piece is left to fall (or the
    // game is over). A new piece, or a piece that is not where the last key should have put it (a
    // turn or a slide refused), gets a new choice.
    std::optional<Action> prochaineAction(const partie &jeu);
    // The place chosen for the falling piece, once one has been.
    const std::optional<Placement> &cible() const { return cible_; }

private:
    void choisir(const partie &jeu);
    bool commeAttendu(const partie &jeu) const;

    Niveau niveau_;
    std::mt19937 hasard_;
    std::optional<Placement> cible_;
    // Which piece the choice is for (the game's count of settled pieces), how many of its keys
    // have been given, and how many times this piece's plan went wrong.
    int piece_ = -1;
    std::size_t fait_ = 0;
    int replans_ = 0;
};

// The place a level takes among those reachable, best first: its best, or, when it slips, one
// of the next few. `tirage` is a number from 0 to 99.
std::size_t rangChoisi(const ProfilNiveau &profil, std::size_t nombre, int tirage);
