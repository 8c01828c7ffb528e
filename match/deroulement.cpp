#include "bareme.h"
#include "joueurs.h"
#include "match.h"

int seuil1 = 0;
int seuil2 = 0;

void pasMinuterie() {
    // Attacks are traded only while both players are still in the match.
    if (!joueur1.getFini() && !joueur2.getFini()) {
        while (joueur1.getScore() - seuil1 >= pointsParRangeeEnvoyee) {
            seuil1 += pointsParRangeeEnvoyee;
            joueur2.penaliser();
        }
        while (joueur2.getScore() - seuil2 >= pointsParRangeeEnvoyee) {
            seuil2 += pointsParRangeeEnvoyee;
            joueur1.penaliser();
        }
    }

    // Once one game ends the winner's well stands still while the loser's fills up. joueur1's
    // step may end its own game, which keeps joueur2 still in this very tick.
    if (!joueur2.getFini()) {
        joueur1.tomber();
    }
    if (!joueur1.getFini()) {
        joueur2.tomber();
    }
}
