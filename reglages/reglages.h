#pragma once

#include "adresse.h"
#include "ecriture_ini.h"
#include "lignes_ini.h"
#include "pilotes.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

// What the player chose, as the settings file keeps it:
//
//   [game]
//   sound = on
//   fullscreen = off
//
//   [left well]
//   controller = player
//   left = q
//   right = d
//   turn = z
//   down = s
//
//   [right well]
//   controller = computer:hard
//
//   [pads]
//   swap = off
//
//   [network]
//   port = 7800
//   address = friend.example.org:7800
//
//   [replays]
//   keep = 100
//
// Keys are X keysym names, for move left, move right, turn and down in that order; a key the
// file does not name keeps its default (the left player's by their place on the keyboard, the
// right player's arrows). The swaying camera is not among them: each run starts without it.
// With the pads swapped, the first gamepad connected plays the right well, the second the left.
// The network's port is the one F5 hosts on; its address the last one joined with F6, which F6
// offers again. Every match is kept as a replay: the newest `keep` of them (0: none).
struct ReglagesPuits {
    Pilote pilote;
    std::array<std::string, 4> touches; // empty: the default
};

struct Reglages {
    ReglagesPuits puits[2];
    bool son = true;
    bool pleinEcran = false;
    bool echangerManettes = false;
    std::uint16_t port = portParDefaut;
    std::string adresse;
    std::size_t rejeuxGardes = 100;
};

// Why a key name cannot be bound ("no such key", "p pauses the game"), or empty when it can.
using VerifierTouche = std::function<std::string(const std::string &nom)>;

struct LectureReglages {
    Reglages reglages;
    // One message per bad line, "FILE:LINE: what is wrong"; the other lines apply.
    std::vector<std::string> erreurs;
};

// Reads the text of a settings file named `nomFichier` in the messages.
LectureReglages lireReglages(const std::string &texte, const std::string &nomFichier,
                             const VerifierTouche &verifier);

// "player", or "computer:" and the level, as the file and the command line say it.
std::string motPilote(Pilote pilote);
// The same words back; "computer" alone is Medium.
std::optional<Pilote> lirePiloteReglage(const std::string &mot);

// The changes to write for what the game lets the player change.
Changement changementPilote(int puits, Pilote pilote);
Changement changementSon(bool son);
Changement changementPleinEcran(bool pleinEcran);
Changement changementAdresse(const std::string &adresse);
