#pragma once

#include "avis.h"
#include "champ_adresse.h"
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
#include "transport_enet.h"
#include "vue.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

// Everything the running game holds: the match of the two global games, the keys, the wake-ups,
// the view, the sound, the pads, full screen, the settings file and network play. GLUT's callbacks
// take no data of their own: they reach the game here.
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

    // Network play: this machine hosts the match, or joins one (its match then mirrors the
    // host's). Who played each well before, kept for the settings. F5's port and F6's address,
    // and F6's field.
    std::unique_ptr<TransportEnet> reseau;
    std::optional<std::array<Pilote, 2>> pilotesLocaux;
    std::uint16_t portReseau = portParDefaut;
    std::string derniereAdresse;
    ChampAdresse champ;
};

// The one game of the process, made at its first use.
Jeu &jeu();
