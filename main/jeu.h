#pragma once

#include "clavier_bureau.h"
#include "copie_sol.h"
#include "deroulement.h"
#include "fichier_reglages.h"
#include "joueurs.h"
#include "manettes.h"
#include "plein_ecran.h"
#include "seance.h"
#include "son.h"

// Everything the running game holds: the sitting on the two global games, and what it needs of
// the platform (the sound, the pads, the floor's copy, the desktop's keyboard, full screen, the
// settings file). GLUT's callbacks take no data of their own: they reach the game here.
struct Jeu {
    Son son;
    Manettes manettes;
    Seance seance{joueur1, joueur2, seuil1, seuil2, son, manettes};
    CopieSol copieSol;
    ClavierBureau bureau;
    PleinEcran pleinEcran;
    FichierReglages reglages;
};

// The one game of the process, made at its first use.
Jeu &jeu();
