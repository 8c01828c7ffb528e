#pragma once

#include "gestes.h"
#include "match.h"
#include "repetition.h"

#include <optional>

// What a pad's buttons and left stick do to the well it plays, once SDL has told them apart:
// the D-pad and the stick past half way move and push down, A and B turn, Start pauses and
// plays on, Back starts the next match once this one is over.
enum class Bouton { gauche, droite, bas, tourner, start, back, autre };
enum class Axe { horizontal, vertical, autre };

// One pad: the well it plays (-1 while both are taken), and which directions each of its two
// controls holds, since the D-pad and the stick may hold the same one.
struct EtatManette {
    int puits = -1;
    bool croix[3] = {};
    bool manche[3] = {};
    bool tenues[3] = {};
};

// What a press or a release did: whether it may have changed the match, and the gesture it asks
// of the game (Start's pause, Back's next match).
struct EffetBouton {
    bool change = false;
    std::optional<Geste> geste;
};

EffetBouton bouton(EtatManette &manette, Bouton quoi, bool enfonce, Instant maintenant,
                   Match &match);
// An axis as SDL gives it, from -32768 to 32767: negative is left or up. True when it may have
// changed the match.
bool axe(EtatManette &manette, Axe quoi, int valeur, Instant maintenant, Match &match);
// The pad is gone or changes wells: what it held is let go.
void lacher(EtatManette &manette, Match &match);
