#include "son_du_jeu.h"

#include "horloge.h"

void SonDuJeu::entendre(const Fait &fait) {
    son_.jouer(fait, maintenant());
}
