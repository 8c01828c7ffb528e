#pragma once

#include "adresse.h"
#include "choix.h"
#include "liaisons.h"
#include "pilotes.h"

#include <optional>
#include <string>
#include <vector>

// What the command line asks, read before any window opens: GNU options of the game's own, and
// GLUT's (-geometry, -display, ...) set apart for glutInit.
struct LigneCommande {
    enum class Suite {
        jouer,
        aide,    // --help: the usage on standard output, status 0
        version, // --version: "cubefall VERSION", status 0
        erreur,  // the message on standard error, status 2
    };
    Suite suite = Suite::jouer;
    std::string erreur;

    // Full screen, the sound, who plays each well, when the command line says so.
    DemandesLigne demandes;
    // Host a match over the network on this port, or join the one at this address.
    std::optional<std::uint16_t> heberger;
    std::optional<AdresseJeu> rejoindre;
    // Watch the replay in this file.
    std::optional<std::string> rejeu;
    // The program's name, then GLUT's own options with their values, in their order.
    std::vector<std::string> argumentsGlut;
};

LigneCommande lireLigneCommande(int argc, char **argv);

// What --help prints: every option on a line of its own, then the keys as `liaisons` binds them.
std::string texteAide(const Liaisons &liaisons);
// What --version prints.
std::string texteVersion();

// "player", "computer" (at Medium) or "computer:LEVEL".
std::optional<Pilote> lirePilote(const std::string &mot);
