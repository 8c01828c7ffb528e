#pragma once

#include "avis.h"
#include "choix.h"
#include "clavier_bureau.h"
#include "clavier_jeu.h"
#include "copie_sol.h"
#include "deroulement.h"
#include "fichier_reglages.h"
#include "joueurs.h"
#include "manettes.h"
#include "match.h"
#include "plein_ecran.h"
#include "reveil.h"
#include "son.h"
#include "son_du_jeu.h"
#include "vue.h"

#include <optional>

// Everything the running game holds: the match of the two global games, the keys, the wake-ups,
// the view, the sound, the pads, full screen and the settings file. GLUT's callbacks take no data
// of their own: they reach the game here.
struct Jeu {
    Match match{joueur1, joueur2, seuil1, seuil2};
    ClavierJeu clavier{match};
    Reveil reveil;
    Vue vue = vuePour(largeurInitiale, hauteurInitiale);
    CopieSol copieSol;
    Avis avis;
    Son son;
    SonDuJeu sonDuJeu{son};
    Manettes manettes;
    ClavierBureau bureau;
    PleinEcran pleinEcran;
    FichierReglages reglages;
    // What the settings file was last told: what changes in play is written against it.
    std::optional<Choix> ecrit;
};

// The one game of the process, made at its first use.
Jeu &jeu();
