#include "deroulement.h"

#include "bareme.h"

int seuil1 = 0;
int seuil2 = 0;

void pasMinuterie(partie &gauche, partie &droite, int &seuilGauche, int &seuilDroite) {
    // Attacks are traded only while both players are still in the match.
    if (!gauche.getFini() && !droite.getFini()) {
        while (gauche.getScore() - seuilGauche >= pointsParRangeeEnvoyee) {
            seuilGauche += pointsParRangeeEnvoyee;
            droite.penaliser();
        }
        while (droite.getScore() - seuilDroite >= pointsParRangeeEnvoyee) {
            seuilDroite += pointsParRangeeEnvoyee;
            gauche.penaliser();
        }
    }

    // Once one game ends the winner's well stands still while the loser's fills up. The left
    // player's step may end their own game, which keeps the right one still in this very tick.
    if (!droite.getFini()) {
        gauche.tomber();
    }
    if (!gauche.getFini()) {
        droite.tomber();
    }
}
