#include "joueurs.h"

// Both games are defined here, in this order, so that joueur1 is built (and draws its first
// piece) before joueur2.
partie joueur1;
partie joueur2;
