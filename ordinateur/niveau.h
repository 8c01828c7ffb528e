#pragma once

#include <optional>
#include <string>

// How well the computer plays: how fast it presses keys and how often it settles for less than
// its best placement.
enum class Niveau {
    facile,
    moyen,
    difficile,
    expert,
};

struct ProfilNiveau {
    // Milliseconds between two of its keys.
    int intervalle;
    // The chances, in percent, that it takes its best placement, its second best, and so on; what
    // is left over goes to the last one listed.
    int chances[4];
    // Whether it presses down once the piece is in place, or lets the piece fall by itself.
    bool pousse;
    // Whether, once the piece rests on the stack, it leaves the last step to the one-second fall
    // rather than pressing down. A new piece takes its shape from the clock's second, so two
    // pieces settled within one second bring the same shape twice; settling each piece on the
    // step gives every piece a second of its own.
    bool attendPas;
};

const ProfilNiveau &profil(Niveau niveau);

// "Easy", "Medium", "Hard", "Expert": what the player reads beside the score.
const char *nomNiveau(Niveau niveau);
// "easy", "medium", "hard", "expert": what the command line and the settings say.
const char *motNiveau(Niveau niveau);
std::optional<Niveau> lireNiveau(const std::string &mot);
